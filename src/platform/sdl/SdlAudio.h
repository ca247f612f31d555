#pragma once

// The sound device on SDL2_mixer (see SdlAudio.cpp).

#include <memory>

#include "platform/Sound.h"

namespace platform::sdl {

// Opens the default audio device with the primary format; null if it cannot be opened.
std::unique_ptr<SoundDevice> createSoundDevice(const WaveFormat& primary);

// The number of effects sounding right now (for tests: observe the mixer's voices).
int playingVoices();

}  // namespace platform::sdl
