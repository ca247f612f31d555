// The presentation path each window takes, what it shows, and where pointer positions land:
// headless for every path, and full screen on a real X server without a window manager.
#include <gtest/gtest.h>

#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <tuple>
#include <vector>

#include "SdlTestSupport.h"
#include "platform/sdl/Presentation.h"
#include "platform/sdl/SdlDisplayDevice.h"
#include "platform/sdl/SdlWindow.h"

namespace platform::sdl::test {
namespace {

// How many pixels of the back surface (16 or 32 bits) the window does not show, one to one.
int pixelsNotShown(Display& display)
{
    const SDL_Surface& drawn = *dynamic_cast<SdlSurface&>(*display.device->getBackSurface()).pixels();
    SDL_Surface* shown = SDL_ConvertSurfaceFormat(
        SDL_GetWindowSurface(dynamic_cast<SdlWindow&>(*display.window).handle()), SDL_PIXELFORMAT_RGB888, 0);
    if (!shown)
        return -1;
    const auto widen = [](std::uint32_t v, int shift, int bits) {
        const std::uint32_t field = v >> shift & ((1u << bits) - 1);
        return (field << (8 - bits)) | (field >> (2 * bits - 8));
    };
    int missing = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const auto* at = static_cast<const std::uint8_t*>(drawn.pixels) + y * drawn.pitch;
            std::uint32_t colour;
            if (drawn.format->BytesPerPixel == 2) {
                const std::uint32_t v = at[x * 2] | at[x * 2 + 1] << 8;
                colour = widen(v, 11, 5) << 16 | widen(v, 5, 6) << 8 | widen(v, 0, 5);
            } else {
                colour = (at[x * 4] | at[x * 4 + 1] << 8 | at[x * 4 + 2] << 16) & 0xFFFFFFu;
            }
            const auto* row = static_cast<const std::uint32_t*>(shown->pixels) + y * shown->pitch / 4;
            missing += colour != (row[x] & 0xFFFFFFu);
        }
    SDL_FreeSurface(shown);
    return missing;
}

// The colour of paintQuarters's picture at a point away from its last corner.
std::uint32_t quarterAt(int x, int y)
{
    return y < 300 ? (x < 400 ? 0xFF0000 : 0x00FF00) : (x < 400 ? 0x0000FF : 0xFFFF00);
}

// Quarters of the picture in four colours, and a white pixel in its last corner.
void paintQuarters(Surface& back)
{
    const int bits = back.getBitsPerPixel();
    back.fill(Rect{0, 0, 400, 300}, rawColour(bits, 0xFF0000));
    back.fill(Rect{400, 0, 800, 300}, rawColour(bits, 0x00FF00));
    back.fill(Rect{0, 300, 400, 600}, rawColour(bits, 0x0000FF));
    back.fill(Rect{400, 300, 800, 600}, rawColour(bits, 0xFFFF00));
    back.fill(Rect{799, 599, 800, 600}, rawColour(bits, 0xFFFFFF));  // white stays white at 16 bits
}

// The message a pointer press (or move) at a window point becomes.
Message pressAt(Display& display, int x, int y, Uint32 type = SDL_MOUSEBUTTONDOWN)
{
    Message m;
    while (display.platform->peekMessage())
        display.platform->getMessage(m);
    pushPointer(display, type, SDL_BUTTON_LEFT, x, y);
    display.platform->getMessage(m);
    return m;
}

PresentationPath pathOf(Display& display) { return dynamic_cast<SdlDisplayDevice&>(*display.device).getPath(); }

// An X server of its own on a free display, with no window manager; it keeps its screen in
// a file (XWD), so what it shows can be read back.
struct XvfbScreen {
    // The shell prints its own number, which Xvfb takes over, then Xvfb the display's number.
    XvfbScreen(int width, int height)
    {
        const std::string command = "echo $$; exec Xvfb -displayfd 1 -noreset -nolisten tcp -screen 0 " +
                                    std::to_string(width) + "x" + std::to_string(height) + "x24 -fbdir '" +
                                    folder.path().string() + "' 2>/dev/null";
        output = popen(command.c_str(), "r");
        char line[32];
        if (output && std::fgets(line, sizeof line, output))
            server = std::atoi(line);
        if (server > 0 && std::fgets(line, sizeof line, output) && line[0] >= '0' && line[0] <= '9')
            display = ":" + std::to_string(std::atoi(line));
    }
    ~XvfbScreen()
    {
        if (server > 0)
            kill(server, SIGTERM);
        if (output)
            pclose(output);
    }

