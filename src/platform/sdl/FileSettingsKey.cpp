#include "platform/sdl/FileSettingsKey.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace platform::sdl {

std::unique_ptr<FileSettingsKey> FileSettingsKey::open(const std::string& folder, const std::string& keyPath,
                                                       bool interruptSave)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (folder.empty())
        return nullptr;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error) || ::access(folder.c_str(), W_OK | X_OK) != 0)
        return nullptr;

    const std::string path = (fs::path(folder) / fileName).string();
    std::vector<SettingsValue> values;
    const auto status = fs::status(path, error);
    if (fs::exists(status)) {
        if (!fs::is_regular_file(status))
            return nullptr;
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return nullptr;
        std::ostringstream text;
        text << in.rdbuf();
        if (in.bad())
            return nullptr;
        values = SettingsFile::parse(text.str());
    }
    return std::unique_ptr<FileSettingsKey>(new FileSettingsKey(path, keyPath, std::move(values), interruptSave));
}

std::unique_ptr<FileSettingsKey> FileSettingsKey::withStore(const std::string& keyPath,
                                                            std::vector<SettingsValue> values, Store store)
{
    std::unique_ptr<FileSettingsKey> key(new FileSettingsKey({}, keyPath, std::move(values), false));
    key->store = std::move(store);
    return key;
}

FileSettingsKey::FileSettingsKey(std::string p, std::string k, std::vector<SettingsValue> v, bool interrupt)
    : path(std::move(p)),
      keyPath(std::move(k)),
      values(std::move(v)),
      interruptSave(interrupt)
{}

FileSettingsKey::~FileSettingsKey()
{
    // A failed save leaves the previous file as it was; the game carries on either way.
    if (changed && store)
        store(keyPath, values);
    else if (changed)
        SettingsFile::save(path, SettingsFile::format(keyPath, values), interruptSave);
}

SettingsValue* FileSettingsKey::find(const char* name)
{
    if (!name)
        return nullptr;
    for (auto& value : values)
        if (SettingsFile::sameName(value.name, name))
            return &value;
    return nullptr;
}

bool FileSettingsKey::query(const char* name) { return find(name) != nullptr; }

std::optional<ValueType> FileSettingsKey::typeOf(const char* name)
{
    const SettingsValue* value = find(name);
    return value ? std::optional(value->type) : std::nullopt;
}

bool FileSettingsKey::read(const char* name, void* data, std::uint32_t size)
{
    const SettingsValue* value = find(name);
    if (!value || !data)
        return false;
    // A text stored without its terminator reads as if it had one: it needs that byte too.
    const bool unterminated = value->type == ValueType::Text && (value->data.empty() || value->data.back() != 0);
    const size_t needed = value->data.size() + (unterminated ? 1 : 0);
    const size_t copied = std::min<size_t>(value->data.size(), size);
    if (copied > 0)
        std::memcpy(data, value->data.data(), copied);
    if (needed > size)
        return false;  // too long: only its first `size` bytes arrive
    if (unterminated)
        static_cast<std::uint8_t*>(data)[value->data.size()] = 0;
    return true;
}

bool FileSettingsKey::write(const char* name, ValueType type, const void* data, std::uint32_t size)
{
    if (!name || (!data && size > 0))
        return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::vector<std::uint8_t> stored(bytes, bytes + size);
    if (SettingsValue* existing = find(name)) {
        if (existing->type == type && existing->data == stored)
            return true;
        existing->type = type;
        existing->data = std::move(stored);
    } else {
        values.push_back(SettingsValue{name, type, std::move(stored)});
    }
    changed = true;
    return true;
}

}  // namespace platform::sdl
