#pragma once

// The settings key as a registry key of the current user, created if missing.

#include <windows.h>

#include <memory>

#include "platform/Settings.h"

namespace platform::win32 {

class RegistrySettingsKey final : public SettingsKey {
public:
    // Creates or opens HKEY_CURRENT_USER\Software\<company>\<product> (class string
    // <product>, non-volatile, all access); null if that fails.
    static std::unique_ptr<RegistrySettingsKey> open(const char* company, const char* product);

    ~RegistrySettingsKey() override;
    RegistrySettingsKey(const RegistrySettingsKey&) = delete;
    RegistrySettingsKey& operator=(const RegistrySettingsKey&) = delete;

    bool query(const char* name) override;
    std::optional<ValueType> typeOf(const char* name) override;
    bool read(const char* name, void* data, std::uint32_t size) override;
    bool write(const char* name, ValueType type, const void* data, std::uint32_t size) override;

private:
    explicit RegistrySettingsKey(HKEY openKey) : key(openKey) {}
    HKEY key;
};

}  // namespace platform::win32
