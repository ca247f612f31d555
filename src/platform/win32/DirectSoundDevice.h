#pragma once

// DirectSound at priority level with the game's primary format, and its static buffers.

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <memory>

#include "platform/Sound.h"

namespace platform::win32 {

class DirectSoundBuffer final : public SoundBuffer {
public:
    DirectSoundBuffer(IDirectSoundBuffer* soundBuffer, std::uint32_t size) : buffer(soundBuffer), bytes(size) {}
    ~DirectSoundBuffer() override;
    DirectSoundBuffer(const DirectSoundBuffer&) = delete;
    DirectSoundBuffer& operator=(const DirectSoundBuffer&) = delete;

    std::uint32_t getSize() const override { return bytes; }
    bool lock(std::uint8_t*& data, std::uint32_t& lockedBytes) override;
    bool unlock(std::uint32_t written) override;
    bool setPosition(std::uint32_t byteOffset) override;
    bool play(bool looping) override;
    bool isPlaying() const override;
    bool isLost() const override;
    bool restore() override;

private:
    IDirectSoundBuffer* buffer;
    std::uint32_t bytes;
    void* locked = nullptr;
    DWORD lockedLength = 0;
};

class DirectSoundDevice final : public SoundDevice {
public:
    // The default device at priority level on `window`, its primary buffer set to `primary`
    // (a refused format is not an error); null without a device or the level.
    static std::unique_ptr<DirectSoundDevice> create(HWND window, const WaveFormat& primary);

    ~DirectSoundDevice() override;
    DirectSoundDevice(const DirectSoundDevice&) = delete;
    DirectSoundDevice& operator=(const DirectSoundDevice&) = delete;

    std::unique_ptr<SoundBuffer> createBuffer(const WaveFormat& format, std::uint32_t bytes, bool looping) override;
    // Sets the priority level again on the new window: DirectSound plays only while the
    // window it was given has the focus, and a destroyed one never has it again.
    bool followWindow(Window* window) override;
    HWND getWindow() const { return cooperativeWindow; }

    // PCM in the given format, as the primary buffer and every effect's buffer describe it.
    static WAVEFORMATEX describe(const WaveFormat& format);

private:
    explicit DirectSoundDevice(IDirectSound* soundDevice) : device(soundDevice) {}
    bool setCooperativeWindow(HWND window);

    IDirectSound* device;
    HWND cooperativeWindow = nullptr;
};

}  // namespace platform::win32
