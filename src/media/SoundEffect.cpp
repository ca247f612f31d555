#include "media/SoundEffect.h"

#include <algorithm>

#include "app/Application.h"
#include "platform/Sound.h"

SoundEffect::SoundEffect(const char* name, bool loop, int bufferSeconds) : fileName(name), looping(loop)
{
    headerRead = readWaveHeader();
    if (!headerRead)
        return;
    if (looping) {
        const std::uint64_t bytes = static_cast<std::uint64_t>(std::max(channels, 0)) *
                                    static_cast<std::uint64_t>(std::max(sampleRate, 0)) *
                                    static_cast<std::uint64_t>(std::max(bitsPerSample, 0)) *
                                    static_cast<std::uint64_t>(std::max(bufferSeconds, 0)) / 8;
        bufferBytes = static_cast<std::uint32_t>(std::min<std::uint64_t>(bytes, 0xFFFFFFFFu));
    } else {
        bufferBytes = dataSize;
    }
}

SoundEffect::~SoundEffect()
{
    waveFile.reset();
    releaseBuffer();
}

bool SoundEffect::readWaveHeader()
{
    WaveReader reader;
    if (!reader.open(fileName) || !reader.readHeader())
        return false;
    channels = reader.channels;
    sampleRate = reader.samplesPerSecond;
    bitsPerSample = reader.bitsPerSample;
    dataSize = reader.dataSize;
    return true;
}

bool SoundEffect::createBuffer()
{
    if (!headerRead || !theApp || !theApp->directSound)
        return false;
    releaseBuffer();
    const platform::WaveFormat format{channels, sampleRate, bitsPerSample};
    buffer = theApp->directSound->createBuffer(format, bufferBytes, looping);
    if (!buffer)
        return false;
    return fillBuffer();
}

bool SoundEffect::fillBuffer()
{
    if (!buffer)
        return false;
    waveFile = std::make_unique<WaveReader>();
    bool filled = false;
    if (waveFile->open(fileName) && waveFile->findData()) {
        std::uint8_t* bits = nullptr;
        std::uint32_t size = 0;
        if (buffer->lock(bits, size)) {
            const std::uint32_t written = waveFile->readData(bits, size);
            // The buffer is unlocked whatever was read; a short data chunk leaves it part filled.
            const bool unlocked = buffer->unlock(written);
            filled = written == size && unlocked;
        }
    }
    if (!looping || !filled)
        waveFile.reset();
    return filled;
}

void SoundEffect::releaseBuffer() { buffer.reset(); }

bool SoundEffect::restoreBuffer()
{
    if (buffer && buffer->restore())
        return fillBuffer();
    releaseBuffer();
    return createBuffer();
}

bool SoundEffect::play()
{
    if (!buffer)
        createBuffer();
    if (!buffer)
        return false;
    if (buffer->setPosition(0) && buffer->play(looping))
        return true;
    restoreBuffer();
    if (!buffer)
        return false;
    return buffer->setPosition(0) && buffer->play(looping);
}
