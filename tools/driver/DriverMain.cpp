// kelvary-driver: the real game, headless, with a clock of its own.
//
//   kelvary-driver [--seed S] [--frames N] [--bpp 16|24|32] [--script FILE] [--store DIR]
//                  [--shot F:FILE.png]... [--state F]... [--state-every K] [--interrupt-last-save 0|1]
//
// Each frame starts exactly 66 ms after the last; the time of day the game reads is S.
// Script events for frame F arrive after frame F-1 is presented and before frame F is drawn.
// The run ends after N frames (the window is closed, so the settings are stored) or when the
// game ends by itself.  Exit status: 0 on a clean end, the game's own code otherwise, 2 for a
// bad command line or script, 3 for a game still running 100 frames after its window closed.
// With --interrupt-last-save 1 the settings save at the end stops after writing its temporary
// file, as if the process were killed before the rename.
// The game's data is looked up as the program does it (beside the driver, then in the
// installed data folder); files named on the command line are taken from where it started.

#include <cstdio>
#include <deque>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>

#include "Script.h"
#include "StateWriter.h"
#include "VirtualTimePlatform.h"
#include "app/Application.h"
#include "app/DataFolder.h"
#include "platform/sdl/SdlPlatform.h"
#include "startup/StartUp.h"

namespace {

constexpr int closeGraceFrames = 100;

struct DriverOptions {
    long long seed = 1;
    int frames = 100;
    int bits = 32;
    std::string scriptFile;
    std::string store;
    std::map<int, std::string> shots;
    std::set<int> states;
    int stateEvery = 0;
    bool interruptLastSave = false;
};

bool parseNumber(const char* text, long long low, long long high, long long& value)
{
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

int usage(const std::string& problem)
{
    std::cerr << "kelvary-driver: " << problem << "\n"
              << "usage: kelvary-driver [--seed S] [--frames N] [--bpp 16|24|32] [--script FILE] [--store DIR]\n"
              << "                      [--shot F:FILE.png]... [--state F]... [--state-every K]\n"
              << "                      [--interrupt-last-save 0|1]\n";
    return 2;
}

bool parseArguments(int argc, char** argv, DriverOptions& options, std::string& problem)
{
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            problem = "missing value after " + name;
            return false;
        }
        const char* value = argv[++i];
        long long number = 0;
        if (name == "--seed" && parseNumber(value, 0, 0xFFFFFFFFLL, number)) {
            options.seed = number;
        } else if (name == "--frames" && parseNumber(value, 0, 100000000, number)) {
            options.frames = static_cast<int>(number);
        } else if (name == "--bpp" && parseNumber(value, 16, 32, number) &&
                   (number == 16 || number == 24 || number == 32)) {
            options.bits = static_cast<int>(number);
        } else if (name == "--script") {
            options.scriptFile = value;
        } else if (name == "--store") {
            options.store = value;
        } else if (name == "--shot") {
            const std::string shot = value;
            const auto colon = shot.find(':');
            if (colon == std::string::npos || colon + 1 >= shot.size() ||
                !parseNumber(shot.substr(0, colon).c_str(), 0, 100000000, number)) {
                problem = "--shot wants F:FILE.png, not " + shot;
                return false;
            }
            options.shots[static_cast<int>(number)] = shot.substr(colon + 1);
        } else if (name == "--state" && parseNumber(value, 0, 100000000, number)) {
            options.states.insert(static_cast<int>(number));
        } else if (name == "--state-every" && parseNumber(value, 1, 100000000, number)) {
            options.stateEvery = static_cast<int>(number);
        } else if (name == "--interrupt-last-save" && parseNumber(value, 0, 1, number)) {
            options.interruptLastSave = number == 1;
        } else {
            problem = "cannot use " + name + " " + value;
            return false;
        }
    }
    return true;
}

