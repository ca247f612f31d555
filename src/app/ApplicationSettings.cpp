// The settings store: one key of the current user, opened around each group of reads or writes.
#include <algorithm>
#include <charconv>
#include <cstring>

#include "app/Application.h"

namespace {

std::uint32_t byteCount(int size) { return static_cast<std::uint32_t>(std::max(0, size)); }

}  // namespace

void Application::openSettings() { settingsKey = instance->openSettings(settingsCompany, settingsProduct); }

void Application::closeSettings() { settingsKey.reset(); }

void Application::readString(const char* name, char* text, int size)
{
    if (!text || size <= 0)
        return;
    if (!settingsKey || !settingsKey->query(name)) {
        text[size - 1] = '\0';
        writeString(name, text);
        return;
    }
    // A value longer than the buffer keeps its first size - 1 characters; the text is always
    // terminated inside the buffer.
    settingsKey->read(name, text, byteCount(size));
    text[size - 1] = '\0';
}

void Application::readDword(const char* name, std::uint32_t* value, int size)
{
    if (!value)
        return;
    if (!settingsKey || !settingsKey->query(name)) {
        writeDword(name, value, size);
        return;
    }
    if (settingsKey->typeOf(name) == platform::ValueType::Text) {
        // A number written as text ("windowScale"="2") means that number; any other text
        // leaves the default in place, and the value stays as the player wrote it.
        char text[32] = {};
        if (!settingsKey->read(name, text, sizeof text))
            return;  // longer than any number
        text[sizeof text - 1] = '\0';
        std::uint32_t number = 0;
        const char* end = text + std::strlen(text);
        const auto [stop, error] = std::from_chars(text, end, number);
        if (error == std::errc{} && stop == end && stop != text)
            *value = number;
        return;
    }
    settingsKey->read(name, value, byteCount(std::min(size, 4)));
}

void Application::readBinary(const char* name, void* value, int size)
{
    if (!value)
        return;
    if (!settingsKey || !settingsKey->query(name)) {
        writeBinary(name, value, size);
        return;
    }
    settingsKey->read(name, value, byteCount(size));
}

void Application::writeString(const char* name, const char* text)
{
    if (!settingsKey || !text)
        return;
    settingsKey->write(name, platform::ValueType::Text, text, static_cast<std::uint32_t>(std::strlen(text) + 1));
}

void Application::writeDword(const char* name, const std::uint32_t* value, int size)
{
    if (!settingsKey || !value)
        return;
    settingsKey->write(name, platform::ValueType::Number, value, byteCount(std::min(size, 4)));
}

void Application::writeBinary(const char* name, const void* value, int size)
{
    if (!settingsKey || !value)
        return;
    settingsKey->write(name, platform::ValueType::Bytes, value, byteCount(size));
}
