// Fingers, keys and game controllers through the real layer: SDL's own events pushed into
// its queue (a virtual controller for the pad), read back as the game's messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SdlTestSupport.h"
#include "platform/sdl/SdlWindow.h"
#include "platform/sdl/TouchGesture.h"

namespace platform::sdl::test {
namespace {

// Messages as words: "M" move, "B" button down (with "@x,y"), "D" key down, "U" key up.
std::string words(const std::deque<Message>& messages)
{
    std::string out;
    for (const auto& m : messages) {
        const char* kind = m.kind == MessageKind::MouseMove    ? "M"
                           : m.kind == MessageKind::ButtonDown ? "B"
                           : m.kind == MessageKind::KeyDown    ? "D"
                           : m.kind == MessageKind::KeyUp      ? "U"
                                                               : "?";
        out += (out.empty() ? "" : " ") + std::string(kind) + std::to_string(m.value);
        if (m.kind == MessageKind::MouseMove || m.kind == MessageKind::ButtonDown)
            out += "@" + std::to_string(m.x) + "," + std::to_string(m.y);
    }
    return out;
}

class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(display.ready());
        queued();
    }
    std::string queued()
    {
        std::deque<Message> messages;
        Message m;
        while (display.platform->peekMessage() && display.platform->getMessage(m))
            messages.push_back(m);
        return words(messages);
    }
    void push(SDL_Event event) { SDL_PushEvent(&event); }
    void finger(Uint32 type, SDL_FingerID id, float x, float y)
    {
        SDL_Event e{};
        e.type = type;
        e.tfinger.touchId = 1;
        e.tfinger.fingerId = id;
        e.tfinger.x = x;
        e.tfinger.y = y;
        push(e);
    }

    Display display{32};
};

constexpr int touch = pointer::touch;
constexpr int begins = pointer::touchBegins;

TEST_F(InputTest, AFingerPointsWhileDownAndClicksWhereItCameDownWhenLifted)
{
    finger(SDL_FINGERDOWN, 7, 0.5f, 0.25f);
    finger(SDL_FINGERMOTION, 7, 0.25f, 0.5f);
    finger(SDL_FINGERUP, 7, 0.25f, 0.5f);
    EXPECT_EQ(queued(), "M" + std::to_string(touch | begins) + "@400,150 M" + std::to_string(touch) + "@200,300 M" +
                            std::to_string(touch) + "@400,150 B" + std::to_string(1 | touch) + "@400,150");
}

TEST_F(InputTest, TheMouseThatSdlMakesOfAFingerIsNotASecondClick)
{
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.which = SDL_TOUCH_MOUSEID;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.windowID = dynamic_cast<SdlWindow&>(*display.window).id();
    push(e);
    e.type = SDL_MOUSEMOTION;
    e.motion.which = SDL_TOUCH_MOUSEID;
    push(e);
    EXPECT_EQ(queued(), "");
    // The real mouse still clicks.
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.which = 0;
    e.button.x = 30;
    e.button.y = 40;
    push(e);
    EXPECT_EQ(queued(), "B1@30,40");
}

TEST_F(InputTest, FingersFedWithTheirTimesGiveTheHeldClickAndTheHintsOfTwo)
{
    Platform& p = *display.platform;
    // Held half a second: a right click where it came down, however far it slid.
    EXPECT_EQ(words(feedFinger(p, FingerPhase::Down, 1, 100, 200, 1000)), "M24@100,200");
    EXPECT_EQ(words(feedFinger(p, FingerPhase::Move, 1, 120, 210, 1200)), "M8@120,210");
    EXPECT_EQ(words(feedFinger(p, FingerPhase::Up, 1, 120, 210, 1500)), "M8@100,200 B10@100,200");
    // Just short of it: a left click.
    feedFinger(p, FingerPhase::Down, 2, 10, 20, 5000);
    EXPECT_EQ(words(feedFinger(p, FingerPhase::Up, 2, 10, 20, 5499)), "M8@10,20 B9@10,20");
}

TEST(TouchGesture, ASecondFingerCancelsTheClickAndHoldsTheHintKeyWhileBothAreDown)
{
    TouchGesture gesture;
    std::deque<Message> q;
    gesture.down(1, 10, 10, 0, q);
    q.clear();
    gesture.down(2, 50, 50, 10, q);
    gesture.move(1, 20, 20, q);  // no longer points
    gesture.down(3, 60, 60, 10, q);
    EXPECT_EQ(words(q), "D32");
    q.clear();
    gesture.up(3, 20, q);
    EXPECT_EQ(words(q), "");
    gesture.up(1, 30, q);  // one finger left: the hints go, the first finger clicks nothing
    EXPECT_EQ(words(q), "U32");
    q.clear();
    gesture.up(2, 40, q);
    gesture.up(2, 40, q);  // a finger lifted twice, or never seen, changes nothing
    gesture.up(9, 40, q);
    EXPECT_EQ(words(q), "");
    // The next touch is a click again.
    gesture.down(4, 5, 6, 100, q);
    gesture.up(4, 120, q);
    EXPECT_EQ(words(q), "M24@5,6 M8@5,6 B9@5,6");
}

TEST(TouchGesture, LosingTheWindowLetsTheHintKeyGoAndForgetsTheFingers)
{
    TouchGesture gesture;
    std::deque<Message> q;
    gesture.down(1, 10, 10, 0, q);
    gesture.down(2, 20, 20, 0, q);
    q.clear();
    gesture.cancel(q);
    gesture.up(1, 30, q);
    gesture.up(2, 30, q);
    EXPECT_EQ(words(q), "U32");
    gesture.down(3, 1, 2, 0, q);
    EXPECT_EQ(words(q), "U32 M24@1,2");
}

TEST_F(InputTest, AGameControllerPressesArrowsAndItsOwnKeys)
{
    // A headless window never has the focus, without which SDL drops a controller's events.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "test pad";
    const int device = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(device, 0) << SDL_GetError();
    ASSERT_TRUE(SDL_IsGameController(device));
    queued();  // the controller is opened as it arrives
    SDL_Joystick* joystick = SDL_JoystickOpen(device);
    ASSERT_NE(joystick, nullptr);

    auto button = [&](int b, bool down) {
        SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0);
        SDL_JoystickUpdate();
    };
    button(SDL_CONTROLLER_BUTTON_A, true);
    button(SDL_CONTROLLER_BUTTON_A, false);
    button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    button(SDL_CONTROLLER_BUTTON_START, true);
    button(SDL_CONTROLLER_BUTTON_GUIDE, true);  // not the game's
    EXPECT_EQ(queued(), "D195 U195 D37 D9");

    // The stick presses an arrow past the lean, lets it go near the middle, and swings over.
    auto lean = [&](int axis, int value) {
        SDL_JoystickSetVirtualAxis(joystick, axis, static_cast<Sint16>(value));
        SDL_JoystickUpdate();
    };
    lean(SDL_CONTROLLER_AXIS_LEFTY, 20000);
    lean(SDL_CONTROLLER_AXIS_LEFTY, 12000);  // between the two leans: still held
    lean(SDL_CONTROLLER_AXIS_LEFTY, -32768);
    lean(SDL_CONTROLLER_AXIS_LEFTY, 0);
    lean(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    EXPECT_EQ(queued(), "D40 U40 D38 U38 D39");

    // Unplugged with the stick leaning and two buttons down: everything held is let go.
    SDL_JoystickClose(joystick);
    SDL_JoystickDetachVirtual(device);
    EXPECT_EQ(queued(), "U39 U9 U37");
}

}  // namespace
}  // namespace platform::sdl::test
