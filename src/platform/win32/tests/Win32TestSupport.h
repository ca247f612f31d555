#pragma once

// Shared pieces of the Windows layer's tests: a real window of the layer, and direct
// DirectDraw surfaces in a chosen format for checks that must not depend on the desktop's depth.

#include <windows.h>
#include <ddraw.h>

#include <memory>
#include <vector>

#include "platform/Platform.h"
#include "platform/win32/DisplaySurface.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"

namespace kelvary_test {

// The layer's platform with one framed 800x600 window, recording what its window procedure
// is told.
struct WindowedPlatform {
    std::unique_ptr<platform::Platform> system = platform::win32::createWin32Platform();
    std::vector<platform::Message> received;
    std::unique_ptr<platform::Window> window;

    WindowedPlatform()
    {
        system->setMessageHandler([this](const platform::Message& message) { received.push_back(message); });
        platform::WindowSettings settings;
        window = system->createWindow(settings);
        if (window)
            window->fitToClient(800, 600);
    }
    HWND handle() const
    {
        auto* own = dynamic_cast<platform::win32::Win32Window*>(window.get());
        return own ? own->handle() : nullptr;
    }
};

// A DirectDraw object at normal level on a window, making surfaces of an explicit format.
struct DirectDrawFixture {
    IDirectDraw* device = nullptr;

    explicit DirectDrawFixture(HWND window)
    {
        if (DirectDrawCreate(nullptr, &device, nullptr) != DD_OK)
            device = nullptr;
        if (device)
            device->SetCooperativeLevel(window, DDSCL_NORMAL);
    }
    ~DirectDrawFixture()
    {
        if (device)
            device->Release();
    }
    DirectDrawFixture(const DirectDrawFixture&) = delete;
    DirectDrawFixture& operator=(const DirectDrawFixture&) = delete;

    // An off-screen surface in 16-bit 5-6-5, whatever the desktop shows.
    std::unique_ptr<platform::win32::DisplaySurface> surface565(int width, int height) const
    {
        if (!device)
            return nullptr;
        DDSURFACEDESC description{};
        description.dwSize = sizeof description;
        description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
        description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
        description.dwWidth = static_cast<DWORD>(width);
        description.dwHeight = static_cast<DWORD>(height);
        description.ddpfPixelFormat.dwSize = sizeof(DDPIXELFORMAT);
        description.ddpfPixelFormat.dwFlags = DDPF_RGB;
        description.ddpfPixelFormat.dwRGBBitCount = 16;
        description.ddpfPixelFormat.dwRBitMask = 0xF800;
        description.ddpfPixelFormat.dwGBitMask = 0x07E0;
        description.ddpfPixelFormat.dwBBitMask = 0x001F;
        IDirectDrawSurface* raw = nullptr;
        if (device->CreateSurface(&description, &raw, nullptr) != DD_OK)
            return nullptr;
        return platform::win32::DisplaySurface::adopt(raw);
    }
};

// Every raw pixel of a rectangle of the surface, row by row, read through one lock.
inline std::vector<std::uint32_t> pixelsIn(platform::Surface& surface, const platform::Rect& area)
{
    std::vector<std::uint32_t> values;
    platform::LockedPixels locked;
    if (!surface.lock(area, locked))
        return values;
    const int bytes = surface.getBitsPerPixel() / 8;
    for (int y = 0; y < area.height(); ++y) {
        const std::uint8_t* row = locked.bits + static_cast<std::ptrdiff_t>(y) * locked.pitch;
        for (int x = 0; x < area.width(); ++x) {
            std::uint32_t value = 0;
            for (int i = 0; i < bytes; ++i)
                value |= static_cast<std::uint32_t>(row[x * bytes + i]) << (8 * i);
            values.push_back(value);
        }
    }
    surface.unlock();
    return values;
}

// Reads one raw pixel of a surface through a lock of that single pixel.
inline std::uint32_t pixelAt(platform::Surface& surface, int x, int y)
{
    const auto one = pixelsIn(surface, platform::Rect{x, y, x + 1, y + 1});
    return one.empty() ? 0xDEADBEEF : one[0];
}

}  // namespace kelvary_test
