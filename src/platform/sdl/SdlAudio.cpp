// Placeholder until the sound device lands: no device can be opened yet.
#include "platform/sdl/SdlAudio.h"

namespace platform::sdl {
std::unique_ptr<SoundDevice> createSoundDevice(const WaveFormat&) { return nullptr; }
int playingVoices() { return 0; }
}  // namespace platform::sdl