    // The colour 0xRRGGBB at a point of the screen (32-bit pixels after the XWD header).
    std::uint32_t pixel(int x, int y) const
    {
        const std::string file = readTextFile((folder.path() / "Xvfb_screen0").string());
        auto word = [&file](size_t at, bool bigEndian) {
            std::uint32_t value = 0;
            for (size_t i = 0; i < 4 && at + 4 <= file.size(); ++i)
                value = value << 8 | static_cast<unsigned char>(file[at + (bigEndian ? i : 3 - i)]);
            return value;
        };
        const size_t at = word(0, true) + word(19 * 4, true) * 12 + y * size_t{word(12 * 4, true)} + x * size_t{4};
        return word(11 * 4, true) == 32 ? word(at, false) & 0xFFFFFF : 0xDEADBEEF;
    }

    TempFolder folder;
    FILE* output = nullptr;
    pid_t server = 0;
    std::string display;
};

// The game on an X server of its own of the given size, without a window manager.
struct OnXvfb {
    OnXvfb(int width, int height) : screen(width, height), where("DISPLAY", screen.display.c_str()) {}
    bool ready() const { return !screen.display.empty(); }
    XvfbScreen screen;
    ScopedVariable driver{"SDL_VIDEODRIVER", "x11"};
    ScopedVariable where;
    ScopedVariable forcing{"KELVARY_PRESENT", nullptr};
};

// The question whether OpenGL draws in software can take seconds: it is asked before the
// window exists, so no window sits unresponsive meanwhile.
TEST(PresentationTest, TheOpenGlQuestionIsAskedBeforeAnyWindowShows)
{
    OnXvfb desktop(1024, 768);
    if (!desktop.ready())
        GTEST_SKIP() << "no Xvfb here";
    struct Seen {
        bool asked = false;
        int windowsThen = 0;
    } seen;
    SDL_LogOutputFunction previous = nullptr;
    void* previousData = nullptr;
    SDL_LogGetOutputFunction(&previous, &previousData);
    SDL_LogSetOutputFunction(
        [](void* data, int, SDL_LogPriority, const char* text) {
            auto& record = *static_cast<Seen*>(data);
            if (std::string(text).rfind("Asking a copy of the game", 0) != 0)
                return;
            record.asked = true;
            for (Uint32 id = 1; id < 1000; ++id)
                record.windowsThen += SDL_GetWindowFromID(id) != nullptr;
        },
        &seen);
    {
        Display display(32, true);
        EXPECT_TRUE(display.ready());
    }
    SDL_LogSetOutputFunction(previous, previousData);
    // Each test runs in a process of its own (and this one first in a run of them all),
    // where this is the first window to ask.
    EXPECT_TRUE(seen.asked);
    EXPECT_EQ(seen.windowsThen, 0);
}

TEST(PresentationTest, EachWindowTakesItsPathShowsThePictureAndMapsThePointerOntoIt)
{
    // The dummy desktop is 1024x768 and has no graphics card.
    const struct {
        const char* what;
        int bits;  // of the back surface
        bool fullScreen;
        int scale;
        const char* forced;
        PresentationPath path;
        int width, height;  // of the window
        int pressX, pressY, pictureX, pictureY;
        Uint32 pointer = SDL_MOUSEBUTTONDOWN;
    } cases[] = {
        {"1:1 window", 24, false, 1, nullptr, PresentationPath::WindowSurface, 800, 600, 799, 0, 799, 0},
        {"double window asked, but only 1:1 fits", 24, false, 2, nullptr, PresentationPath::WindowSurface, 800, 600,
         401, 201, 401, 201, SDL_MOUSEMOTION},
        {"full screen", 16, true, 1, nullptr, PresentationPath::SoftwareRenderer, 1024, 768, 512, 384, 400, 300,
         SDL_MOUSEMOTION},
        {"forced surface, full screen", 32, true, 1, "surface", PresentationPath::WindowSurface, 1024, 768, 1023, 767,
         799, 599},
        {"forced software, 1:1", 16, false, 1, "software", PresentationPath::SoftwareRenderer, 800, 600, 5, 7, 5, 7},
        {"forced accelerated: none here", 32, false, 1, "accelerated", PresentationPath::SoftwareRenderer, 800, 600,
         799, 599, 799, 599},
        {"unknown forcing", 16, false, 1, "fastest", PresentationPath::WindowSurface, 800, 600, 0, 599, 0, 599},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedVariable forcing("KELVARY_PRESENT", c.forced);
        Display display(c.bits, c.fullScreen, c.scale);
        ASSERT_TRUE(display.ready());
        EXPECT_EQ(display.device->getBackSurface()->getBitsPerPixel(), c.bits);
        EXPECT_EQ(pathOf(display), c.path);
        SDL_Window* window = dynamic_cast<SdlWindow&>(*display.window).handle();
        int w = 0, h = 0;
        SDL_GetWindowSize(window, &w, &h);
        EXPECT_EQ(w * 10000 + h, c.width * 10000 + c.height);

        paintQuarters(*display.device->getBackSurface());
        ASSERT_TRUE(display.device->present());
        const std::vector<std::uint32_t> corners = {windowPixel(window, 0, 0), windowPixel(window, w - 1, 0),
                                                    windowPixel(window, 0, h - 1), windowPixel(window, w - 3, h - 3),
                                                    windowPixel(window, w - 1, h - 1)};
        EXPECT_EQ(corners, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFFFFFF}));

