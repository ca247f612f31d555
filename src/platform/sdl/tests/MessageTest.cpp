// SDL events as the game's window procedure sees them, through the real queue.
#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <vector>

#include "SdlTestSupport.h"
#include "platform/sdl/SdlWindow.h"

namespace platform::sdl::test {
namespace {

class MessageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(display.ready());
        // Whatever the window's creation queued is not part of these tests.
        drain();
    }

    std::uint32_t windowId() const { return dynamic_cast<SdlWindow&>(*display.window).id(); }

    std::vector<Message> drain() {
        std::vector<Message> messages;
        Message m;
        while (display.platform->peekMessage() && display.platform->getMessage(m)) messages.push_back(m);
        return messages;
    }

    void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }

    void key(Uint32 type, SDL_Keycode sym, SDL_Scancode scancode = SDL_SCANCODE_UNKNOWN, bool repeat = false) {
        SDL_Event e{};
        e.type = type;
        e.key.windowID = windowId();
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.repeat = repeat;
        e.key.keysym.sym = sym;
        e.key.keysym.scancode = scancode;
        push(e);
    }
    void text(const char* utf8) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        e.text.windowID = windowId();
        SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
        push(e);
    }
    void button(Uint32 type, Uint8 which, int x, int y) {
        SDL_Event e{};
        e.type = type;
        e.button.windowID = windowId();
        e.button.button = which;
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.x = x;
        e.button.y = y;
        push(e);
    }
    void motion(int x, int y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = windowId();
        e.motion.x = x;
        e.motion.y = y;
        push(e);
    }
    void windowEvent(Uint8 what, std::uint32_t id) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = id;
        e.window.event = what;
        push(e);
    }

    std::vector<int> values(const std::vector<Message>& messages, MessageKind kind) {
        std::vector<int> out;
        for (const auto& m : messages)
            if (m.kind == kind) out.push_back(m.value);
        return out;
    }

    Display display{32};
};

TEST_F(MessageTest, KeysArriveAsWindowsVirtualKeyCodes) {
    const std::vector<std::pair<SDL_Keycode, int>> table = {
        {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9},       {SDLK_RETURN, 13},   {SDLK_KP_ENTER, 13}, {SDLK_LSHIFT, 16},
        {SDLK_RSHIFT, 16},   {SDLK_RCTRL, 17},    {SDLK_LALT, 18},     {SDLK_ESCAPE, 27},   {SDLK_SPACE, 32},
        {SDLK_PAGEUP, 33},   {SDLK_PAGEDOWN, 34}, {SDLK_END, 35},      {SDLK_HOME, 36},     {SDLK_LEFT, 37},
        {SDLK_UP, 38},       {SDLK_RIGHT, 39},    {SDLK_DOWN, 40},     {SDLK_INSERT, 45},   {SDLK_DELETE, 46},
        {SDLK_0, 48},        {SDLK_9, 57},        {SDLK_a, 65},        {SDLK_z, 90},        {SDLK_KP_0, 96},
        {SDLK_KP_1, 97},     {SDLK_KP_9, 105},    {SDLK_F1, 112},      {SDLK_F12, 123},     {SDLK_MINUS, 189},
    };
    for (const auto& [sym, code] : table) {
        SCOPED_TRACE(SDL_GetKeyName(sym));
        key(SDL_KEYUP, sym);
        const auto messages = drain();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].kind, MessageKind::KeyUp);
        EXPECT_EQ(messages[0].value, code);
    }
    // A key whose symbol on this layout has no code takes the code of its place.
    key(SDL_KEYDOWN, 0xE9 /* an accented letter on the digit row */, SDL_SCANCODE_2);
    EXPECT_EQ(values(drain(), MessageKind::KeyDown), std::vector<int>{50});
    // A key without any code gives nothing.
    key(SDL_KEYDOWN, SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY);
    EXPECT_TRUE(drain().empty());
}

TEST_F(MessageTest, ControlKeysTypeTheirCharacterRightAfterTheKeyDownAndRepeatsRepeatBoth) {
    key(SDL_KEYDOWN, SDLK_BACKSPACE);
    key(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_UNKNOWN, true);
    key(SDL_KEYUP, SDLK_BACKSPACE);
    key(SDL_KEYDOWN, SDLK_TAB);
    key(SDL_KEYDOWN, SDLK_RETURN);
    key(SDL_KEYDOWN, SDLK_ESCAPE);
    key(SDL_KEYDOWN, SDLK_a);  // a letter's character comes from the text input, not from here
    key(SDL_KEYDOWN, SDLK_DELETE);
    const auto m = drain();
    const std::vector<std::pair<MessageKind, int>> expected = {
        {MessageKind::KeyDown, 8}, {MessageKind::Char, 8},     {MessageKind::KeyDown, 8}, {MessageKind::Char, 8},
        {MessageKind::KeyUp, 8},   {MessageKind::KeyDown, 9},  {MessageKind::Char, 9},    {MessageKind::KeyDown, 13},
        {MessageKind::Char, 13},   {MessageKind::KeyDown, 27}, {MessageKind::Char, 27},   {MessageKind::KeyDown, 65},
        {MessageKind::KeyDown, 46}};
    ASSERT_EQ(m.size(), expected.size());
    for (size_t i = 0; i < m.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(m[i].kind, expected[i].first);
        EXPECT_EQ(m[i].value, expected[i].second);
    }
}

