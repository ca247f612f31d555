// Reading WAV headers and data from files good, odd and broken.
#include <gtest/gtest.h>

#include <algorithm>

#include "media/WaveReader.h"
#include "support/TemporaryFolder.h"
#include "support/TestFiles.h"

namespace {

class WaveReading : public ::testing::Test {
protected:
    std::string write(const char* name, const std::vector<std::uint8_t>& bytes)
    {
        writeBytes(folder.path() / name, bytes);
        return (folder.path() / name).string();
    }
    TemporaryFolder folder;
};

TEST_F(WaveReading, SixteenAndEighteenByteFormatChunksBothFindTheData)
{
    for (int formatBytes : {16, 18, 40}) {
        WaveFileParts parts;
        parts.formatChunkBytes = formatBytes;
        parts.channels = 2;
        parts.sampleRate = 11025;
        parts.bitsPerSample = 8;
        parts.samples = {1, 2, 3, 4, 5, 6};
        const std::string file = write("tone.wav", buildWaveFile(parts));

        WaveReader reader;
        ASSERT_TRUE(reader.open(file.c_str())) << formatBytes;
        ASSERT_TRUE(reader.readHeader()) << formatBytes;
        EXPECT_EQ(reader.channels, 2);
        EXPECT_EQ(reader.samplesPerSecond, 11025);
        EXPECT_EQ(reader.bitsPerSample, 8);
        EXPECT_EQ(reader.dataSize, 6u);
        std::uint8_t data[8] = {};
        EXPECT_EQ(reader.readData(data, 8), 6u);
        EXPECT_EQ(data[0], 1);
        EXPECT_EQ(data[5], 6);
    }
}

TEST_F(WaveReading, OddSizedChunksArePaddedAndSkipped)
{
    WaveFileParts parts;
    parts.samples = {9, 8, 7, 6};
    // A "LIST" chunk of 3 bytes plus its pad byte, then the data.
    parts.chunkBeforeData = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    const std::string file = write("list.wav", buildWaveFile(parts));
    WaveReader reader;
    ASSERT_TRUE(reader.open(file.c_str()));
    ASSERT_TRUE(reader.readHeader());
    EXPECT_EQ(reader.dataSize, 4u);
    ASSERT_TRUE(reader.findData());
    std::uint8_t data[4] = {};
    EXPECT_EQ(reader.readData(data, 4), 4u);
    EXPECT_EQ(data[0], 9);
}

TEST_F(WaveReading, BrokenFilesAreRejected)
{
    WaveReader reader;
    EXPECT_FALSE(reader.open((folder.path() / "missing.wav").string().c_str()));
    EXPECT_FALSE(reader.open(nullptr));
    EXPECT_FALSE(reader.readHeader());

    EXPECT_FALSE(reader.open(write("empty.wav", {}).c_str()));
    EXPECT_FALSE(reader.open(write("text.wav", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'a', 'v', 'e', '!', '!'}).c_str()));

    WaveFileParts noData;
    noData.samples = {1, 2};
    noData.withData = false;
    ASSERT_TRUE(reader.open(write("nodata.wav", buildWaveFile(noData)).c_str()));
    EXPECT_FALSE(reader.readHeader());

    WaveFileParts shortFormat;
    shortFormat.formatChunkBytes = 14;
    shortFormat.samples = {1, 2};
    ASSERT_TRUE(reader.open(write("short.wav", buildWaveFile(shortFormat)).c_str()));
    EXPECT_FALSE(reader.readHeader());

    // Not RIFF/WAVE: an AVI form.
    std::vector<std::uint8_t> avi = buildWaveFile(noData);
    std::copy_n("AVI ", 4, avi.begin() + 8);
    EXPECT_FALSE(reader.open(write("avi.wav", avi).c_str()));
}

TEST_F(WaveReading, TruncatedDataReadsOnlyWhatIsThere)
{
    WaveFileParts parts;
    parts.samples = std::vector<std::uint8_t>(100, 0x55);
    parts.declaredDataBytes = 1000;
    const std::string file = write("cut.wav", buildWaveFile(parts));
    WaveReader reader;
    ASSERT_TRUE(reader.open(file.c_str()));
    ASSERT_TRUE(reader.readHeader());
    EXPECT_EQ(reader.dataSize, 1000u);
    std::vector<std::uint8_t> data(1000);
    EXPECT_EQ(reader.readData(data.data(), 1000), 100u);
    EXPECT_EQ(reader.readData(data.data(), 1000), 0u);
}

TEST_F(WaveReading, ADataChunkWhoseHeaderEndsTheFormIsFoundEmpty)
{
    WaveFileParts parts;
    const std::string file = write("silent.wav", buildWaveFile(parts));
    WaveReader reader;
    ASSERT_TRUE(reader.open(file.c_str()));
    ASSERT_TRUE(reader.readHeader());
    EXPECT_EQ(reader.dataSize, 0u);
    std::uint8_t data[4] = {};
    EXPECT_EQ(reader.readData(data, 4), 0u);
}

TEST_F(WaveReading, LyingSizesNeverReadPastTheFile)
{
    WaveFileParts parts;
    parts.samples = {1, 2, 3, 4};
    std::vector<std::uint8_t> bytes = buildWaveFile(parts);
    // RIFF size and fmt size far beyond the file.
    std::fill_n(bytes.begin() + 4, 4, 0xFF);
    std::vector<std::uint8_t> hugeFormat = bytes;
    std::fill_n(hugeFormat.begin() + 16, 4, 0xFF);
    WaveReader reader;
    ASSERT_TRUE(reader.open(write("riff.wav", bytes).c_str()));
    EXPECT_TRUE(reader.readHeader());
    ASSERT_TRUE(reader.open(write("fmt.wav", hugeFormat).c_str()));
    EXPECT_FALSE(reader.readHeader());
}

}  // namespace