        const Message m = pressAt(display, c.pressX, c.pressY, c.pointer);
        EXPECT_EQ(m.kind, c.pointer == SDL_MOUSEMOTION ? MessageKind::MouseMove : MessageKind::ButtonDown);
        EXPECT_EQ(m.x * 1000 + m.y, c.pictureX * 1000 + c.pictureY) << m.x << "," << m.y;
    }
}

TEST(PresentationTest, NothingIsShownFromSurfacesLostOrBeingWrittenNorAfterTheWindowWent)
{
    Display display(0);
    ASSERT_TRUE(display.ready());
    Surface& back = *display.device->getBackSurface();
    EXPECT_EQ(back.getBitsPerPixel(), 32);  // 0 takes the dummy desktop's depth
    loseSurface(back);
    EXPECT_FALSE(display.device->present());
    EXPECT_TRUE(back.restore());
    LockedPixels locked;
    ASSERT_TRUE(back.lock(Rect{0, 0, 1, 1}, locked));
    EXPECT_FALSE(display.device->present());
    back.unlock();
    EXPECT_TRUE(display.device->present());

    // A window destroyed before its device leaves the device safely useless, while
    // off-screen surfaces, which belong to no window, go on working.
    auto picture = display.device->createSurface(10, 10);
    display.window.reset();
    EXPECT_FALSE(display.device->createSurfaces());
    EXPECT_FALSE(display.device->present());
    display.device.reset();
    EXPECT_TRUE(picture->fill(Rect{0, 0, 10, 10}, 1));
}

TEST(PresentationTest, AWindowShrunkToNothingShowsNothingAndGoesOn)
{
    // Some systems shrink a minimised window's surface to 0x0 before anything else.
    Display display(32);
    ASSERT_TRUE(display.ready());
    SDL_Surface* shown = SDL_GetWindowSurface(dynamic_cast<SdlWindow&>(*display.window).handle());
    ASSERT_NE(shown, nullptr);
    const int w = shown->w, h = shown->h;
    shown->w = shown->h = 0;
    EXPECT_TRUE(display.device->present());
    shown->w = w;
    shown->h = h;
    EXPECT_TRUE(display.device->present());
}

