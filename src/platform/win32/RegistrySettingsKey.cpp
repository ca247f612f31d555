#include "platform/win32/RegistrySettingsKey.h"

#include <cstring>
#include <string>
#include <vector>

namespace platform::win32 {

std::unique_ptr<RegistrySettingsKey> RegistrySettingsKey::open(const char* company, const char* product)
{
    if (!company || !product)
        return nullptr;
    const std::string path = std::string("Software\\") + company + "\\" + product;
    std::string keyClass = product;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, keyClass.data(), REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::unique_ptr<RegistrySettingsKey>(new RegistrySettingsKey(key));
}

RegistrySettingsKey::~RegistrySettingsKey() { RegCloseKey(key); }

bool RegistrySettingsKey::query(const char* name)
{
    return name && RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::optional<ValueType> RegistrySettingsKey::typeOf(const char* name)
{
    DWORD type = 0;
    if (!name || RegQueryValueExA(key, name, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    if (type == REG_SZ || type == REG_EXPAND_SZ)
        return ValueType::Text;
    return type == REG_DWORD ? ValueType::Number : ValueType::Bytes;
}

bool RegistrySettingsKey::read(const char* name, void* data, std::uint32_t size)
{
    if (!name || !data)
        return false;
    DWORD type = 0;
    DWORD stored = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &stored) != ERROR_SUCCESS)
        return false;

    // The registry copies nothing into a buffer that is too small, so the value is read whole
    // and its first `size` bytes are handed over.  A text stored without its terminator
    // needs room for one more byte, which it then gets.
    std::vector<BYTE> value(stored + 1, 0);
    DWORD got = stored;
    if (RegQueryValueExA(key, name, nullptr, &type, value.data(), &got) != ERROR_SUCCESS)
        return false;
    const bool unterminated = (type == REG_SZ || type == REG_EXPAND_SZ) && (got == 0 || value[got - 1] != 0);
    const DWORD needed = got + (unterminated ? 1 : 0);
    const DWORD copied = got < size ? got : size;
    if (copied > 0)
        std::memcpy(data, value.data(), copied);
    if (needed > size)
        return false;
    if (unterminated)
        static_cast<BYTE*>(data)[got] = 0;
    return true;
}

bool RegistrySettingsKey::write(const char* name, ValueType type, const void* data, std::uint32_t size)
{
    if (!name || (!data && size > 0))
        return false;
    DWORD registryType = REG_BINARY;
    if (type == ValueType::Text)
        registryType = REG_SZ;
    else if (type == ValueType::Number)
        registryType = REG_DWORD;
    return RegSetValueExA(key, name, 0, registryType, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

}  // namespace platform::win32
