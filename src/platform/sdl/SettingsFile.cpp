#include "platform/sdl/SettingsFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>

namespace platform::sdl {

namespace {

const char hexDigits[] = "0123456789abcdef";

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendQuoted(std::string& out, const std::uint8_t* bytes, size_t length)
{
    out += '"';
    for (size_t i = 0; i < length; ++i) {
        const std::uint8_t c = bytes[i];
        if (c == '\\' || c == '"') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 32 || c > 126) {
            out += "\\x";
            out += hexDigits[c >> 4];
            out += hexDigits[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
}

void appendHex(std::string& out, const std::vector<std::uint8_t>& data)
{
    for (size_t i = 0; i < data.size(); ++i) {
        if (i > 0)
            out += ',';
        out += hexDigits[data[i] >> 4];
        out += hexDigits[data[i] & 15];
    }
}

// Reads a quoted, escaped string at `pos`; on success `pos` is just past the closing quote.
std::optional<std::string> readQuoted(const std::string& line, size_t& pos)
{
    if (pos >= line.size() || line[pos] != '"')
        return std::nullopt;
    std::string out;
    for (size_t i = pos + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= line.size())
            return std::nullopt;
        if (line[i] == '\\' || line[i] == '"') {
            out += line[i];
        } else if (line[i] == 'x' && i + 2 < line.size() && hexValue(line[i + 1]) >= 0 && hexValue(line[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(line[i + 1]) * 16 + hexValue(line[i + 2]));
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;  // no closing quote: the line was cut short
}

// Comma-separated pairs of hex digits, nothing else; empty is no bytes.
std::optional<std::vector<std::uint8_t>> readHex(const std::string& text)
{
    std::vector<std::uint8_t> data;
    size_t i = 0;
    while (i < text.size()) {
        if (i + 1 >= text.size() || hexValue(text[i]) < 0 || hexValue(text[i + 1]) < 0)
            return std::nullopt;
        data.push_back(static_cast<std::uint8_t>(hexValue(text[i]) * 16 + hexValue(text[i + 1])));
        i += 2;
        if (i < text.size()) {
            if (text[i] != ',' || i + 1 == text.size())
                return std::nullopt;
            ++i;
        }
    }
    return data;
}

std::optional<SettingsValue> parseLine(const std::string& line)
{
    size_t pos = 0;
    auto name = readQuoted(line, pos);
    if (!name || pos >= line.size() || line[pos] != '=')
        return std::nullopt;
    const std::string rest = line.substr(pos + 1);
    SettingsValue value;
    value.name = *name;
    if (!rest.empty() && rest[0] == '"') {
        size_t end = 0;
        auto text = readQuoted(rest, end);
        if (!text || end != rest.size())
            return std::nullopt;
        value.type = ValueType::Text;
        value.data.assign(text->begin(), text->end());
        value.data.push_back(0);
    } else if (rest.rfind("dword:", 0) == 0) {
        const std::string digits = rest.substr(6);
        if (digits.size() != 8)
            return std::nullopt;  // a cut-off number must not read as a small one
        std::uint32_t number = 0;
        for (char c : digits) {
            if (hexValue(c) < 0)
                return std::nullopt;
            number = number * 16 + static_cast<std::uint32_t>(hexValue(c));
        }
        value.type = ValueType::Number;
        for (int i = 0; i < 4; ++i)
            value.data.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
    } else {
        std::string digits;
        if (rest.rfind("hex:", 0) == 0) {
            value.type = ValueType::Bytes;
            digits = rest.substr(4);
        } else if (rest.rfind("hex(1):", 0) == 0) {
            value.type = ValueType::Text;
            digits = rest.substr(7);
        } else if (rest.rfind("hex(4):", 0) == 0) {
            value.type = ValueType::Number;
            digits = rest.substr(7);
        } else {
            return std::nullopt;
        }
        auto data = readHex(digits);
        if (!data)
            return std::nullopt;
        value.data = std::move(*data);
    }
    return value;
}

}  // namespace

bool SettingsFile::sameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

namespace {

bool isPlainText(const std::vector<std::uint8_t>& data)
{
    if (data.empty() || data.back() != 0)
        return false;
    for (size_t i = 0; i + 1 < data.size(); ++i)
        if (data[i] == 0)
            return false;
    return true;
}

bool writeAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::vector<SettingsValue> SettingsFile::parse(const std::string& text)
{
    std::vector<SettingsValue> values;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        auto value = parseLine(line);
        if (!value)
            continue;  // headers, blank lines and damaged lines
        bool replaced = false;
        for (auto& existing : values) {
            if (sameName(existing.name, value->name)) {
                existing = std::move(*value);
                replaced = true;
                break;
            }
        }
        if (!replaced)
            values.push_back(std::move(*value));
    }
    return values;
}

std::string SettingsFile::format(const std::string& keyPath, const std::vector<SettingsValue>& values)
{
    std::string out = "[" + keyPath + "]\n";
    for (const auto& value : values) {
        appendQuoted(out, reinterpret_cast<const std::uint8_t*>(value.name.data()), value.name.size());
        out += '=';
        if (value.type == ValueType::Text && isPlainText(value.data)) {
            appendQuoted(out, value.data.data(), value.data.size() - 1);
        } else if (value.type == ValueType::Number && value.data.size() == 4) {
            const std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                         (static_cast<std::uint32_t>(value.data[3]) << 24);
            char digits[16];
            std::snprintf(digits, sizeof digits, "dword:%08x", number);
            out += digits;
        } else {
            out += value.type == ValueType::Text ? "hex(1):" : value.type == ValueType::Number ? "hex(4):" : "hex:";
            appendHex(out, value.data);
        }
        out += '\n';
    }
    return out;
}

bool SettingsFile::save(const std::string& path, const std::string& text, bool interruptBeforeRename)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, text) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (interruptBeforeRename)
        return false;  // left behind as a crash would leave it
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    // Make the rename itself durable.
    namespace fs = std::filesystem;
    const fs::path stored(path);
    const fs::path folder = stored.has_parent_path() ? stored.parent_path() : fs::path(".");
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    // Temporary files that an earlier crash left behind are of no use any more.
    const std::string prefix = stored.filename().string() + ".";
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            fs::remove(entry.path(), error);
    }
    return true;
}

}  // namespace platform::sdl
