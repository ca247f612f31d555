#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Message.h"

// Input for the headless driver: one event a line, "F EVENT ARGS", delivered after frame F-1
// is presented and before frame F is drawn.
//   F move X Y | F press X Y BUTTONS | F keydown VK | F keyup VK | F char CODE | F close
//   F touch down|move|up FINGER X Y      a finger, through the layer's touch translation
//   F pad down|up BUTTON | F pad axis AXIS VALUE    a game controller, through the layer
// '#' starts a comment; blank lines are ignored.
class Script {
public:
    // What one line asks for: a window message as it is, or a finger or controller event for
    // the platform layer to translate (then `message.value` holds the phase, the button or
    // the axis, and `message.x` the pad's state or the axis's value).
    struct Event {
        enum class Source {
            Window,
            Finger,
            PadButton,
            PadAxis
        };
        Source source = Source::Window;
        platform::Message message;
        long long finger = 0;
    };

    // Reads a script; on a malformed line returns false with `error` naming the line.
    bool parse(const std::string& text, std::string& error);
    bool load(const std::string& fileName, std::string& error);

    // The messages for frame `frame`, in file order.
    const std::vector<Event>& eventsFor(int frame) const;

private:
    std::map<int, std::vector<Event>> eventsByFrame;
};
