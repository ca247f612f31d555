// Soak: a seeded random player drives the real game through the headless driver for many
// frames and games (moves, clicks on every button but the two exits, the hint key, typed
// characters), and every state line must describe a consistent game.  ctest plays a short
// run; scripts/soak sets KELVARY_SOAK_FRAMES for the long one on the sanitizer build.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "support/DriverRun.h"
#include "support/HeadlessApp.h"

namespace {

struct Spot {
    int x;
    int y;
};

// Buttons of the menu, its boxes, the game screen and the end-of-game panel (no exits).
const Spot buttons[] = {
    {400, 236}, {400, 307}, {400, 338}, {400, 369},  // start, high scores, options, help
    {481, 444}, {378, 444},                          // high-score box: OK, reset
    {390, 250}, {390, 300}, {400, 350},              // options box: sound, window, OK
    {700, 449}, {700, 478}, {715, 560},              // game: sound, window, the maker's logo
    {400, 446},                                      // end-of-game panel: OK
};

bool onAnExit(int x, int y)
{
    const bool menuExit = x >= 330 && x < 470 && y >= 440 && y < 490;
    const bool gameExit = x >= 656 && x < 790 && y >= 490 && y < 545;
    return menuExit || gameExit;
}

// One script of random input for `frames` frames.
std::string randomScript(unsigned seed, int frames)
{
    std::mt19937 random(seed);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::ostringstream script;
    for (int frame = 1; frame < frames; ++frame) {
        if (below(3) != 0)
            continue;
        switch (below(10)) {
        case 0:
        case 1: {
            const Spot& b = buttons[below(sizeof buttons / sizeof buttons[0])];
            script << frame << " press " << b.x << ' ' << b.y << " 1\n";
            break;
        }
        case 2:
        case 3:
        case 4:  // a turn of a group on the field, either way (the pointer a little above the
                 // group's centre, which keeps it off the menu's exit below the field's middle)
            script << frame << " press " << 160 + 60 * (1 + below(7)) << ' ' << 75 + 60 * (1 + below(7)) << ' '
                   << 1 + below(2) << "\n";
            break;
        case 5: {
            int x = below(820) - 10, y = below(620) - 10;
            if (!onAnExit(x, y))
                script << frame << " press " << x << ' ' << y << ' ' << below(4) << "\n";
            break;
        }
        case 6: script << frame << " move " << below(800) << ' ' << below(600) << "\n"; break;
        case 7: script << frame << " keydown 32\n" << frame + 1 + below(5) << " keyup 32\n"; break;
        case 8: script << frame << " char " << (below(8) == 0 ? below(256) : 32 + below(95)) << "\n"; break;
        default: {
            // Any key but the two that press what the keys walked to (it could be an exit).
            const int key = below(256);
            if (key != 13 && key != 195)
                script << frame << (below(2) ? " keydown " : " keyup ") << key << "\n";
            break;
        }
        }
    }
    return script.str();
}

// What is wrong with one state line, or empty.
std::string inconsistency(const std::string& line, long long previousFrame)
{
    const long long frame = stateField(line, "frame");
    if (frame <= previousFrame)
        return "frames out of order";
    const long long screen = stateField(line, "screen");
    if (screen < 0 || screen > 2)
        return "no such screen";
    if (screen != 2)
        return {};
    const long long timeLeft = stateField(line, "timeLeft");
    const long long removed = stateField(line, "removed");
    const long long level = stateField(line, "level");
    if (timeLeft < 0 || timeLeft > 2000)
        return "time outside 0..2000";
    if (removed < 0 || level != removed / 30 + 1)
        return "level is not removed div 30 + 1";
    if (stateField(line, "target") != 30 * level)
        return "target is not 30 per level";
    if (stateField(line, "score") < 0 || stateField(line, "chain") < 0 || stateField(line, "combo") < 0)
        return "a negative counter";
    const long long special = stateField(line, "special");
    if (special != -1 && (special < 2 || special > 6))
        return "the special block is not one of kinds 2 to 6";
    if (stateField(line, "panel") == 1 && stateField(line, "running") == 1)
        return "the end-of-game panel over a running game";
    if (stateField(line, "running") == 0 && stateField(line, "panel") == 1 && timeLeft != 0)
        return "the game ended with time left";
    const auto kinds = stateKinds(line);
    if (kinds.size() != 64)
        return "not 64 blocks";
    for (int kind : kinds) {
        if (kind < 0 || kind > 9)
            return "a block of no kind";
    }
    return {};
}

struct SoakResult {
    int states = 0;
    int games = 0;
};

void soak(unsigned seed, int frames, SoakResult& result)
{
    TemporaryFolder folder;
    const auto script = folder.path() / "soak.script";
    std::ofstream(script) << randomScript(seed, frames);
    const DriverRun run =
        runProgram(std::string(KELVARY_OUTPUT_DIR) + "/kelvary-driver --seed " + std::to_string(seed) + " --frames " +
                   std::to_string(frames) + " --state-every 1 --script '" + script.string() + "' --store '" +
                   folder.path().string() + "'");
    ASSERT_EQ(run.exitCode, 0) << "seed " << seed << ": " << run.errors.substr(0, 4000);
    EXPECT_EQ(run.errors.find("Sanitizer"), std::string::npos) << run.errors.substr(0, 4000);
    EXPECT_EQ(run.errors.find("runtime error"), std::string::npos) << run.errors.substr(0, 4000);
    long long previous = -1;
    bool inGame = false;
    for (const auto& line : run.stateLines()) {
        const std::string problem = inconsistency(line, previous);
        ASSERT_TRUE(problem.empty()) << "seed " << seed << ": " << problem << "\n" << line;
        previous = stateField(line, "frame");
        const bool game = stateField(line, "screen") == 2;
        result.games += game && !inGame;
        inGame = game;
        ++result.states;
    }
    EXPECT_EQ(previous, frames - 1) << "seed " << seed << ": the run stopped early";
    if (testing::Test::HasFailure()) {
        // Kept for replaying by hand: kelvary-driver --seed SEED --script FILE.
        const auto kept = std::filesystem::current_path() / ("soak-failure-" + std::to_string(seed) + ".script");
        std::error_code error;
        std::filesystem::copy_file(script, kept, std::filesystem::copy_options::overwrite_existing, error);
        std::cout << "soak: the failing input is kept in " << kept.string() << "\n";
    }
}

TEST(Soak, RandomPlayKeepsEveryStateConsistent)
{
    if (const char* one = std::getenv("KELVARY_SOAK_SEED")) {  // one run of a seed, for finding a fault
        SoakResult result;
        soak(static_cast<unsigned>(std::strtoul(one, nullptr, 10)), 5000, result);
        return;
    }
    const char* long_ = std::getenv("KELVARY_SOAK_FRAMES");
    const int total = long_ ? std::max(1000, std::atoi(long_)) : 6000;
    const int perRun = 5000;
    SoakResult result;
    for (unsigned seed = 1; result.states < total; ++seed) {
        soak(seed * 7919u, std::min(perRun, total - result.states), result);
        if (HasFatalFailure())
            return;
    }
    std::cout << "soak: " << result.states << " frames, " << result.games << " games\n";
    EXPECT_GT(result.games, 0);
}

}  // namespace
