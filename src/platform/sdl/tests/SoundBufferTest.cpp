// Sound buffers on the SDL2_mixer device, with the dummy audio driver standing in for a card.
#include <SDL.h>
#include <gtest/gtest.h>

#include "SdlTestSupport.h"
#include "platform/sdl/SdlAudio.h"

namespace platform::sdl::test {
namespace {

class SoundBuffers : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        device = createSoundDevice(WaveFormat{1, 22050, 16});
        ASSERT_TRUE(device);
    }

    // A tone of `seconds` in the given format, filled through lock and unlock.
    std::unique_ptr<SoundBuffer> tone(const WaveFormat& format, double seconds)
    {
        const std::uint32_t frames = static_cast<std::uint32_t>(format.sampleRate * seconds);
        const std::uint32_t bytes = frames * static_cast<std::uint32_t>(format.channels * format.bitsPerSample / 8);
        auto buffer = device->createBuffer(format, bytes, false);
        if (!buffer)
            return nullptr;
        std::uint8_t* bits = nullptr;
        std::uint32_t size = 0;
        EXPECT_TRUE(buffer->lock(bits, size));
        EXPECT_EQ(size, bytes);
        for (std::uint32_t i = 0; i < size; ++i)
            bits[i] = static_cast<std::uint8_t>((i * 7) & 0x3F);
        EXPECT_TRUE(buffer->unlock(size));
        return buffer;
    }

    std::unique_ptr<SoundDevice> device;
};

TEST_F(SoundBuffers, AShortEffectEnds)
{
    auto effect = tone(WaveFormat{1, 22050, 16}, 0.05);
    ASSERT_TRUE(effect);
    ASSERT_TRUE(effect->play(false));
    for (int wait = 0; wait < 1000 && effect->isPlaying(); ++wait)
        SDL_Delay(5);
    EXPECT_FALSE(effect->isPlaying());
    EXPECT_EQ(playingVoices(), 0);
}

TEST_F(SoundBuffers, LockedOrLostBuffersDoNotPlay)
{
    auto effect = tone(WaveFormat{1, 11025, 8}, 1.0);
    ASSERT_TRUE(effect);
    std::uint8_t* bits = nullptr;
    std::uint32_t size = 0;
    ASSERT_TRUE(effect->lock(bits, size));
    EXPECT_FALSE(effect->lock(bits, size));
    EXPECT_FALSE(effect->play(false));
    ASSERT_TRUE(effect->unlock(size));
    EXPECT_FALSE(effect->unlock(size));

    ASSERT_TRUE(effect->play(false));
    loseSoundBuffer(*effect);  // restored with its sound by the effect that owns it
    EXPECT_FALSE(effect->isPlaying());
    EXPECT_FALSE(effect->play(false));
    EXPECT_FALSE(effect->setPosition(0));
    EXPECT_FALSE(effect->lock(bits, size));
}

TEST_F(SoundBuffers, UnplayableFormatsAndSizesAreRefused)
{
    for (auto [format, bytes] : {std::pair{WaveFormat{1, 22050, 24}, 100u},
                                 {WaveFormat{0, 22050, 16}, 100u},
                                 {WaveFormat{1, 0, 16}, 100u},
                                 {WaveFormat{1, 22050, 16}, 0u},
                                 {WaveFormat{1, 22050, 16}, 0xFFFFFFFFu}})
        EXPECT_FALSE(device->createBuffer(format, bytes, false)) << format.bitsPerSample << "," << bytes;
    // An odd byte count plays its whole frames.
    auto odd = device->createBuffer(WaveFormat{1, 22050, 16}, 1001, false);
    ASSERT_TRUE(odd);
    EXPECT_TRUE(odd->play(false));
}

TEST_F(SoundBuffers, BufferMayOutliveTheDevice)
{
    auto effect = tone(WaveFormat{1, 22050, 16}, 1.0);
    ASSERT_TRUE(effect);
    ASSERT_TRUE(effect->play(false));
    device.reset();
    EXPECT_TRUE(effect->isPlaying());
    effect.reset();
    EXPECT_EQ(playingVoices(), 0);
}

TEST(SoundDevice, NoDeviceWhenTheDriverCannotOpen)
{
    ScopedVariable driver("SDL_AUDIODRIVER", "no-such-driver");
    EXPECT_FALSE(createSoundDevice(WaveFormat{1, 22050, 16}));
    EXPECT_EQ(playingVoices(), 0);
}

}  // namespace
}  // namespace platform::sdl::test