// The browser's page keeps its canvas: a frame drawn again as it was is not copied there
// again, whatever drew it, and of a changed one only the part that changed is.  The desktop
// shows every frame whole.
TEST(PresentationTest, OnlyWhatDiffersFromTheFrameOnShowIsShownWhereAskedFor)
{
    for (const int bits : {16, 32}) {
        for (const bool onlyChanged : {false, true}) {
            SCOPED_TRACE(std::to_string(bits) + (onlyChanged ? " bits, only changes" : " bits, every frame"));
            Display display(bits, false, 1, onlyChanged);
            ASSERT_TRUE(display.ready());
            SDL_Window* window = dynamic_cast<SdlWindow&>(*display.window).handle();
            Surface& back = *display.device->getBackSurface();
            auto picture = display.device->createSurface(800, 600);
            auto dot = display.device->createSurface(1, 1);
            ASSERT_TRUE(picture && dot);
            paintQuarters(*picture);
            dot->fill(Rect{0, 0, 1, 1}, rawColour(bits, 0xFFFFFF));
            dot->setColourKey(rawColour(bits, 0x0000FF), rawColour(bits, 0x0000FF));
            const auto redraw = [&] { ASSERT_TRUE(back.blit(*picture, Rect{0, 0, 800, 600}, 0, 0, false)); };
            const auto present = [&] {
                ASSERT_TRUE(display.device->present());
                EXPECT_EQ(pixelsNotShown(display), 0);
            };
            // A mark on the window where the frame stays as it was: a frame shown whole
            // paints it over, one shown only where it changed leaves it.
            const auto mark = [&] {
                SDL_Rect spot{10, 10, 1, 1};
                SDL_FillRect(SDL_GetWindowSurface(window), &spot, 0x123456);
            };
            const auto markKept = [&] {
                const bool kept = windowPixel(window, 10, 10) == 0x123456;
                SDL_Rect spot{10, 10, 1, 1};
                SDL_FillRect(SDL_GetWindowSurface(window), &spot, 0xFF0000);
                return kept;
            };

            redraw();
            present();
            mark();
            redraw();
            ASSERT_TRUE(display.device->present());
            EXPECT_EQ(markKept(), onlyChanged);

            // One pixel changed by each way of drawing, at its own place; then pixels at the
            // picture's edges, each beyond what was drawn before it in its frame; then the
            // same frame again; then a pixel changed and put back within one frame.
            LockedPixels locked;
            const std::vector<std::pair<const char*, std::function<void(int, int)>>> changes = {
                {"an opaque copy",
                 [&](int x, int y) {
                     back.blit(*dot, Rect{0, 0, 1, 1}, x, y, false);
                 }},
                {"a keyed copy",
                 [&](int x, int y) {
                     back.blit(*dot, Rect{0, 0, 1, 1}, x, y, true);
                 }},
                {"a fill",
                 [&](int x, int y) {
                     back.fill(Rect{x, y, x + 1, y + 1}, rawColour(bits, 0xFFFFFF));
                 }},
                {"a lock",
                 [&](int x, int y) {
                     ASSERT_TRUE(back.lock(Rect{x, y, x + 1, y + 1}, locked));
                     std::memset(locked.bits, 0xFF, static_cast<size_t>(bits / 8));
                     back.unlock();
                 }},
                {"a line",
                 [&](int x, int y) {
                     DrawContext* context = back.getDrawContext();
                     ASSERT_NE(context, nullptr);
                     auto pen = context->createPen(1, 0xFFFFFF);
                     context->selectPen(pen.get());
                     context->drawLine(x, y, x + 1, y);
                     context->selectPen(nullptr);
                     back.releaseDrawContext();
                 }},
            };
            int x = 100;
            for (const auto& [how, change] : changes) {
                SCOPED_TRACE(how);
                x += 97;
                const int y = 20 + x % 500;
                redraw();
                change(x, y);
                present();
                EXPECT_EQ(windowPixel(window, x, y), 0xFFFFFFu);
                change(x, y);
                change(799, 0);
                present();
                EXPECT_EQ(windowPixel(window, 799, 0), 0xFFFFFFu);
                change(799, 0);
                change(0, 598);
                present();
                EXPECT_EQ(windowPixel(window, 0, 598), 0xFFFFFFu);

                mark();
                redraw();
                change(x, y);
                change(799, 0);
                change(0, 598);
                ASSERT_TRUE(display.device->present());
                EXPECT_EQ(markKept(), onlyChanged);

                redraw();
                present();
                EXPECT_EQ(windowPixel(window, x, y), quarterAt(x, y));
                mark();
                change(x, y);
                redraw();
                ASSERT_TRUE(display.device->present());
                EXPECT_EQ(markKept(), onlyChanged);
            }

            // The background itself changed, or another one of the same looks in its place,
            // or more places drawn over than are kept: each time the picture is whole again.
            picture->fill(Rect{5, 5, 6, 6}, rawColour(bits, 0xFFFFFF));
            redraw();
            present();
            EXPECT_EQ(windowPixel(window, 5, 5), 0xFFFFFFu);
            auto lookalike = display.device->createSurface(800, 600);
            paintQuarters(*lookalike);
            lookalike->fill(Rect{5, 5, 6, 6}, rawColour(bits, 0x00FFFF));  // as many writes as the first
            ASSERT_TRUE(back.blit(*lookalike, Rect{0, 0, 800, 600}, 0, 0, false));
            present();
            EXPECT_EQ(windowPixel(window, 5, 5), 0x00FFFFu);
            picture = std::move(lookalike);
            for (int i = 0; i < 300; ++i)
                back.fill(Rect{i % 100 * 8, 400 + i / 100, i % 100 * 8 + 1, 401 + i / 100}, rawColour(bits, 0xFFFFFF));
            present();
            redraw();
            present();
            for (int i = 0; i < 300; i += 7)
                EXPECT_EQ(windowPixel(window, i % 100 * 8, 400 + i / 100), quarterAt(i % 100 * 8, 400)) << i;

            // Text paints inside its box, and all of it is shown.
            DrawContext* context = back.getDrawContext();
            ASSERT_NE(context, nullptr);
            context->setTextColour(0xFFFFFF);
            context->drawText(Rect{300, 280, 500, 330}, TextAlign::Centre, "Kelvary", 7);
            back.releaseDrawContext();
            present();
            EXPECT_EQ(windowPixel(window, 10, 10), 0xFF0000u);
        }
    }
}

