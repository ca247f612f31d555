// SDL events as the game's window procedure sees them, through the real queue.
#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <map>
#include <thread>
#include <vector>

#include "SdlTestSupport.h"
#include "platform/sdl/EventTranslator.h"
#include "platform/sdl/SdlWindow.h"

namespace platform::sdl::test {
namespace {

class MessageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(display.ready());
        drain();  // whatever the window's creation queued
    }
    std::uint32_t id() const { return dynamic_cast<SdlWindow&>(*display.window).id(); }

    std::vector<Message> drain()
    {
        std::vector<Message> messages;
        Message m;
        while (display.platform->peekMessage() && display.platform->getMessage(m))
            messages.push_back(m);
        return messages;
    }
    // The queued messages as words of a letter and the value: "D" key down, "U" key up, "C" a character,
    // "X" close, "S" size, and "M" move and "B" button down with "@x,y".
    std::string queued()
    {
        std::string out;
        for (const auto& m : drain()) {
            static const std::map<MessageKind, std::string> letters = {
                {MessageKind::KeyDown, "D"},   {MessageKind::KeyUp, "U"}, {MessageKind::Char, "C"},
                {MessageKind::Close, "X"},     {MessageKind::Size, "S"},  {MessageKind::MouseMove, "M"},
                {MessageKind::ButtonDown, "B"}};
            const auto letter = letters.find(m.kind);
            const std::string kind = letter == letters.end() ? "?" : letter->second;
            const bool pointer = m.kind == MessageKind::MouseMove || m.kind == MessageKind::ButtonDown;
            out += (out.empty() ? "" : " ") + kind + std::to_string(m.value);
            if (pointer)
                out += "@" + std::to_string(m.x) + "," + std::to_string(m.y);
        }
        return out;
    }

    void key(Uint32 type, SDL_Keycode sym, SDL_Scancode place = SDL_SCANCODE_UNKNOWN, bool repeat = false)
    {
        SDL_Event e{};
        e.type = type;
        e.key = SDL_KeyboardEvent{type, 0, id(), 0, repeat, 0, 0, SDL_Keysym{place, sym, 0, 0}};
        SDL_PushEvent(&e);
    }
    void text(const char* utf8)
    {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
        SDL_PushEvent(&e);
    }
    void windowEvent(Uint8 what, std::uint32_t windowId)
    {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = windowId;
        e.window.event = what;
        SDL_PushEvent(&e);
    }

    Display display{32};
};

TEST_F(MessageTest, KeysArriveAsWindowsVirtualKeyCodes)
{
    const std::vector<std::pair<SDL_Keycode, int>> table = {
        {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9},   {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_RSHIFT, 16},
        {SDLK_RCTRL, 17},    {SDLK_LALT, 18}, {SDLK_ESCAPE, 27}, {SDLK_SPACE, 32},    {SDLK_PAGEUP, 33},
        {SDLK_HOME, 36},     {SDLK_LEFT, 37}, {SDLK_DOWN, 40},   {SDLK_INSERT, 45},   {SDLK_DELETE, 46},
        {SDLK_0, 48},        {SDLK_9, 57},    {SDLK_a, 65},      {SDLK_z, 90},        {SDLK_KP_0, 96},
        {SDLK_KP_9, 105},    {SDLK_F1, 112},  {SDLK_F12, 123},   {SDLK_MINUS, 189}};
    std::string expected;
    for (const auto& [sym, code] : table) {
        key(SDL_KEYUP, sym);
        expected += "U" + std::to_string(code) + " ";
    }
    key(SDL_KEYUP, 0xE9, SDL_SCANCODE_2);                      // an accented letter on the digit row: its place's code
    key(SDL_KEYDOWN, SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY);  // no code: still a key (it skips the splash), code 0
    EXPECT_EQ(queued(), expected + "U50 D0");
}

TEST_F(MessageTest, ControlKeysTypeTheirCharacterAfterEveryKeyDown)
{
    key(SDL_KEYDOWN, SDLK_BACKSPACE);
    key(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_UNKNOWN, true);  // auto-repeat
    key(SDL_KEYUP, SDLK_BACKSPACE);
    for (SDL_Keycode sym : {SDLK_TAB, SDLK_RETURN, SDLK_ESCAPE, SDLK_a, SDLK_DELETE})
        key(SDL_KEYDOWN, sym);
    EXPECT_EQ(queued(), "D8 C8 D8 C8 U8 D9 C9 D13 C13 D27 C27 D65 D46");
}

TEST_F(MessageTest, TypedTextGivesOneCharacterEachAndNothingForeignLooksLikeAscii)
{
    text("aZ~ 0");
    text("\xC3\xA9");  // e acute: its Latin-1 code
    text("\xC5\x81");  // U+0141, whose low byte alone would read as 'A'
    text("\xE2\x82\xAC\xF0\x9F\x98\x80");
    text("\xFF"
         "b\x01\x7F"
         "c\xC3");  // broken UTF-8 and control characters
    // e acute keeps its Latin-1 code 233; everything else foreign or broken reads 191 (0xBF).
    EXPECT_EQ(queued(), "C97 C90 C126 C32 C48 C233 C191 C191 C191 C191 C98 C99 C191");
}

