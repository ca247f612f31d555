#include "WaveFile.h"

#include "ByteWriter.h"

std::vector<std::uint8_t> WaveFile::encode(int sampleRate, const std::vector<std::int16_t>& samples)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    ByteWriter out;
    out.tag("RIFF");
    out.u32(4 + 8 + 16 + 8 + dataBytes + (dataBytes & 1));
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1);  // PCM
    out.u16(1);  // mono
    out.u32(static_cast<std::uint32_t>(sampleRate));
    out.u32(static_cast<std::uint32_t>(sampleRate) * 2);
    out.u16(2);
    out.u16(16);
    out.tag("data");
    out.u32(dataBytes);
    for (std::int16_t s : samples)
        out.u16(static_cast<std::uint16_t>(s));
    return out.bytes();
}
