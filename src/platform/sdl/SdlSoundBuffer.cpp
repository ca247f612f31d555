#include "platform/sdl/SdlSoundBuffer.h"
#ifdef __EMSCRIPTEN__
#include "platform/sdl/web/WebPage.h"
#endif

#include <SDL.h>

#include <algorithm>
#include <cstring>

namespace platform::sdl {

namespace {

// No effect of the game comes near this; a larger request is a corrupt size, not a sound.
constexpr std::uint32_t largestBuffer = 64u * 1024u * 1024u;

std::uint16_t audioFormatOf(const WaveFormat& format) { return format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB; }

}  // namespace

std::unique_ptr<SdlSoundBuffer> SdlSoundBuffer::create(std::shared_ptr<SdlMixer> mixer, const WaveFormat& format,
                                                       std::uint32_t bytes, bool)
{
    if (!mixer || !mixer->isOpen())
        return nullptr;
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16)
        return nullptr;
    if (format.channels < 1 || format.channels > 8 || format.sampleRate < 1000 || format.sampleRate > 384000)
        return nullptr;
    if (bytes == 0 || bytes > largestBuffer)
        return nullptr;
    const int channel = mixer->takeChannel();
    if (channel < 0)
        return nullptr;
    return std::unique_ptr<SdlSoundBuffer>(new SdlSoundBuffer(std::move(mixer), format, bytes, channel));
}

SdlSoundBuffer::SdlSoundBuffer(std::shared_ptr<SdlMixer> owner, const WaveFormat& bufferFormat, std::uint32_t bytes,
                               int mixingChannel)
    : mixer(std::move(owner)),
      format(bufferFormat),
      frameBytes(bufferFormat.channels * (bufferFormat.bitsPerSample / 8)),
      channel(mixingChannel),
      data(bytes)
{
    silence();
    convert();
}

SdlSoundBuffer::~SdlSoundBuffer()
{
    stop();
    Mix_UnregisterAllEffects(channel);
    mixer->giveBackChannel(channel);
}

void SdlSoundBuffer::stop()
{
    if (Mix_GetChunk(channel) == &chunk)
        Mix_HaltChannel(channel);
}

void SdlSoundBuffer::silence()
{
    std::fill(data.begin(), data.end(), static_cast<std::uint8_t>(format.bitsPerSample == 8 ? 0x80 : 0));
}

bool SdlSoundBuffer::convert()
{
    // Whole frames only; a stray byte at the end cannot be played.
    const std::size_t usable = data.size() - data.size() % static_cast<std::size_t>(frameBytes);
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, audioFormatOf(format), static_cast<Uint8>(format.channels), format.sampleRate,
                          mixer->getFormat(), static_cast<Uint8>(mixer->getChannels()), mixer->getRate()) < 0) {
        converted.clear();
        return false;
    }
    if (!cvt.needed) {
        converted.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(usable));
        return true;
    }
    std::vector<std::uint8_t> work(usable * static_cast<std::size_t>(cvt.len_mult) + 64);
    std::memcpy(work.data(), data.data(), usable);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(usable);
    if (SDL_ConvertAudio(&cvt) != 0) {
        converted.clear();
        return false;
    }
    converted.assign(work.begin(), work.begin() + cvt.len_cvt);
    return true;
}

bool SdlSoundBuffer::lock(std::uint8_t*& bits, std::uint32_t& bytes)
{
    if (lost || locked)
        return false;
    stop();
    locked = true;
    bits = data.data();
    bytes = static_cast<std::uint32_t>(data.size());
    return true;
}

bool SdlSoundBuffer::unlock(std::uint32_t)
{
    if (!locked)
        return false;
    locked = false;
    return convert();
}

bool SdlSoundBuffer::setPosition(std::uint32_t byteOffset)
{
    if (lost)
        return false;
    const std::uint32_t bounded = std::min<std::uint32_t>(byteOffset, getSize());
    position = bounded - bounded % static_cast<std::uint32_t>(frameBytes);
    return true;
}

bool SdlSoundBuffer::play(bool looping)
{
    if (lost || locked)
        return false;
    stop();
    if (converted.empty() || data.empty())
        return true;
    // Where the position falls in the converted sound, on a whole frame of the mixer.
    const std::size_t mixerFrame = static_cast<std::size_t>(mixer->getChannels()) *
                                   static_cast<std::size_t>(SDL_AUDIO_BITSIZE(mixer->getFormat()) / 8);
    std::size_t offset = static_cast<std::size_t>(static_cast<double>(position) / static_cast<double>(data.size()) *
                                                  static_cast<double>(converted.size()));
    offset -= offset % mixerFrame;
    if (offset >= converted.size())
        return true;
    chunk.allocated = 0;
    chunk.abuf = converted.data() + offset;
    chunk.alen = static_cast<Uint32>(converted.size() - offset);
    chunk.volume = MIX_MAX_VOLUME;
    playStart = position;
    mixedBytes = 0;
    Mix_UnregisterAllEffects(channel);
    Mix_RegisterEffect(channel, &SdlSoundBuffer::countMixedBytes, nullptr, this);
#ifdef __EMSCRIPTEN__
    web::wakeAudio();
#endif
    return Mix_PlayChannel(channel, &chunk, looping ? -1 : 0) == channel;
}

bool SdlSoundBuffer::isPlaying() const { return Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == &chunk; }

bool SdlSoundBuffer::restore()
{
    lost = false;
    return true;
}

void SdlSoundBuffer::lose()
{
    stop();
    locked = false;
    lost = true;
    silence();
    convert();
}

void SdlSoundBuffer::countMixedBytes(int, void*, int length, void* self)
{
    static_cast<SdlSoundBuffer*>(self)->mixedBytes += static_cast<std::uint64_t>(std::max(length, 0));
}

std::uint32_t SdlSoundBuffer::playedPosition() const
{
    if (converted.empty())
        return playStart;
    const double ratio = static_cast<double>(data.size()) / static_cast<double>(converted.size());
    const double played = static_cast<double>(mixedBytes.load()) * ratio;
    return static_cast<std::uint32_t>(std::min<double>(playStart + played, static_cast<double>(data.size())));
}

}  // namespace platform::sdl
