#pragma once

#include <cstdint>
#include <memory>

#include "media/WaveReader.h"

namespace platform {
class SoundBuffer;
}

// One WAV file in one sound buffer of the sound device.  Playing it again restarts it from
// the beginning; different effects sound together.  Callers check the sound switch first.
class SoundEffect {
public:
    // Reads the file's header; the buffer is made by `createBuffer` (or the first `play`).
    // `bufferSeconds` sizes the buffer in looping mode only.
    SoundEffect(const char* fileName, bool looping, int bufferSeconds);
    SoundEffect(const SoundEffect&) = delete;
    SoundEffect& operator=(const SoundEffect&) = delete;
    virtual ~SoundEffect();

    bool createBuffer();
    bool fillBuffer();
    void releaseBuffer();
    bool restoreBuffer();
    bool play();

    const char* getFileName() const { return fileName; }
    bool hasHeader() const { return headerRead; }
    int getChannels() const { return channels; }
    int getSampleRate() const { return sampleRate; }
    int getBitsPerSample() const { return bitsPerSample; }
    std::uint32_t getDataSize() const { return dataSize; }
    std::uint32_t getBufferBytes() const { return bufferBytes; }
    bool isLooping() const { return looping; }
    platform::SoundBuffer* getBuffer() const { return buffer.get(); }

private:
    bool readWaveHeader();

    const char* fileName;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t dataSize = 0;
    bool looping;
    std::uint32_t bufferBytes = 0;
    std::unique_ptr<platform::SoundBuffer> buffer;
    std::unique_ptr<WaveReader> waveFile;  // open only while filling (kept in looping mode)
    bool headerRead = false;
};
