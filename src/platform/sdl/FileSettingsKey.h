#pragma once

// The settings key kept in one text file per user (see SettingsFile.h for its form).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Settings.h"
#include "platform/sdl/SettingsFile.h"

namespace platform::sdl {

class FileSettingsKey final : public SettingsKey {
public:
    // Opens the key stored in `folder`: a missing file is an empty key (nothing is written
    // until a value is); a file that cannot be read, a folder in its place or a folder that
    // cannot be created or written gives null.
    static std::unique_ptr<FileSettingsKey> open(const std::string& folder, const std::string& keyPath,
                                                 bool interruptSave);

    // A key kept somewhere other than a file (the browser's storage): it starts with `values`,
    // and `store` receives every value when the key closes with one changed.
    using Store = std::function<void(const std::string& keyPath, const std::vector<SettingsValue>& values)>;
    static std::unique_ptr<FileSettingsKey> withStore(const std::string& keyPath, std::vector<SettingsValue> values,
                                                      Store store);

    // Writes the file back (or hands the values to the store) if a value changed.
    ~FileSettingsKey() override;

    bool query(const char* name) override;
    std::optional<ValueType> typeOf(const char* name) override;
    bool read(const char* name, void* data, std::uint32_t size) override;
    bool write(const char* name, ValueType type, const void* data, std::uint32_t size) override;

    static constexpr const char* fileName = "settings.txt";

private:
    FileSettingsKey(std::string path, std::string keyPath, std::vector<SettingsValue> values, bool interruptSave);
    SettingsValue* find(const char* name);

    std::string path;
    std::string keyPath;
    std::vector<SettingsValue> values;
    bool changed = false;
    bool interruptSave;
    Store store;
};

}  // namespace platform::sdl