TEST_F(MessageTest, PressesReportTheButtonsHeldAndReleasesGiveNothing)
{
    pushPointer(display, SDL_MOUSEMOTION, 0, 10, 20);
    pushPointer(display, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 11, 21);
    pushPointer(display, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 12, 22);
    pushPointer(display, SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 12, 22);
    pushPointer(display, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 13, 23);
    pushPointer(display, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 13, 23);
    pushPointer(display, SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 13, 23);
    pushPointer(display, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 14, 24);
    pushPointer(display, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 15, 25);
    EXPECT_EQ(queued(), "M0@10,20 B1@11,21 B3@12,22 B6@13,23 B2@15,25");
}

TEST_F(MessageTest, WindowEventsAndTerminationBecomeTheWindowsMessages)
{
    windowEvent(SDL_WINDOWEVENT_MINIMIZED, id());
    windowEvent(SDL_WINDOWEVENT_RESTORED, id());
    windowEvent(SDL_WINDOWEVENT_CLOSE, id());
    windowEvent(SDL_WINDOWEVENT_CLOSE, id() + 1000);  // not the game's window
    EXPECT_EQ(queued(), "S1 S0 X0");
    for (int signalNumber : {SIGTERM, SIGINT}) {  // SDL turns these into its quit event
        struct sigaction current {};
        sigaction(signalNumber, nullptr, &current);
        ASSERT_NE(current.sa_handler, SIG_DFL);
        std::raise(signalNumber);
        EXPECT_EQ(queued(), "X0") << signalNumber;
    }
}

TEST(EventTranslatorTest, AHiddenWindowPausesLikeAMinimisedOneOnlyWhereAskedFor)
{
    auto windowEvent = [](Uint8 what, std::uint32_t windowId) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = windowId;
        e.window.event = what;
        return e;
    };
    for (const bool browser : {false, true}) {
        EventTranslator translator;
        translator.pauseWhenHidden(browser);
        std::deque<Message> queue;
        for (Uint8 what : {SDL_WINDOWEVENT_HIDDEN, SDL_WINDOWEVENT_SHOWN})
            translator.translate(windowEvent(what, 7), 7, queue);
        translator.translate(windowEvent(SDL_WINDOWEVENT_HIDDEN, 8), 7, queue);  // another window
        ASSERT_EQ(queue.size(), browser ? 2u : 0u) << browser;
        if (browser) {
            EXPECT_EQ(queue[0].kind, MessageKind::Size);
            EXPECT_EQ(queue[0].value, 1);
            EXPECT_EQ(queue[1].kind, MessageKind::Size);
            EXPECT_EQ(queue[1].value, 0);
        }
    }
}

TEST_F(MessageTest, TheSystemEndingTheProgramReachesTheGameAtOnce)
{
    // A browser page going away: the game hears it before any message is taken from the queue,
    // and nothing is left in the queue for a frame that will not come.
    std::vector<MessageKind> sent;
    display.platform->setMessageHandler([&sent](const Message& m) { sent.push_back(m.kind); });
    SDL_Event terminating{};
    terminating.type = SDL_APP_TERMINATING;
    SDL_PushEvent(&terminating);
    EXPECT_EQ(sent, std::vector<MessageKind>{MessageKind::EndSession});
    EXPECT_TRUE(drain().empty());
}

TEST_F(MessageTest, PostedMessagesAndQuitComeInOrder)
{
    postMessage(*display.platform, Message{MessageKind::MouseMove, 0, 5, 6});
    display.platform->postQuitMessage(7);
    Message m;
    ASSERT_TRUE(display.platform->getMessage(m));
    EXPECT_EQ(m.x, 5);
    EXPECT_FALSE(display.platform->getMessage(m));
    EXPECT_EQ(m.kind, MessageKind::Quit);
    EXPECT_EQ(m.value, 7);
}

TEST_F(MessageTest, WaitingSleepsUntilItsTimeoutOrTheNextMessage)
{
    Platform& p = *display.platform;
    Uint32 start = SDL_GetTicks();
    const std::clock_t cpu = std::clock();
    p.waitMessage(150);
    EXPECT_GE(SDL_GetTicks() - start, 150u);
    EXPECT_LT(SDL_GetTicks() - start, 400u);
    EXPECT_LT(static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC, 0.075);  // asleep, not spinning

    // An event from another thread ends the wait early.
    std::thread poster([this] {
        SDL_Delay(30);
        key(SDL_KEYDOWN, SDLK_SPACE);
    });
    start = SDL_GetTicks();
    p.waitMessage(2000);
    poster.join();
    EXPECT_LT(SDL_GetTicks() - start, 1000u);
    EXPECT_EQ(queued(), "D32");
}

}  // namespace
}  // namespace platform::sdl::test