std::filesystem::path newTemporaryStore()
{
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto folder = std::filesystem::temp_directory_path() / ("kelvary-driver-" + std::to_string(entropy()));
        std::error_code error;
        if (std::filesystem::create_directory(folder, error))
            return folder;
    }
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    DriverOptions options;
    std::string problem;
    if (!parseArguments(argc, argv, options, problem))
        return usage(problem);
    Script script;
    if (!options.scriptFile.empty() && !script.load(options.scriptFile, problem)) {
        std::cerr << "kelvary-driver: " << problem << "\n";
        return 2;
    }

    // The run changes into the data folder: names from the command line keep their meaning.
    std::error_code absoluteError;
    if (!options.store.empty())
        options.store = std::filesystem::absolute(options.store, absoluteError).string();
    for (auto& shot : options.shots)
        shot.second = std::filesystem::absolute(shot.second, absoluteError).string();

    setenv("SDL_VIDEODRIVER", "dummy", 1);
#ifndef __EMSCRIPTEN__
    // In the browser the page's own audio stays: SDL's silent driver needs a thread, and the
    // browser build has none.  Nothing the driver reports depends on what is heard.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
#endif

    std::filesystem::path temporaryStore;
    platform::sdl::Options sdlOptions;
    sdlOptions.backSurfaceBits = options.bits;
    if (options.store.empty()) {
        temporaryStore = newTemporaryStore();
        if (temporaryStore.empty())
            return usage("cannot make a temporary settings folder");
        sdlOptions.settingsFolder = temporaryStore.string();
    } else {
        sdlOptions.settingsFolder = options.store;
    }

    int exitCode = 0;
    {
        VirtualTimePlatform driver(platform::sdl::createSdlPlatform(sdlOptions), options.seed);
        platform::Message close;
        close.kind = platform::MessageKind::Close;
        if (options.frames == 0)
            driver.post(close);
        auto deliver = [&](int frame) {
            for (const auto& event : script.eventsFor(frame)) {
                const platform::Message& m = event.message;
                std::deque<platform::Message> made;
                switch (event.source) {
                case Script::Event::Source::Window: made.push_back(m); break;
                case Script::Event::Source::Finger:
                    made = platform::sdl::feedFinger(driver.real(), static_cast<platform::sdl::FingerPhase>(m.value),
                                                     event.finger, m.x, m.y, driver.getMilliseconds());
                    break;
                case Script::Event::Source::PadButton:
                    made = platform::sdl::feedPadButton(driver.real(), m.value, m.x != 0);
                    break;
                case Script::Event::Source::PadAxis:
                    made = platform::sdl::feedPadAxis(driver.real(), m.value, m.x);
                    break;
                }
                for (const auto& message : made)
                    driver.post(message);
            }
        };
        deliver(0);
        driver.onFramePresented = [&](int frame, platform::Surface* back) {
            const auto shot = options.shots.find(frame);
            if (shot != options.shots.end() && back && !platform::sdl::saveScreenshot(*back, shot->second.c_str()))
                std::cerr << "kelvary-driver: cannot write " << shot->second << "\n";
            if (options.states.count(frame) || (options.stateEvery > 0 && frame % options.stateEvery == 0)) {
                std::cout << describeState(frame, rootWidget) << "\n";
                std::cout.flush();
            }
            if (frame + 1 >= options.frames) {
                // A game that goes on long after its window was closed would never end the run.
                if (frame + 1 >= options.frames + closeGraceFrames) {
                    std::cout.flush();
                    std::cerr << "kelvary-driver: the game did not end after its window was closed\n";
                    std::_Exit(3);
                }
                if (options.interruptLastSave)
                    platform::sdl::interruptNextSettingsSave(driver.real());
                driver.post(close);
                return;
            }
            deliver(frame + 1);
        };
        exitCode = enterDataFolder(driver) ? runGame(driver) : 1;
    }

    if (!temporaryStore.empty()) {
        std::error_code error;
        std::filesystem::remove_all(temporaryStore, error);
    }
    return exitCode;
}
