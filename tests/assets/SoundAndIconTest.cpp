// The sounds are plain PCM files the game's reader accepts, short, loud enough and never
// clipped; the icons are well-formed in every size.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "AssetFiles.h"
#include "media/AssetCatalogue.h"
#include "media/WaveReader.h"

namespace {

std::string output(const std::string& name) { return std::string(KELVARY_OUTPUT_DIR) + "/" + name; }

}  // namespace

TEST(Sounds, EveryEffectIsShortUnclippedMonoPcm)
{
    for (const SoundFile& sound : sounds::all) {
        const char* name = sound.fileName;
        WaveReader wave;
        ASSERT_TRUE(wave.open(output(name).c_str()) && wave.readHeader()) << name;
        // Plain PCM, its data right after the 16-byte format chunk and running to the end of the file.
        EXPECT_EQ(std::tuple(wave.formatTag, wave.channels, wave.samplesPerSecond, wave.bitsPerSample),
                  std::tuple(1, 1, 22050, 16))
            << name;
        EXPECT_EQ(wave.dataOffset, 44u) << name;
        EXPECT_EQ(wave.dataOffset + wave.dataSize, wave.fileSize) << name;
        std::vector<std::int16_t> samples(wave.dataSize / 2);
        ASSERT_EQ(wave.readData(reinterpret_cast<std::uint8_t*>(samples.data()), wave.dataSize), wave.dataSize);
        const double seconds = static_cast<double>(samples.size()) / 22050;
        EXPECT_LT(seconds, 2.0) << name;
        EXPECT_GT(seconds, 0.3) << name;

        int peak = 0;
        for (std::int16_t s : samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        // About -3 dBFS: loud, with headroom, never at full scale.
        EXPECT_GT(peak, 20000) << name;
        EXPECT_LT(peak, 32767) << name;
        // No click at either end.
        EXPECT_EQ(samples.front(), 0) << name;
        EXPECT_LT(std::abs(static_cast<int>(samples.back())), 64) << name;
    }
}

TEST(Icons, DesktopPngsAndTheWindowsIconHoldEverySize)
{
    const std::string pngSignature = "\x89PNG\r\n\x1a\n";
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const auto png = assetfiles::readBytes(output("icons/kelvary-" + std::to_string(size) + ".png"));
        ASSERT_GT(png.size(), 33u) << size;
        EXPECT_EQ(std::string(png.begin(), png.begin() + 8), pngSignature);
        // IHDR: big-endian width and height, 8 bits, colour type 6 (with alpha).
        const auto be32 = [&](std::size_t at) {
            return (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3];
        };
        EXPECT_EQ(be32(16), size);
        EXPECT_EQ(be32(20), size);
        EXPECT_EQ(png[24], 8);
        EXPECT_EQ(png[25], 6);
    }

    const auto ico = assetfiles::readBytes(output("kelvary.ico"));
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(assetfiles::le32(ico, 0), 0x10000u);  // reserved 0, type 1: an icon
    const int count = assetfiles::le16(ico, 4);
    EXPECT_GE(count, 4);
    ASSERT_GE(ico.size(), 6u + 16u * count);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
        const int size = ico[entry] == 0 ? 256 : ico[entry];
        const std::uint32_t bytes = assetfiles::le32(ico, entry + 8), offset = assetfiles::le32(ico, entry + 12);
        ASSERT_LE(static_cast<std::size_t>(offset) + bytes, ico.size()) << "entry " << i;
        sizes.insert(size);
        if (size == 256)
            EXPECT_EQ(std::string(ico.begin() + offset, ico.begin() + offset + 8), pngSignature);
        else
            EXPECT_EQ(assetfiles::le32(ico, offset), 40u) << "a classic bitmap entry of " << size;
    }
    EXPECT_TRUE(sizes.count(16) && sizes.count(32) && sizes.count(256));
}
