#pragma once

#include <cstdint>
#include <optional>

namespace platform {

enum class ValueType {
    Text,
    Number,
    Bytes
};

// The one settings key of the current user, open from `Platform::openSettings` until it is
// destroyed.  Text values are stored with their terminating zero, numbers as 4 bytes.
class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // True if the value exists.
    virtual bool query(const char* name) = 0;
    // The type the value was stored with; nothing if it is missing.
    virtual std::optional<ValueType> typeOf(const char* name) = 0;
    // Copies the value's bytes into `data`; the stored type is not compared.  False if the
    // value is missing, or if it is longer than `size`: then only its first `size` bytes are
    // copied.
    virtual bool read(const char* name, void* data, std::uint32_t size) = 0;
    // Stores a value of the given type; false if it cannot be stored.
    virtual bool write(const char* name, ValueType type, const void* data, std::uint32_t size) = 0;
};

}  // namespace platform
