#pragma once

#include <cstdint>
#include <memory>

namespace platform {

class Window;

struct WaveFormat {
    int channels = 1;
    int sampleRate = 22050;
    int bitsPerSample = 16;
};

// One effect's sound: a buffer of PCM data in its own format that plays from a position.
class SoundBuffer {
public:
    virtual ~SoundBuffer() = default;
    virtual std::uint32_t getSize() const = 0;
    // Locks the whole buffer for writing; the buffer cannot play while locked.
    virtual bool lock(std::uint8_t*& data, std::uint32_t& bytes) = 0;
    // Unlocks it, `written` bytes having been filled from the start.
    virtual bool unlock(std::uint32_t written) = 0;
    virtual bool setPosition(std::uint32_t byteOffset) = 0;
    virtual bool play(bool looping) = 0;
    virtual bool isPlaying() const = 0;
    // A lost buffer (the device was taken away) fails to play until restored; its data is gone.
    virtual bool isLost() const = 0;
    virtual bool restore() = 0;
};

// The sound device, opened once with the primary mixing format.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // A buffer of `bytes` bytes of sound in `format`; null on failure.
    virtual std::unique_ptr<SoundBuffer> createBuffer(const WaveFormat& format, std::uint32_t bytes, bool looping) = 0;
    // The window was built anew (a full-screen switch): a device tied to the old one follows
    // it to `window`.  False if it cannot.
    virtual bool followWindow(Window* window) { return true; }
};

}  // namespace platform
