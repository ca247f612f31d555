// Sound effects from WAV files through the real sound device (SDL's dummy audio driver).
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "media/SoundEffect.h"
#include "platform/Sound.h"
#include "platform/sdl/SdlAudio.h"
#include "support/HeadlessApp.h"
#include "support/TestFiles.h"

namespace {

class SoundEffects : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = std::make_unique<HeadlessApp>(32);
        ASSERT_TRUE(app->app().initialised);
        ASSERT_TRUE(app->app().directSound);
    }
    std::string write(const char* name, const WaveFileParts& parts) { return write(name, buildWaveFile(parts)); }
    std::string write(const char* name, const std::vector<std::uint8_t>& bytes)
    {
        writeBytes(folder.path() / name, bytes);
        return (folder.path() / name).string();
    }
    static WaveFileParts tone(double seconds, int formatBytes = 16)
    {
        WaveFileParts parts;
        parts.formatChunkBytes = formatBytes;
        parts.samples = toneSamples(seconds);
        return parts;
    }

    TemporaryFolder folder;
    std::unique_ptr<HeadlessApp> app;
};

TEST_F(SoundEffects, SixteenAndEighteenByteFormatsPlay)
{
    const std::string plain = write("plain.wav", tone(1.0, 16));
    const std::string extended = write("extended.wav", tone(1.0, 18));
    SoundEffect first(plain.c_str(), false, 2);
    SoundEffect second(extended.c_str(), false, 2);
    for (SoundEffect* effect : {&first, &second}) {
        ASSERT_TRUE(effect->hasHeader()) << effect->getFileName();
        EXPECT_EQ(effect->getChannels(), 1);
        EXPECT_EQ(effect->getSampleRate(), 22050);
        EXPECT_EQ(effect->getBitsPerSample(), 16);
        EXPECT_EQ(effect->getDataSize(), 44100u);
        EXPECT_EQ(effect->getBufferBytes(), 44100u);
        EXPECT_TRUE(effect->createBuffer());
    }
    // Two different effects sound together.
    EXPECT_TRUE(first.play());
    EXPECT_TRUE(second.play());
    EXPECT_EQ(platform::sdl::playingVoices(), 2);
}

TEST_F(SoundEffects, PlayingAgainRestarts)
{
    const std::string file = write("long.wav", tone(3.0));
    SoundEffect effect(file.c_str(), false, 2);
    // The first play makes the buffer itself.
    ASSERT_TRUE(effect.play());
    ASSERT_NE(effect.getBuffer(), nullptr);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (platform::sdl::playPosition(*effect.getBuffer()) < 8000 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const std::uint32_t before = platform::sdl::playPosition(*effect.getBuffer());
    ASSERT_GE(before, 8000u);
    ASSERT_TRUE(effect.play());
    EXPECT_LT(platform::sdl::playPosition(*effect.getBuffer()), before);
    EXPECT_EQ(platform::sdl::playingVoices(), 1);
}

TEST_F(SoundEffects, BrokenFilesStaySilent)
{
    std::vector<std::uint8_t> notRiff = buildWaveFile(tone(0.1));
    notRiff[3] = 'X';
    for (const std::string& file : {write("notriff.wav", notRiff), (folder.path() / "absent.wav").string()}) {
        SoundEffect effect(file.c_str(), false, 2);
        EXPECT_FALSE(effect.hasHeader()) << file;
        EXPECT_FALSE(effect.play()) << file;
        EXPECT_EQ(effect.getBuffer(), nullptr) << file;
    }
    EXPECT_EQ(platform::sdl::playingVoices(), 0);
}

TEST_F(SoundEffects, TruncatedDataFailsTheFillButNeverLeavesTheBufferLocked)
{
    WaveFileParts cut = tone(0.5);
    cut.declaredDataBytes = static_cast<std::int64_t>(cut.samples.size()) + 2000;
    const std::string file = write("cut.wav", cut);
    SoundEffect effect(file.c_str(), false, 2);
    ASSERT_TRUE(effect.hasHeader());
    EXPECT_FALSE(effect.createBuffer());
    ASSERT_NE(effect.getBuffer(), nullptr);
    EXPECT_FALSE(effect.fillBuffer());
    // Not locked: it can be locked again, and what was read plays.
    std::uint8_t* bits = nullptr;
    std::uint32_t size = 0;
    ASSERT_TRUE(effect.getBuffer()->lock(bits, size));
    ASSERT_TRUE(effect.getBuffer()->unlock(0));
    EXPECT_TRUE(effect.play());

    // A size field of 4 GB gets no buffer: the device refuses sizes no effect comes near.
    cut.declaredDataBytes = 0xFFFFFFF0;
    const std::string liar = write("liar.wav", cut);
    SoundEffect lyingEffect(liar.c_str(), false, 2);
    EXPECT_FALSE(lyingEffect.createBuffer());
    EXPECT_FALSE(lyingEffect.play());
}

TEST_F(SoundEffects, LostBufferIsRestoredWithItsSound)
{
    const std::string file = write("lost.wav", tone(1.0));
    SoundEffect effect(file.c_str(), false, 2);
    ASSERT_TRUE(effect.createBuffer());
    platform::sdl::loseSoundBuffer(*effect.getBuffer());
    EXPECT_TRUE(effect.play());
    EXPECT_FALSE(effect.getBuffer()->isLost());
    EXPECT_TRUE(effect.getBuffer()->isPlaying());

    // The data came back: the buffer holds the file's samples again.
    std::uint8_t* bits = nullptr;
    std::uint32_t size = 0;
    ASSERT_TRUE(effect.getBuffer()->lock(bits, size));
    const std::vector<std::uint8_t> samples = toneSamples(1.0);
    ASSERT_EQ(size, samples.size());
    EXPECT_EQ(std::vector<std::uint8_t>(bits, bits + size), samples);
    effect.getBuffer()->unlock(size);

    effect.releaseBuffer();
    EXPECT_EQ(effect.getBuffer(), nullptr);
    EXPECT_TRUE(effect.restoreBuffer());
    EXPECT_NE(effect.getBuffer(), nullptr);
}

TEST_F(SoundEffects, LoopingEffectsSizeTheirBufferBySeconds)
{
    WaveFileParts stereo = tone(0.2);
    stereo.channels = 2;
    stereo.samples = toneSamples(0.2, 22050, 2);
    const std::string file = write("loop.wav", stereo);
    SoundEffect effect(file.c_str(), true, 2);
    ASSERT_TRUE(effect.hasHeader());
    EXPECT_EQ(effect.getBufferBytes(), 2u * 22050u * 16u * 2u / 8u);
}

}  // namespace
