#pragma once

// The sound device on SDL2_mixer (see SdlAudio.cpp).

#include <cstdint>
#include <memory>

#include "platform/Sound.h"

namespace platform::sdl {

// Opens the default audio device with the primary format; null if it cannot be opened.
std::unique_ptr<SoundDevice> createSoundDevice(const WaveFormat& primary);

// The number of effects sounding right now (for tests: observe the mixer's voices).
int playingVoices();

// Faults and observations for tests.
void loseSoundBuffer(SoundBuffer& buffer);              // the buffer's sound is gone until restored
std::uint32_t playPosition(const SoundBuffer& buffer);  // bytes of the buffer played since `play`

}  // namespace platform::sdl
