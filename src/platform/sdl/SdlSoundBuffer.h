#pragma once

// One effect's sound buffer on the SDL2_mixer device.

#include <SDL_mixer.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Sound.h"
#include "platform/sdl/SdlMixer.h"

namespace platform::sdl {

// Holds the sound in its own format (what `lock` hands out) and, after `unlock`, the same
// sound converted to the mixer's format, which plays on the buffer's own mixing channel.
class SdlSoundBuffer : public SoundBuffer {
public:
    // Null if the format is not 8- or 16-bit PCM the mixer can convert, or the size is absurd.
    static std::unique_ptr<SdlSoundBuffer> create(std::shared_ptr<SdlMixer> mixer, const WaveFormat& format,
                                                  std::uint32_t bytes, bool looping);
    ~SdlSoundBuffer() override;

    std::uint32_t getSize() const override { return static_cast<std::uint32_t>(data.size()); }
    bool lock(std::uint8_t*& bits, std::uint32_t& bytes) override;
    bool unlock(std::uint32_t written) override;
    bool setPosition(std::uint32_t byteOffset) override;
    bool play(bool looping) override;
    bool isPlaying() const override;
    bool isLost() const override { return lost; }
    bool restore() override;

    // The device was taken away: the sound stops and its data is gone.
    void lose();
    // Bytes of this buffer played since the last `play` started, counted from its start position.
    std::uint32_t playedPosition() const;

private:
    SdlSoundBuffer(std::shared_ptr<SdlMixer> mixer, const WaveFormat& format, std::uint32_t bytes, int channel);
    void stop();
    void silence();
    bool convert();
    static void countMixedBytes(int channel, void* stream, int length, void* self);

    std::shared_ptr<SdlMixer> mixer;
    WaveFormat format;
    int frameBytes;
    int channel;
    std::vector<std::uint8_t> data;       // the buffer's own format
    std::vector<std::uint8_t> converted;  // the mixer's format
    Mix_Chunk chunk{};
    bool locked = false;
    bool lost = false;
    std::uint32_t position = 0;
    std::uint32_t playStart = 0;
    std::atomic<std::uint64_t> mixedBytes{0};
};

}  // namespace platform::sdl
