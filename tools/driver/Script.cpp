#include "Script.h"

#include <fstream>
#include <sstream>

namespace {

bool readInt(std::istringstream& in, int& value)
{
    long long wide = 0;
    if (!(in >> wide) || wide < -1000000000LL || wide > 1000000000LL)
        return false;
    value = static_cast<int>(wide);
    return true;
}

bool atEnd(std::istringstream& in)
{
    std::string rest;
    return !(in >> rest);
}

platform::Message message(platform::MessageKind kind, int value = 0, int x = 0, int y = 0)
{
    platform::Message m;
    m.kind = kind;
    m.value = value;
    m.x = x;
    m.y = y;
    return m;
}

}  // namespace

bool Script::parse(const std::string& text, std::string& error)
{
    messagesByFrame.clear();
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const auto hash = line.find('#');
        if (hash != std::string::npos)
            line.erase(hash);
        std::istringstream in(line);
        std::string first;
        if (!(in >> first))
            continue;
        std::istringstream frameField(first);
        int frame = 0;
        std::string event;
        bool ok = readInt(frameField, frame) && atEnd(frameField) && frame >= 0 && (in >> event);
        std::vector<platform::Message> produced;
        if (ok) {
            int a = 0, b = 0, c = 0;
            using platform::MessageKind;
            if (event == "move") {
                ok = readInt(in, a) && readInt(in, b);
                produced.push_back(message(MessageKind::MouseMove, 0, a, b));
            } else if (event == "press") {
                ok = readInt(in, a) && readInt(in, b) && readInt(in, c) && c >= 0 && c <= 7;
                produced.push_back(message(MessageKind::MouseMove, 0, a, b));
                produced.push_back(message(MessageKind::ButtonDown, c, a, b));
            } else if (event == "keydown" || event == "keyup") {
                ok = readInt(in, a) && a >= 0 && a <= 255;
                produced.push_back(message(event == "keydown" ? MessageKind::KeyDown : MessageKind::KeyUp, a));
            } else if (event == "char") {
                ok = readInt(in, a) && a >= 0 && a <= 0xFFFF;
                produced.push_back(message(MessageKind::Char, a));
            } else if (event == "close") {
                produced.push_back(message(MessageKind::Close));
            } else {
                ok = false;
            }
            ok = ok && atEnd(in);
        }
        if (!ok) {
            error = "script line " + std::to_string(number) + " is malformed: " + line;
            messagesByFrame.clear();
            return false;
        }
        auto& slot = messagesByFrame[frame];
        slot.insert(slot.end(), produced.begin(), produced.end());
    }
    return true;
}

bool Script::load(const std::string& fileName, std::string& error)
{
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        error = "cannot read the script " + fileName;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parse(text.str(), error);
}

const std::vector<platform::Message>& Script::messagesFor(int frame) const
{
    static const std::vector<platform::Message> none;
    const auto found = messagesByFrame.find(frame);
    return found == messagesByFrame.end() ? none : found->second;
}
