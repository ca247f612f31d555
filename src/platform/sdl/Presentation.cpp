#include "platform/sdl/Presentation.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
extern char** environ;
#define KELVARY_GL_PROBE_PROCESS 1
#endif

namespace platform::sdl {

namespace {

bool containsIgnoringCase(const std::string& text, const char* part)
{
    const std::string wanted = part;
    return std::search(text.begin(), text.end(), wanted.begin(), wanted.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
}

#ifdef KELVARY_GL_PROBE_PROCESS

// Asking OpenGL for its renderer's name loads the driver, and a software driver brings its
// compiler, tens of megabytes and a pool of threads that stay for the life of the process.
// So the question is asked by a copy of the program started for nothing else: it sees the
// variable below before main, prints the name and ends.
constexpr const char* probeVariable = "KELVARY_GL_PROBE";
constexpr int probeTimeoutMs = 5000;

[[noreturn]] void answerProbe()
{
    using GetString = const unsigned char* (*)(unsigned);
    constexpr unsigned glRenderer = 0x1F01;
    if (SDL_Init(SDL_INIT_VIDEO) == 0) {
        if (SDL_Window* window = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN)) {
            if (SDL_GL_CreateContext(window)) {
                auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
                const unsigned char* name = getString ? getString(glRenderer) : nullptr;
                if (name)
                    std::printf("%s\n", reinterpret_cast<const char*>(name));
                std::fflush(stdout);
            }
        }
    }
    // No orderly shutdown: the driver's own leftovers are of no interest to anyone.
    _exit(0);
}

struct ProbeAnswerer {
    ProbeAnswerer()
    {
        const char* value = std::getenv(probeVariable);
        if (value && std::strcmp(value, "1") == 0)
            answerProbe();
    }
} probeAnswerer;

// OpenGL's renderer name as a fresh copy of this program sees it; empty if OpenGL cannot
// be used here or the copy does not answer in time.
std::string askOpenGlRenderer()
{
    SDL_LogInfo(SDL_LOG_CATEGORY_APPLICATION, "Asking a copy of the game which OpenGL renderer draws here");
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return {};
    std::vector<std::string> variables;
    for (char** entry = environ; entry && *entry; ++entry)
        if (std::strncmp(*entry, probeVariable, std::strlen(probeVariable)) != 0)
            variables.emplace_back(*entry);
    variables.push_back(std::string(probeVariable) + "=1");
    std::vector<char*> environment;
    for (auto& variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);
    char name[] = "kelvary-gl-probe";
    char* arguments[] = {name, nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const bool started = posix_spawn(&child, "/proc/self/exe", &actions, nullptr, arguments, environment.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);

    std::string answer;
    if (started) {
        const Uint32 start = SDL_GetTicks();
        for (;;) {
            const int left = probeTimeoutMs - static_cast<int>(SDL_GetTicks() - start);
            pollfd readable{ends[0], POLLIN, 0};
            if (left <= 0 || poll(&readable, 1, left) <= 0) {
                kill(child, SIGKILL);
                answer.clear();
                break;
            }
            char buffer[256];
            const ssize_t got = read(ends[0], buffer, sizeof buffer);
            if (got <= 0)
                break;
            answer.append(buffer, static_cast<size_t>(got));
        }
        waitpid(child, nullptr, 0);
    }
    close(ends[0]);
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r'))
        answer.pop_back();
    return answer;
}

#endif

// True where scaling on "the graphics card" would in fact run on the processor.
bool openGlDrawsOnProcessor()
{
    // The headless drivers have no graphics card behind them at all.
    const char* video = SDL_GetCurrentVideoDriver();
    if (!video || std::strcmp(video, "dummy") == 0 || std::strcmp(video, "offscreen") == 0)
        return true;
    SDL_RendererInfo first;
    if (SDL_GetNumRenderDrivers() < 1 || SDL_GetRenderDriverInfo(0, &first) != 0)
        return true;
    if (std::strncmp(first.name, "opengl", 6) != 0)
        return std::strcmp(first.name, "software") == 0;
#ifdef KELVARY_GL_PROBE_PROCESS
    static const bool software = [] {
        const std::string renderer = askOpenGlRenderer();
        return renderer.empty() || isSoftwareRasteriser(renderer.c_str());
    }();
    return software;
#else
    return false;
#endif
}

}  // namespace

bool isSoftwareRasteriser(const char* glRenderer)
{
    if (!glRenderer)
        return false;
    const std::string name = glRenderer;
    for (const char* part : {"llvmpipe", "softpipe", "swrast", "software rasterizer", "swiftshader"})
        if (containsIgnoringCase(name, part))
            return true;
    return false;
}

PresentationPath choosePresentationPath(bool scaled)
{
    if (const char* forced = std::getenv("KELVARY_PRESENT")) {
        if (std::strcmp(forced, "surface") == 0)
            return PresentationPath::WindowSurface;
        if (std::strcmp(forced, "software") == 0)
            return PresentationPath::SoftwareRenderer;
        if (std::strcmp(forced, "accelerated") == 0)
            return PresentationPath::AcceleratedRenderer;
    }
    if (!scaled)
        return PresentationPath::WindowSurface;
    return openGlDrawsOnProcessor() ? PresentationPath::SoftwareRenderer : PresentationPath::AcceleratedRenderer;
}

const char* describe(PresentationPath path)
{
    switch (path) {
    case PresentationPath::WindowSurface: return "window surface";
    case PresentationPath::SoftwareRenderer: return "software renderer";
    case PresentationPath::AcceleratedRenderer: return "accelerated renderer";
    }
    return "";
}

Rect pictureRect(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight)
{
    if (windowWidth <= 0 || windowHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0)
        return Rect{};
    int width = windowWidth, height = windowHeight;
    // Compared in 64 bits: the products of two window sides overflow nothing then.
    if (static_cast<long long>(windowWidth) * pictureHeight <= static_cast<long long>(windowHeight) * pictureWidth)
        height = static_cast<int>(static_cast<long long>(windowWidth) * pictureHeight / pictureWidth);
    else
        width = static_cast<int>(static_cast<long long>(windowHeight) * pictureWidth / pictureHeight);
    const int left = (windowWidth - width) / 2, top = (windowHeight - height) / 2;
    return Rect{left, top, left + width, top + height};
}

}  // namespace platform::sdl
