#pragma once

// Turns the fingers on the window into the pointer's messages: the first finger moves the
// pointer, its lift clicks where it came down (a left click for a tap, a right click for a
// press held half a second, as Windows maps touch), and two fingers held hold the hint key.
// A second finger cancels the first finger's click.

#include <cstdint>
#include <deque>

#include "platform/Message.h"

namespace platform::sdl {

class TouchGesture {
public:
    static constexpr std::uint32_t holdMs = 500;

    // Positions are on the picture; times in milliseconds, from any fixed start.
    void down(std::int64_t finger, int x, int y, std::uint32_t timeMs, std::deque<Message>& queue);
    void move(std::int64_t finger, int x, int y, std::deque<Message>& queue);
    void up(std::int64_t finger, std::uint32_t timeMs, std::deque<Message>& queue);
    // Every finger is gone at once (the window lost the focus): nothing clicks, the hint key
    // is let go.
    void cancel(std::deque<Message>& queue);

private:
    static constexpr int maxFingers = 10;
    bool isDown(std::int64_t finger) const;
    void forget(std::int64_t finger);

    std::int64_t fingers[maxFingers] = {};
    int fingerCount = 0;
    std::int64_t first = 0;  // the finger that points; valid while `pointing`
    bool pointing = false;   // the first finger is down and its click still stands
    int beginX = 0;
    int beginY = 0;
    std::uint32_t beginMs = 0;
    bool hinting = false;  // two fingers hold the hint key
};

}  // namespace platform::sdl