TEST_F(MessageTest, TypedTextGivesOneCharacterEachAndNothingForeignLooksLikeAscii) {
    text("aZ~ 0");
    EXPECT_EQ(values(drain(), MessageKind::Char), (std::vector<int>{'a', 'Z', '~', ' ', '0'}));
    text("\xC3\xA9");          // e acute: its Latin-1 code
    text("\xE2\x82\xAC");      // the euro sign: beyond Latin-1
    text("\xC5\x81");          // L with stroke, U+0141: its low byte must not read as 'A'
    text("\xF0\x9F\x98\x80");  // four bytes
    const auto foreign = values(drain(), MessageKind::Char);
    EXPECT_EQ(foreign, (std::vector<int>{0xE9, 0xBF, 0xBF, 0xBF}));
    for (int code : foreign) EXPECT_GE(code & 0xFF, 128);
    // Broken UTF-8 and control characters never give a printable code.
    text("\xFF" "b\x01\x7F" "c\xC3");
    EXPECT_EQ(values(drain(), MessageKind::Char), (std::vector<int>{0xBF, 'b', 'c', 0xBF}));
}

TEST_F(MessageTest, PressesReportTheButtonsHeldAndReleasesGiveNothing) {
    motion(10, 20);
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 11, 21);
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 12, 22);
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 12, 22);
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 13, 23);
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 13, 23);
    button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 13, 23);
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 14, 24);  // no message for extra buttons
    button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 15, 25);
    const auto m = drain();
    ASSERT_EQ(m.size(), 5u);
    EXPECT_EQ(m[0].kind, MessageKind::MouseMove);
    EXPECT_EQ(m[0].x, 10);
    EXPECT_EQ(m[0].y, 20);
    EXPECT_EQ(values(m, MessageKind::ButtonDown), (std::vector<int>{1, 3, 6, 2}));
    EXPECT_EQ(m[1].x, 11);
    EXPECT_EQ(m[1].y, 21);
    EXPECT_EQ(m[4].x, 15);
    EXPECT_EQ(m[4].y, 25);
}

TEST_F(MessageTest, CloseMinimiseAndTerminationBecomeTheWindowMessages) {
    windowEvent(SDL_WINDOWEVENT_MINIMIZED, windowId());
    windowEvent(SDL_WINDOWEVENT_RESTORED, windowId());
    windowEvent(SDL_WINDOWEVENT_CLOSE, windowId());
    windowEvent(SDL_WINDOWEVENT_CLOSE, windowId() + 1000);  // not the game's window
    SDL_Event quit{};
    quit.type = SDL_QUIT;  // what SDL makes of SIGINT and SIGTERM
    push(quit);
    const auto m = drain();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].kind, MessageKind::Size);
    EXPECT_EQ(m[0].value, 1);
    EXPECT_EQ(m[1].kind, MessageKind::Size);
    EXPECT_EQ(m[1].value, 0);
    EXPECT_EQ(m[2].kind, MessageKind::Close);
    EXPECT_EQ(m[3].kind, MessageKind::Close);
}

TEST_F(MessageTest, ATerminationSignalAsksToCloseTheWindow) {
    for (int signalNumber : {SIGTERM, SIGINT}) {
        struct sigaction current {};
        ASSERT_EQ(sigaction(signalNumber, nullptr, &current), 0);
        ASSERT_NE(current.sa_handler, SIG_DFL) << "SDL must catch signal " << signalNumber;
        std::raise(signalNumber);
        const auto m = drain();
        ASSERT_EQ(m.size(), 1u) << signalNumber;
        EXPECT_EQ(m[0].kind, MessageKind::Close);
    }
}

TEST_F(MessageTest, DestroyingTheWindowSendsDestroyBeforeItReturns) {
    std::vector<MessageKind> seen;
    display.platform->setMessageHandler([&seen](const Message& m) { seen.push_back(m.kind); });
    const std::uint32_t id = windowId();
    display.device.reset();
    display.window.reset();
    EXPECT_EQ(seen, std::vector<MessageKind>{MessageKind::Destroy});
    // Late events of the gone window mean nothing any more.
    windowEvent(SDL_WINDOWEVENT_CLOSE, id);
    EXPECT_TRUE(drain().empty());
}

