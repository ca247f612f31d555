#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Little-endian fields appended to a file image in memory.
class ByteWriter {
public:
    std::vector<std::uint8_t>& bytes() { return data; }
    std::size_t size() const { return data.size(); }

    void u8(std::uint32_t v) { data.push_back(static_cast<std::uint8_t>(v)); }
    void u16(std::uint32_t v)
    {
        u8(v & 0xFF);
        u8((v >> 8) & 0xFF);
    }
    void u32(std::uint32_t v)
    {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void tag(std::string_view fourCharacters)
    {
        for (char c : fourCharacters)
            u8(static_cast<unsigned char>(c));
    }
    void append(const std::vector<std::uint8_t>& more) { data.insert(data.end(), more.begin(), more.end()); }
    void patch32(std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            data[at + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
    }

private:
    std::vector<std::uint8_t> data;
};
