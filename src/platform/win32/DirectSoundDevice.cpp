#include "platform/win32/DirectSoundDevice.h"

#include "platform/win32/Win32Window.h"

namespace platform::win32 {

namespace {

// The buffer description of the first DirectSound (without the 3D algorithm): 20 bytes in
// a 32-bit program, 24 with a 64-bit format pointer.
DSBUFFERDESC1 bufferDescription(DWORD flags, DWORD bytes, WAVEFORMATEX* format)
{
    DSBUFFERDESC1 description{};
    description.dwSize = sizeof description;
    description.dwFlags = flags;
    description.dwBufferBytes = bytes;
    description.lpwfxFormat = format;
    return description;
}

}  // namespace

WAVEFORMATEX DirectSoundDevice::describe(const WaveFormat& format)
{
    WAVEFORMATEX wave{};
    wave.wFormatTag = WAVE_FORMAT_PCM;
    wave.nChannels = static_cast<WORD>(format.channels);
    wave.nSamplesPerSec = static_cast<DWORD>(format.sampleRate);
    wave.wBitsPerSample = static_cast<WORD>(format.bitsPerSample);
    wave.nBlockAlign = static_cast<WORD>(format.channels * (format.bitsPerSample / 8));
    wave.nAvgBytesPerSec = wave.nSamplesPerSec * wave.nBlockAlign;
    return wave;
}

std::unique_ptr<DirectSoundDevice> DirectSoundDevice::create(HWND window, const WaveFormat& primary)
{
    if (!window)
        return nullptr;
    IDirectSound* device = nullptr;
    if (DirectSoundCreate(nullptr, &device, nullptr) != DS_OK || !device)
        return nullptr;
    std::unique_ptr<DirectSoundDevice> result(new DirectSoundDevice(device));
    if (!result->setCooperativeWindow(window))
        return nullptr;

    DSBUFFERDESC1 description = bufferDescription(DSBCAPS_PRIMARYBUFFER, 0, nullptr);
    IDirectSoundBuffer* primaryBuffer = nullptr;
    if (device->CreateSoundBuffer(reinterpret_cast<DSBUFFERDESC*>(&description), &primaryBuffer, nullptr) == DS_OK &&
        primaryBuffer) {
        WAVEFORMATEX wave = describe(primary);
        primaryBuffer->SetFormat(&wave);
        primaryBuffer->Release();
    }
    return result;
}

DirectSoundDevice::~DirectSoundDevice() { device->Release(); }

bool DirectSoundDevice::setCooperativeWindow(HWND window)
{
    if (!window || device->SetCooperativeLevel(window, DSSCL_PRIORITY) != DS_OK)
        return false;
    cooperativeWindow = window;
    return true;
}

bool DirectSoundDevice::followWindow(Window* window)
{
    auto* own = dynamic_cast<Win32Window*>(window);
    return own && setCooperativeWindow(own->handle());
}

std::unique_ptr<SoundBuffer> DirectSoundDevice::createBuffer(const WaveFormat& format, std::uint32_t bytes,
                                                             bool looping)
{
    if (bytes == 0 || format.channels <= 0 || format.sampleRate <= 0 || format.bitsPerSample <= 0)
        return nullptr;
    WAVEFORMATEX wave = describe(format);
    DSBUFFERDESC1 description = bufferDescription(looping ? DSBCAPS_GETCURRENTPOSITION2 : DSBCAPS_STATIC, bytes, &wave);
    IDirectSoundBuffer* buffer = nullptr;
    if (device->CreateSoundBuffer(reinterpret_cast<DSBUFFERDESC*>(&description), &buffer, nullptr) != DS_OK || !buffer)
        return nullptr;
    return std::make_unique<DirectSoundBuffer>(buffer, bytes);
}

DirectSoundBuffer::~DirectSoundBuffer()
{
    if (locked)
        buffer->Unlock(locked, 0, nullptr, 0);
    buffer->Release();
}

bool DirectSoundBuffer::lock(std::uint8_t*& data, std::uint32_t& lockedBytes)
{
    data = nullptr;
    lockedBytes = 0;
    if (locked)
        return false;
    void* second = nullptr;
    DWORD secondLength = 0;
    if (buffer->Lock(0, 0, &locked, &lockedLength, &second, &secondLength, DSBLOCK_ENTIREBUFFER) != DS_OK) {
        locked = nullptr;
        return false;
    }
    data = static_cast<std::uint8_t*>(locked);
    lockedBytes = lockedLength;
    return true;
}

bool DirectSoundBuffer::unlock(std::uint32_t written)
{
    if (!locked)
        return false;
    const DWORD length = written < lockedLength ? written : lockedLength;
    const bool done = buffer->Unlock(locked, length, nullptr, 0) == DS_OK;
    locked = nullptr;
    lockedLength = 0;
    return done;
}

bool DirectSoundBuffer::setPosition(std::uint32_t byteOffset)
{
    return buffer->SetCurrentPosition(byteOffset) == DS_OK;
}

bool DirectSoundBuffer::play(bool looping)
{
    if (locked)
        return false;
    return buffer->Play(0, 0, looping ? DSBPLAY_LOOPING : 0) == DS_OK;
}

bool DirectSoundBuffer::isPlaying() const
{
    DWORD status = 0;
    return buffer->GetStatus(&status) == DS_OK && (status & DSBSTATUS_PLAYING) != 0;
}

bool DirectSoundBuffer::isLost() const
{
    DWORD status = 0;
    return buffer->GetStatus(&status) == DS_OK && (status & DSBSTATUS_BUFFERLOST) != 0;
}

bool DirectSoundBuffer::restore() { return buffer->Restore() == DS_OK; }

}  // namespace platform::win32
