#include "platform/sdl/TouchGesture.h"

namespace platform::sdl {

bool TouchGesture::isDown(std::int64_t finger) const
{
    for (int i = 0; i < fingerCount; ++i)
        if (fingers[i] == finger)
            return true;
    return false;
}

void TouchGesture::forget(std::int64_t finger)
{
    for (int i = 0; i < fingerCount; ++i) {
        if (fingers[i] == finger) {
            fingers[i] = fingers[--fingerCount];
            return;
        }
    }
}

void TouchGesture::down(std::int64_t finger, int x, int y, std::uint32_t timeMs, std::deque<Message>& queue)
{
    if (isDown(finger) || fingerCount == maxFingers)
        return;
    fingers[fingerCount++] = finger;
    if (fingerCount == 1) {
        first = finger;
        pointing = true;
        beginX = x;
        beginY = y;
        beginMs = timeMs;
        queue.push_back(Message{MessageKind::MouseMove, pointer::touch | pointer::touchBegins, x, y});
        return;
    }
    // A second finger makes it a gesture of two: no click, the hints while both are held.
    pointing = false;
    if (fingerCount == 2 && !hinting) {
        hinting = true;
        queue.push_back(Message{MessageKind::KeyDown, vk::Space, 0, 0});
    }
}

void TouchGesture::move(std::int64_t finger, int x, int y, std::deque<Message>& queue)
{
    if (pointing && finger == first)
        queue.push_back(Message{MessageKind::MouseMove, pointer::touch, x, y});
}

void TouchGesture::up(std::int64_t finger, std::uint32_t timeMs, std::deque<Message>& queue)
{
    if (!isDown(finger))
        return;
    forget(finger);
    if (pointing && finger == first) {
        pointing = false;
        const int button = timeMs - beginMs >= holdMs ? 2 : 1;
        queue.push_back(Message{MessageKind::MouseMove, pointer::touch, beginX, beginY});
        queue.push_back(Message{MessageKind::ButtonDown, button | pointer::touch, beginX, beginY});
    }
    if (hinting && fingerCount < 2) {
        hinting = false;
        queue.push_back(Message{MessageKind::KeyUp, vk::Space, 0, 0});
    }
}

void TouchGesture::cancel(std::deque<Message>& queue)
{
    fingerCount = 0;
    pointing = false;
    if (hinting) {
        hinting = false;
        queue.push_back(Message{MessageKind::KeyUp, vk::Space, 0, 0});
    }
}

}  // namespace platform::sdl