TEST_F(MessageTest, PostedMessagesAndQuitComeInOrderAndDispatchReachesTheHandler) {
    std::vector<Message> handled;
    display.platform->setMessageHandler([&handled](const Message& m) { handled.push_back(m); });
    postMessage(*display.platform, Message{MessageKind::MouseMove, 0, 5, 6});
    postMessage(*display.platform, Message{MessageKind::Char, 'q', 0, 0});
    display.platform->postQuitMessage(7);
    Message m;
    ASSERT_TRUE(display.platform->getMessage(m));
    display.platform->dispatchMessage(m);
    ASSERT_TRUE(display.platform->getMessage(m));
    display.platform->dispatchMessage(m);
    EXPECT_FALSE(display.platform->getMessage(m));
    EXPECT_EQ(m.kind, MessageKind::Quit);
    EXPECT_EQ(m.value, 7);
    ASSERT_EQ(handled.size(), 2u);
    EXPECT_EQ(handled[0].x, 5);
    EXPECT_EQ(handled[1].value, 'q');
}

double cpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

TEST_F(MessageTest, WaitingSleepsUntilItsTimeoutOrTheNextMessage) {
    Platform& p = *display.platform;
    Uint32 start = SDL_GetTicks();
    const double cpuStart = cpuSeconds();
    p.waitMessage(150);
    const Uint32 waited = SDL_GetTicks() - start;
    EXPECT_GE(waited, 150u);
    EXPECT_LT(waited, 400u);
    EXPECT_LT(cpuSeconds() - cpuStart, 0.075);  // asleep, not spinning

    // A message already queued ends the wait at once.
    postMessage(p, Message{MessageKind::KeyDown, 32, 0, 0});
    start = SDL_GetTicks();
    p.waitMessage(1000);
    EXPECT_LT(SDL_GetTicks() - start, 50u);
    drain();

    // An event from elsewhere (here a timer thread) wakes the wait early.
    std::uint32_t id = windowId();
    const SDL_TimerID timer = SDL_AddTimer(
        30,
        [](Uint32, void* param) -> Uint32 {
            SDL_Event e{};
            e.type = SDL_KEYDOWN;
            e.key.windowID = *static_cast<std::uint32_t*>(param);
            e.key.keysym.sym = SDLK_SPACE;
            SDL_PushEvent(&e);
            return 0;
        },
        &id);
    ASSERT_NE(timer, 0);
    start = SDL_GetTicks();
    p.waitMessage(2000);
    EXPECT_LT(SDL_GetTicks() - start, 1000u);
    EXPECT_EQ(values(drain(), MessageKind::KeyDown), std::vector<int>{32});
}

TEST_F(MessageTest, TheClockCountsMillisecondsAndTheTimeOfDaySeconds) {
    Platform& p = *display.platform;
    const std::uint32_t before = p.getMilliseconds();
    SDL_Delay(20);
    const std::uint32_t after = p.getMilliseconds();
    EXPECT_GE(after - before, 20u);
    EXPECT_LT(after - before, 500u);
    EXPECT_LE(std::abs(p.getSecondsOfDay() - static_cast<std::int64_t>(std::time(nullptr))), 1);
}

// With full screen on the dummy desktop (1024x768), the picture is scaled and pointer
// events arrive in the 800x600 logical screen; clicks in the bars land outside it.
TEST(FullScreenMessageTest, PointerPositionsAreLogicalAndTheBarsLieOutside) {
    Display display(32, true);
    ASSERT_TRUE(display.ready());
    EXPECT_TRUE(display.window->isFullScreen());
    SDL_Window* handle = dynamic_cast<SdlWindow&>(*display.window).handle();
    int w = 0, h = 0;
    SDL_GetWindowSize(handle, &w, &h);
    if (w == 800 && h == 600) GTEST_SKIP() << "the desktop is 800x600: nothing is scaled";
    Message m;
    while (display.platform->peekMessage()) display.platform->getMessage(m);

    auto pushMotion = [&](int x, int y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = SDL_GetWindowID(handle);
        e.motion.x = x;
        e.motion.y = y;
        SDL_PushEvent(&e);
        EXPECT_TRUE(display.platform->getMessage(m));
        EXPECT_EQ(m.kind, MessageKind::MouseMove);
    };
    pushMotion(w / 2, h / 2);
    EXPECT_NEAR(m.x, 400, 1);
    EXPECT_NEAR(m.y, 300, 1);
    pushMotion(w - 1, h - 1);
    EXPECT_NEAR(m.x, 799, 2);
    EXPECT_NEAR(m.y, 599, 2);
    // The picture keeps its aspect: on a wider desktop the side bars are outside 0..799.
    if (w * 600 > h * 800) {
        pushMotion(0, h / 2);
        EXPECT_LT(m.x, 0);
    }
}

}  // namespace
}  // namespace platform::sdl::test
