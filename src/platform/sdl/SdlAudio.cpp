// The sound device on SDL2_mixer: one mixing channel per effect buffer, so different effects
// sound together and playing an effect again restarts it.
#include "platform/sdl/SdlAudio.h"

#include <SDL_mixer.h>

#include "platform/sdl/SdlMixer.h"
#include "platform/sdl/SdlSoundBuffer.h"

namespace platform::sdl {

namespace {

class SdlSoundDevice : public SoundDevice {
public:
    explicit SdlSoundDevice(std::shared_ptr<SdlMixer> opened) : mixer(std::move(opened)) {}

    std::unique_ptr<SoundBuffer> createBuffer(const WaveFormat& format, std::uint32_t bytes, bool looping) override
    {
        return SdlSoundBuffer::create(mixer, format, bytes, looping);
    }

private:
    // Buffers share the mixer too, so one that outlives the device still closes cleanly.
    std::shared_ptr<SdlMixer> mixer;
};

}  // namespace

std::unique_ptr<SoundDevice> createSoundDevice(const WaveFormat& primary)
{
    auto mixer = std::make_shared<SdlMixer>(primary);
    if (!mixer->isOpen())
        return nullptr;
    return std::make_unique<SdlSoundDevice>(std::move(mixer));
}

int playingVoices()
{
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) == 0)
        return 0;
    return Mix_Playing(-1);
}

void loseSoundBuffer(SoundBuffer& buffer)
{
    if (auto* sdlBuffer = dynamic_cast<SdlSoundBuffer*>(&buffer))
        sdlBuffer->lose();
}

std::uint32_t playPosition(const SoundBuffer& buffer)
{
    if (const auto* sdlBuffer = dynamic_cast<const SdlSoundBuffer*>(&buffer))
        return sdlBuffer->playedPosition();
    return 0;
}

}  // namespace platform::sdl
