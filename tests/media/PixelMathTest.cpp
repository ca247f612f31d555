// Colour packing and the translucent mix, pixel by pixel against hand-worked values.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "app/PixelPacking.h"
#include "media/TranslucentBlend.h"

namespace {

TEST(PixelPacking, EachDepth)
{
    EXPECT_EQ(packColour(0x00FFFFFF, 16), 0xFFFFu);
    const std::uint32_t grey = packColour(0x00808080, 16);
    EXPECT_EQ(grey >> 11, 15u);
    EXPECT_EQ((grey >> 5) & 0x3F, 31u);
    EXPECT_EQ(grey & 0x1F, 15u);
    EXPECT_EQ(packColour(0x00FF9900, 16), (31u << 11) | (37u << 5) | 0u);  // 153 * 63 / 255 = 37
    EXPECT_EQ(packColour(0x00123456, 24), 0x00123456u);
    EXPECT_EQ(packColour(0x00123456, 32), 0xFF123456u);
}

TEST(TranslucentBlend, SixteenBitsMixesEachFieldInPlace)
{
    // White under black at half strength: 0xF800 * 64 / 128 = 0x7C00 -> masked 0x7800, and
    // likewise 0x03E0 and 15 for green and blue.
    std::uint16_t back[2] = {0xFFFF, 0x1234};
    const std::uint16_t picture[2] = {0x0000, 0x1234};
    blendRow(reinterpret_cast<std::uint8_t*>(back), reinterpret_cast<const std::uint8_t*>(picture), 4, 16, 64);
    EXPECT_EQ(back[0], 0x7BEF);
    EXPECT_EQ(back[1], 0x1234);

    // Fields mix separately, never spilling into one another: red 31 over red 0 at 32/128.
    std::uint16_t red = 0x0000;
    const std::uint16_t fullRed = 0xF800;
    blendRow(reinterpret_cast<std::uint8_t*>(&red), reinterpret_cast<const std::uint8_t*>(&fullRed), 2, 16, 32);
    EXPECT_EQ(red, ((0xF800 * 32 / 128) & 0xF800));
    EXPECT_EQ(red & 0x07FF, 0);
}

TEST(TranslucentBlend, WideDepthsMixEveryByteIncludingTheFourth)
{
    std::uint8_t back[8] = {0x60, 0x40, 0x20, 0xFF, 10, 20, 30, 40};
    const std::uint8_t picture[8] = {0x00, 0x00, 0x00, 0x00, 110, 120, 130, 140};
    blendRow(back, picture, 8, 32, 64);
    const std::uint8_t expected[8] = {0x30, 0x20, 0x10, 0x7F, 60, 70, 80, 90};
    EXPECT_EQ(std::memcmp(back, expected, 8), 0);

    std::uint8_t back24[3] = {200, 100, 0};
    const std::uint8_t picture24[3] = {0, 100, 200};
    blendRow(back24, picture24, 3, 24, 96);
    EXPECT_EQ(back24[0], 50);  // (0 * 96 + 200 * 32) / 128
    EXPECT_EQ(back24[1], 100);
    EXPECT_EQ(back24[2], 150);  // 200 * 96 / 128
}

TEST(TranslucentBlend, EndsOfTheAlphaRange)
{
    std::uint8_t back[4] = {1, 2, 3, 4};
    const std::uint8_t picture[4] = {201, 202, 203, 204};
    blendRow(back, picture, 4, 32, 0);
    EXPECT_EQ(back[0], 1);
    EXPECT_EQ(back[3], 4);
    blendRow(back, picture, 4, 32, 128);
    EXPECT_EQ(back[0], 201);
    EXPECT_EQ(back[3], 204);
}

}  // namespace
