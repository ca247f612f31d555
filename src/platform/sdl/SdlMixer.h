#pragma once

// The open SDL2_mixer device, shared by the sound device and every buffer made on it.

#include <cstdint>
#include <vector>

#include "platform/Sound.h"

namespace platform::sdl {

class SdlMixer {
public:
    // Opens the audio subsystem and the mixer; check `isOpen`.
    explicit SdlMixer(const WaveFormat& primary);
    SdlMixer(const SdlMixer&) = delete;
    SdlMixer& operator=(const SdlMixer&) = delete;
    ~SdlMixer();

    bool isOpen() const { return open; }
    // The format the mixer really plays (SDL may pick another rate or channel count).
    std::uint16_t getFormat() const { return format; }
    int getChannels() const { return channels; }
    int getRate() const { return rate; }

    // A mixing channel of its own for one buffer, so that buffers mix and each restarts alone.
    int takeChannel();
    void giveBackChannel(int channel);

private:
    bool subsystemStarted = false;
    bool open = false;
    std::uint16_t format = 0;
    int channels = 0;
    int rate = 0;
    std::vector<bool> channelInUse;
};

}  // namespace platform::sdl
