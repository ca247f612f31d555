#include "platform/sdl/SdlMixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform::sdl {

namespace {
constexpr int mixingChunkFrames = 1024;
}

SdlMixer::SdlMixer(const WaveFormat& primary)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    subsystemStarted = true;
    const std::uint16_t wanted = primary.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16SYS;
    if (Mix_OpenAudio(primary.sampleRate, wanted, primary.channels, mixingChunkFrames) != 0)
        return;
    int frequency = 0;
    Uint16 played = 0;
    int count = 0;
    if (Mix_QuerySpec(&frequency, &played, &count) == 0) {
        Mix_CloseAudio();
        return;
    }
    open = true;
    rate = frequency;
    format = played;
    channels = count;
    channelInUse.assign(static_cast<std::size_t>(Mix_AllocateChannels(-1)), false);
}

SdlMixer::~SdlMixer()
{
    if (open) {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
    }
    if (subsystemStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlMixer::takeChannel()
{
    for (std::size_t i = 0; i < channelInUse.size(); ++i) {
        if (!channelInUse[i]) {
            channelInUse[i] = true;
            return static_cast<int>(i);
        }
    }
    const int channel = static_cast<int>(channelInUse.size());
    if (Mix_AllocateChannels(channel + 8) < channel + 1)
        return -1;
    channelInUse.resize(static_cast<std::size_t>(channel) + 8, false);
    channelInUse[static_cast<std::size_t>(channel)] = true;
    return channel;
}

void SdlMixer::giveBackChannel(int channel)
{
    if (channel >= 0 && static_cast<std::size_t>(channel) < channelInUse.size())
        channelInUse[static_cast<std::size_t>(channel)] = false;
}

}  // namespace platform::sdl
