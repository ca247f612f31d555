#include "platform/win32/DirectDrawDevice.h"

#include <vector>

namespace platform::win32 {

namespace {

// Releases a clipper when set-up leaves the scope; the surfaces keep their own reference.
struct ClipperRef {
    IDirectDrawClipper* clipper = nullptr;
    ~ClipperRef()
    {
        if (clipper)
            clipper->Release();
    }
};

}  // namespace

DirectDrawDevice::DirectDrawDevice(IDirectDraw* d, HWND w, bool full, int wd, int ht)
    : device(d),
      window(w),
      fullScreen(full),
      width(wd),
      height(ht)
{}

std::unique_ptr<DirectDrawDevice> DirectDrawDevice::create(HWND window, bool fullScreen, int width, int height,
                                                           int bitsPerPixel)
{
    if (!window || width <= 0 || height <= 0)
        return nullptr;
    IDirectDraw* device = nullptr;
    if (DirectDrawCreate(nullptr, &device, nullptr) != DD_OK || !device)
        return nullptr;
    std::unique_ptr<DirectDrawDevice> result(new DirectDrawDevice(device, window, fullScreen, width, height));
    if (fullScreen) {
        if (device->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) != DD_OK ||
            device->SetDisplayMode(static_cast<DWORD>(width), static_cast<DWORD>(height),
                                   static_cast<DWORD>(bitsPerPixel)) != DD_OK)
            return nullptr;
    } else if (device->SetCooperativeLevel(window, DDSCL_NORMAL) != DD_OK) {
        return nullptr;
    }
    return result;
}

DirectDrawDevice::~DirectDrawDevice()
{
    releaseSurfaces();
    if (fullScreen)
        device->RestoreDisplayMode();
    device->Release();
}

bool DirectDrawDevice::isUsableFormat(const DDPIXELFORMAT& format)
{
    if (format.dwFlags != DDPF_RGB || format.dwRGBBitCount < 16)
        return false;
    // The game packs 16-bit pixels as 5-6-5; a 5-5-5 display (green mask 0x3E0) would show
    // every colour wrong.
    if (format.dwRGBBitCount == 16)
        return format.dwGBitMask == 0x07E0;
    return format.dwRGBBitCount == 24 || format.dwRGBBitCount == 32;
}

bool DirectDrawDevice::createSurfaces()
{
    releaseSurfaces();
    const bool made = fullScreen ? createFullScreenSurfaces() : createWindowSurfaces();
    if (!made)
        return false;

    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    if (primary->handle()->GetSurfaceDesc(&description) != DD_OK)
        return false;
    return isUsableFormat(description.ddpfPixelFormat);
}

bool DirectDrawDevice::createFullScreenSurfaces()
{
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    description.dwBackBufferCount = 1;
    IDirectDrawSurface* visible = nullptr;
    if (device->CreateSurface(&description, &visible, nullptr) != DD_OK)
        return false;
    primary = DisplaySurface::adopt(visible);
    if (!primary)
        return false;

    DDSCAPS backCaps{DDSCAPS_BACKBUFFER};
    IDirectDrawSurface* attached = nullptr;
    if (primary->handle()->GetAttachedSurface(&backCaps, &attached) != DD_OK)
        return false;
    back = DisplaySurface::adopt(attached);
    if (!back)
        return false;

    ClipperRef clip;
    if (device->CreateClipper(0, &clip.clipper, nullptr) != DD_OK || clip.clipper->SetHWnd(0, window) != DD_OK ||
        primary->handle()->SetClipper(clip.clipper) != DD_OK || back->handle()->SetClipper(clip.clipper) != DD_OK)
        return false;
    return true;
}

bool DirectDrawDevice::createWindowSurfaces()
{
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    IDirectDrawSurface* visible = nullptr;
    if (device->CreateSurface(&description, &visible, nullptr) != DD_OK)
        return false;
    primary = DisplaySurface::adopt(visible);
    if (!primary)
        return false;

    back = DisplaySurface::createOffScreen(device, width, height);
    if (!back)
        return false;

    {
        ClipperRef windowClip;
        if (device->CreateClipper(0, &windowClip.clipper, nullptr) != DD_OK ||
            windowClip.clipper->SetHWnd(0, window) != DD_OK ||
            primary->handle()->SetClipper(windowClip.clipper) != DD_OK)
            return false;
    }
    ClipperRef pictureClip;
    return device->CreateClipper(0, &pictureClip.clipper, nullptr) == DD_OK && clipToRectangle(pictureClip.clipper) &&
           back->handle()->SetClipper(pictureClip.clipper) == DD_OK;
}

// The clip list of the back surface: the single rectangle of the logical picture.
bool DirectDrawDevice::clipToRectangle(IDirectDrawClipper* clipper) const
{
    HRGN region = CreateRectRgn(0, 0, width, height);
    if (!region)
        return false;
    const DWORD bytes = GetRegionData(region, 0, nullptr);
    std::vector<std::uint8_t> data(bytes);
    const bool fetched = bytes > 0 && GetRegionData(region, bytes, reinterpret_cast<RGNDATA*>(data.data())) == bytes;
    DeleteObject(region);
    return fetched && clipper->SetClipList(reinterpret_cast<RGNDATA*>(data.data()), 0) == DD_OK;
}

void DirectDrawDevice::releaseSurfaces()
{
    back.reset();
    primary.reset();
}

bool DirectDrawDevice::present()
{
    if (!primary || !back || primary->isBusy() || back->isBusy())
        return false;
    if (fullScreen)
        return primary->handle()->Flip(nullptr, DDFLIP_WAIT) == DD_OK;
    POINT origin{0, 0};
    if (!ClientToScreen(window, &origin))
        return false;
    RECT target{origin.x, origin.y, origin.x + width, origin.y + height};
    return primary->handle()->Blt(&target, back->handle(), nullptr, DDBLT_WAIT, nullptr) == DD_OK;
}

std::unique_ptr<Surface> DirectDrawDevice::createSurface(int w, int h)
{
    return DisplaySurface::createOffScreen(device, w, h);
}

void DirectDrawDevice::flipToSystemSurface() { device->FlipToGDISurface(); }

}  // namespace platform::win32
