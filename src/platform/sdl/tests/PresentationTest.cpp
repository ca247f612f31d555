// The presentation path each window takes, what it shows, and where pointer positions land:
// headless for every path, and full screen on a real X server without a window manager.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "SdlTestSupport.h"
#include "platform/sdl/Presentation.h"
#include "platform/sdl/SdlDisplayDevice.h"
#include "platform/sdl/SdlWindow.h"

extern char** environ;

namespace platform::sdl::test {
namespace {

// Sets an environment variable for one scope (unset when `value` is null) and puts it back.
class ScopedVariable {
public:
    ScopedVariable(const char* variable, const char* value) : name(variable)
    {
        if (const char* old = std::getenv(name))
            previous = old, hadOne = true;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedVariable() { hadOne ? setenv(name, previous.c_str(), 1) : unsetenv(name); }

private:
    const char* name;
    std::string previous;
    bool hadOne = false;
};

// Quarters of the 16-bit picture in four colours, and a white pixel in its last corner.
void paintQuarters(Surface& back)
{
    back.fill(Rect{0, 0, 400, 300}, rawColour(16, 0xFF0000));
    back.fill(Rect{400, 0, 800, 300}, rawColour(16, 0x00FF00));
    back.fill(Rect{0, 300, 400, 600}, rawColour(16, 0x0000FF));
    back.fill(Rect{400, 300, 800, 600}, rawColour(16, 0xFFFF00));
    back.fill(Rect{799, 599, 800, 600}, rawColour(16, 0xFFFFFF));
}

// The message a pointer press at a window point becomes.
Message pressAt(Display& display, int x, int y)
{
    Message m;
    while (display.platform->peekMessage())
        display.platform->getMessage(m);
    auto& window = dynamic_cast<SdlWindow&>(*display.window);
    SDL_Event e{};
    e.button = SDL_MouseButtonEvent{SDL_MOUSEBUTTONDOWN, 0, window.id(), 0, SDL_BUTTON_LEFT, 1, 1, 0, x, y};
    SDL_PushEvent(&e);
    m = Message{};
    display.platform->getMessage(m);
    return m;
}

PresentationPath pathOf(Display& display) { return dynamic_cast<SdlDisplayDevice&>(*display.device).getPath(); }

TEST(PresentationTest, EachWindowTakesItsPathShowsThePictureAndMapsThePointerOntoIt)
{
    // The dummy desktop is 1024x768 and has no graphics card.
    const struct {
        const char* what;
        bool fullScreen;
        int scale;
        const char* forced;
        PresentationPath path;
        int width, height;  // of the window
        int pressX, pressY, pictureX, pictureY;
    } cases[] = {
        {"1:1 window", false, 1, nullptr, PresentationPath::WindowSurface, 800, 600, 799, 0, 799, 0},
        {"double window", false, 2, nullptr, PresentationPath::SoftwareRenderer, 1600, 1200, 801, 401, 400, 200},
        {"full screen", true, 1, nullptr, PresentationPath::SoftwareRenderer, 1024, 768, 512, 384, 400, 300},
        {"forced surface, full screen", true, 1, "surface", PresentationPath::WindowSurface, 1024, 768, 1023, 767, 799,
         599},
        {"forced software, 1:1", false, 1, "software", PresentationPath::SoftwareRenderer, 800, 600, 5, 7, 5, 7},
        {"forced accelerated: none here", false, 2, "accelerated", PresentationPath::SoftwareRenderer, 1600, 1200, 1599,
         1199, 799, 599},
        {"unknown forcing", false, 1, "fastest", PresentationPath::WindowSurface, 800, 600, 0, 599, 0, 599},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedVariable forcing("KELVARY_PRESENT", c.forced);
        Display display(16, c.fullScreen, c.scale);
        ASSERT_TRUE(display.ready());
        EXPECT_EQ(pathOf(display), c.path);
        SDL_Window* window = dynamic_cast<SdlWindow&>(*display.window).handle();
        int w = 0, h = 0;
        SDL_GetWindowSize(window, &w, &h);
        EXPECT_EQ(w * 10000 + h, c.width * 10000 + c.height);

        paintQuarters(*display.device->getBackSurface());
        ASSERT_TRUE(display.device->present());
        EXPECT_EQ(windowPixel(window, 0, 0), 0xFF0000u);
        EXPECT_EQ(windowPixel(window, w - 1, 0), 0x00FF00u);
        EXPECT_EQ(windowPixel(window, 0, h - 1), 0x0000FFu);
        EXPECT_EQ(windowPixel(window, w - 3, h - 3), 0xFFFF00u);
        EXPECT_EQ(windowPixel(window, w - 1, h - 1), 0xFFFFFFu);

        const Message m = pressAt(display, c.pressX, c.pressY);
        EXPECT_EQ(m.kind, MessageKind::ButtonDown);
        EXPECT_EQ(m.x * 1000 + m.y, c.pictureX * 1000 + c.pictureY) << m.x << "," << m.y;
    }
}

TEST(PresentationTest, OpenGlDriversThatRasteriseOnTheProcessorAreKnownByName)
{
    for (const char* name : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Mesa X11 swrast", "Software Rasterizer",
                             "Google SwiftShader"})
        EXPECT_TRUE(isSoftwareRasteriser(name)) << name;
    for (const char* name : std::initializer_list<const char*>{
             "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "NVIDIA GeForce RTX 3060/PCIe/SSE2",
             "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)", "", nullptr})
        EXPECT_FALSE(isSoftwareRasteriser(name)) << (name ? name : "null");
}

// An X server of its own on a free display, with no window manager; its screen is kept in
// a file, so what it shows can be read back.
class XvfbScreen {
public:
    XvfbScreen(int width, int height)
    {
        int ends[2];
        if (folder.path().empty() || pipe(ends) != 0)
            return;
        const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        const std::string fbdir = folder.path().string();
        std::vector<std::string> words = {"Xvfb", "-displayfd", "3",   "-screen",   "0",
                                          screen, "-fbdir",     fbdir, "-nolisten", "tcp"};
        std::vector<char*> arguments;
        for (auto& word : words)
            arguments.push_back(word.data());
        arguments.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], 3);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const bool started = posix_spawnp(&server, "Xvfb", &actions, nullptr, arguments.data(), environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(ends[1]);
        std::string number;
        char c;
        while (started && read(ends[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(ends[0]);
        if (!started)
            server = 0;
        if (!number.empty())
            display = ":" + number;
    }
    ~XvfbScreen()
    {
        if (server > 0) {
            kill(server, SIGTERM);
            waitpid(server, nullptr, 0);
        }
    }
    bool running() const { return !display.empty(); }

    // The screen's colour 0xRRGGBB at a point, from the server's own copy of its screen.
    std::uint32_t pixel(int x, int y) const
    {
        const std::string file = readFile((folder.path() / "Xvfb_screen0").string());
        auto field = [&file](int index) {
            std::uint32_t value = 0;
            for (int i = 0; i < 4; ++i)
                value = value << 8 | static_cast<unsigned char>(file[static_cast<size_t>(index * 4 + i)]);
            return value;
        };
        if (file.size() < 100 || field(11) != 32)
            return 0xDEADBEEF;
        const size_t at = field(0) + field(19) * 12 + static_cast<size_t>(y) * field(12) + static_cast<size_t>(x) * 4;
        if (at + 4 > file.size())
            return 0xDEADBEEF;
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(file[at + static_cast<size_t>(i)]);
        return value & 0xFFFFFF;
    }

    std::string display;

private:
    TempFolder folder;
    pid_t server = 0;
};

TEST(PresentationTest, FullScreenWithoutAWindowManagerCoversTheScreenWithBarsAboveAndBelow)
{
    XvfbScreen screen(1280, 1024);
    if (!screen.running())
        GTEST_SKIP() << "no Xvfb here";
    ScopedVariable driver("SDL_VIDEODRIVER", "x11"), where("DISPLAY", screen.display.c_str());
    ScopedVariable forcing("KELVARY_PRESENT", nullptr);
    Display display(16, true);
    ASSERT_TRUE(display.ready());
    EXPECT_EQ(pathOf(display), PresentationPath::SoftwareRenderer);  // OpenGL on Xvfb draws in software

    paintQuarters(*display.device->getBackSurface());
    // The picture 1280x960 between bars of 32 rows; the server may take a moment to show it.
    const struct {
        int x, y;
        std::uint32_t colour;
    } points[] = {{640, 15, 0},       {640, 1010, 0},        {1, 33, 0xFF0000},    {1278, 33, 0x00FF00},
                  {1, 990, 0x0000FF}, {1277, 989, 0xFFFF00}, {1279, 991, 0xFFFFFF}};
    bool shown = false;
    for (int attempt = 0; attempt < 50 && !shown; ++attempt) {
        ASSERT_TRUE(display.device->present());
        Message m;
        while (display.platform->peekMessage())
            display.platform->getMessage(m);
        SDL_Delay(40);
        shown = true;
        for (const auto& p : points)
            shown = shown && screen.pixel(p.x, p.y) == p.colour;
    }
    for (const auto& p : points)
        EXPECT_EQ(screen.pixel(p.x, p.y), p.colour) << p.x << "," << p.y;

    const struct {
        int x, y, pictureX, pictureY;
    } presses[] = {{640, 512, 400, 300}, {0, 32, 0, 0}, {1279, 991, 799, 599}, {640, 31, 400, -1}};
    for (const auto& p : presses) {
        const Message m = pressAt(display, p.x, p.y);
        EXPECT_EQ(m.x * 1000 + m.y, p.pictureX * 1000 + p.pictureY) << p.x << "," << p.y;
    }
}

}  // namespace
}  // namespace platform::sdl::test
