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

Script::Event message(platform::MessageKind kind, int value = 0, int x = 0, int y = 0)
{
    Script::Event e;
    e.message.kind = kind;
    e.message.value = value;
    e.message.x = x;
    e.message.y = y;
    return e;
}

Script::Event layerEvent(Script::Event::Source source, int value, int x, int y = 0, long long finger = 0)
{
    Script::Event e = message(platform::MessageKind::KeyDown, value, x, y);
    e.source = source;
    e.finger = finger;
    return e;
}

int phaseOf(const std::string& word) { return word == "down" ? 0 : word == "move" ? 1 : word == "up" ? 2 : -1; }

}  // namespace

bool Script::parse(const std::string& text, std::string& error)
{
    eventsByFrame.clear();
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
        std::vector<Event> produced;
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
            } else if (event == "touch") {
                std::string phase;
                long long finger = 0;
                ok = (in >> phase) && phaseOf(phase) >= 0 && (in >> finger) && readInt(in, a) && readInt(in, b);
                produced.push_back(layerEvent(Event::Source::Finger, phaseOf(phase), a, b, finger));
            } else if (event == "pad") {
                std::string what;
                ok = static_cast<bool>(in >> what);
                if (what == "down" || what == "up") {
                    ok = ok && readInt(in, a) && a >= 0 && a < 32;
                    produced.push_back(layerEvent(Event::Source::PadButton, a, what == "down" ? 1 : 0));
                } else if (what == "axis") {
                    ok = ok && readInt(in, a) && a >= 0 && a < 6 && readInt(in, b) && b >= -32768 && b <= 32767;
                    produced.push_back(layerEvent(Event::Source::PadAxis, a, b));
                } else {
                    ok = false;
                }
            } else if (event == "close") {
                produced.push_back(message(MessageKind::Close));
            } else {
                ok = false;
            }
            ok = ok && atEnd(in);
        }
        if (!ok) {
            error = "script line " + std::to_string(number) + " is malformed: " + line;
            eventsByFrame.clear();
            return false;
        }
        auto& slot = eventsByFrame[frame];
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

const std::vector<Script::Event>& Script::eventsFor(int frame) const
{
    static const std::vector<Event> none;
    const auto found = eventsByFrame.find(frame);
    return found == eventsByFrame.end() ? none : found->second;
}