// The picture's place in a window of another shape: centred between bars beside it or above
// and below it (where pointer positions then lie outside the picture).
TEST(PresentationTest, ThePictureKeepsItsShapeCentredInAnyWindow)
{
    for (auto [w, h, place] : {std::tuple{1200, 600, Rect{200, 0, 1000, 600}}, {1280, 1024, Rect{0, 32, 1280, 992}}}) {
        const Rect r = pictureRect(w, h, 800, 600);
        EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}),
                  (std::vector<int>{place.left, place.top, place.right, place.bottom}));
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

TEST(PresentationTest, FullScreenWithoutAWindowManagerCoversTheScreenWithBarsAboveAndBelow)
{
    XvfbScreen screen(1280, 1024);
    if (screen.display.empty())
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

TEST(PresentationTest, AWindowTakesTheLargestMultipleTheDesktopHoldsButNeverMoreThanAsked)
{
    OnXvfb desktop(2400, 1800);
    if (!desktop.ready())
        GTEST_SKIP() << "no Xvfb here";
    for (auto [asked, width] : {std::pair{4, 2400}, {2, 1600}, {1, 800}, {0, 2400}}) {
        SCOPED_TRACE(asked);
        Display display(24, false, asked);
        ASSERT_TRUE(display.ready());
        int w = 0, h = 0;
        SDL_GetWindowSize(dynamic_cast<SdlWindow&>(*display.window).handle(), &w, &h);
        EXPECT_EQ(w * 10000 + h, width * 10000 + width * 3 / 4);
        if (asked != 2)
            continue;
        EXPECT_EQ(pathOf(display), PresentationPath::SoftwareRenderer);
        for (auto [x, y, pictureX, pictureY] : {std::tuple{801, 401, 400, 200}, {1599, 1199, 799, 599}}) {
            const Message m = pressAt(display, x, y);
            EXPECT_EQ(m.x * 1000 + m.y, pictureX * 1000 + pictureY) << x << "," << y;
        }
    }
}

// On a 16:9 desktop (bars left and right) and one a little wider still, every screen pixel
// maps to the picture pixel drawn there, so a click on a button's first or last visible
// column or row lands on the button; the bars map outside the picture.
TEST(PresentationTest, FullScreenMapsEveryScreenPixelOntoThePicturePixelShownThere)
{
    for (auto [width, height] : {std::pair{1366, 768}, {1920, 1080}}) {
        SCOPED_TRACE(width);
        OnXvfb desktop(width, height);
        if (!desktop.ready())
            GTEST_SKIP() << "no Xvfb here";
        Display display(32, true);
        ASSERT_TRUE(display.ready());
        SDL_Window* window = dynamic_cast<SdlWindow&>(*display.window).handle();
        Surface& back = *display.device->getBackSurface();
        for (const bool columns : {true, false}) {
            // Each column (or row) of the picture in a colour of its own; the bars are black.
            for (int i = 0; i < (columns ? 800 : 600); ++i)
                back.fill(columns ? Rect{i, 0, i + 1, 600} : Rect{0, i, 800, i + 1}, 0x800000 | i);
            ASSERT_TRUE(display.device->present());
            const int across = columns ? width : height;
            int mismatches = 0;
            for (int at = 0; at < across; ++at) {
                const int x = columns ? at : width / 2, y = columns ? height / 2 : at;
                const std::uint32_t shown = windowPixel(window, x, y);
                const Message m = pressAt(display, x, y, at % 2 ? SDL_MOUSEMOTION : SDL_MOUSEBUTTONDOWN);
                const int mapped = columns ? m.x : m.y;
                const bool inPicture = mapped >= 0 && mapped < (columns ? 800 : 600);
                const std::uint32_t expected = inPicture ? (0x800000u | static_cast<unsigned>(mapped)) : 0u;
                if (shown != expected && ++mismatches <= 3)
                    ADD_FAILURE() << (columns ? "column " : "row ") << at << " shows " << std::hex << shown
                                  << " but maps to " << std::dec << mapped;
            }
            EXPECT_EQ(mismatches, 0);
        }
    }
}

}  // namespace
}  // namespace platform::sdl::test
