#pragma once

// The text form of the settings key, one value a line:
//
//   [Software\harrowdine\harrowdine Kelvary]
//   "name0"="Wuffle"
//   "score0"=dword:000f4240
//   "hasSound"=hex:01
//
// Names and texts escape backslash, quote and every byte outside printable ASCII
// (\\, \", \xHH).  A text that is not exactly one terminated string is kept byte for byte
// as hex(1):..., a number of another size than 4 bytes as hex(4):....

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Settings.h"

namespace platform::sdl {

struct SettingsValue {
    std::string name;
    ValueType type = ValueType::Bytes;
    std::vector<std::uint8_t> data;
};

class SettingsFile {
public:
    // The values of a stored file; lines that cannot be read are left out, the rest kept.
    static std::vector<SettingsValue> parse(const std::string& text);
    // The file's text for a key path and its values.
    static std::string format(const std::string& keyPath, const std::vector<SettingsValue>& values);

    // Value names are compared as the registry compares them: ASCII letters in either case.
    static bool sameName(const std::string& a, const std::string& b);

    // Replaces `path` with `text` so that a crash at any moment leaves either the old file or
    // the new one: a temporary file in the same folder is written, flushed to the disk and
    // renamed over it.  With `interruptBeforeRename` the save stops after writing the
    // temporary file, as a crash would (for tests); the result is then false.
    static bool save(const std::string& path, const std::string& text, bool interruptBeforeRename = false);
};

}  // namespace platform::sdl
