#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Message.h"

// Input for the headless driver: one event a line, "F EVENT ARGS", delivered after frame F-1
// is presented and before frame F is drawn.
//   F move X Y | F press X Y BUTTONS | F keydown VK | F keyup VK | F char CODE | F close
// '#' starts a comment; blank lines are ignored.
class Script {
public:
    // Reads a script; on a malformed line returns false with `error` naming the line.
    bool parse(const std::string& text, std::string& error);
    bool load(const std::string& fileName, std::string& error);

    // The messages for frame `frame`, in file order.
    const std::vector<platform::Message>& messagesFor(int frame) const;

private:
    std::map<int, std::vector<platform::Message>> messagesByFrame;
};
