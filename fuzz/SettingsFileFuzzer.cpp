// The settings store's text on any bytes: whatever can be read from a damaged file is written
// back unchanged, so a save after a damaged load never loses a value that was read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/sdl/SettingsFile.h"

using platform::sdl::SettingsFile;
using platform::sdl::SettingsValue;

namespace {

bool sameValues(const std::vector<SettingsValue>& a, const std::vector<SettingsValue>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].type != b[i].type || a[i].data != b[i].data)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto values = SettingsFile::parse(text);
    const std::string written = SettingsFile::format("Software\\harrowdine\\harrowdine Kelvary", values);
    if (!sameValues(SettingsFile::parse(written), values))
        std::abort();
    return 0;
}
