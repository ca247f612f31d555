#include "platform/win32/DisplaySurface.h"

#include "platform/Clipping.h"

namespace platform::win32 {

namespace {

bool describe(IDirectDrawSurface* surface, DDSURFACEDESC& description)
{
    description = DDSURFACEDESC{};
    description.dwSize = sizeof description;
    return surface->GetSurfaceDesc(&description) == DD_OK;
}

// The picture from the program's resources, else from the file, scaled to width x height.
HBITMAP loadBitmap(const char* fileName, int width, int height)
{
    HANDLE picture = LoadImageA(GetModuleHandleA(nullptr), fileName, IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION);
    if (!picture)
        picture = LoadImageA(nullptr, fileName, IMAGE_BITMAP, width, height, LR_CREATEDIBSECTION | LR_LOADFROMFILE);
    return static_cast<HBITMAP>(picture);
}

}  // namespace

DisplaySurface::DisplaySurface(IDirectDrawSurface* s, int w, int h, int bits)
    : surface(s),
      width(w),
      height(h),
      bitsPerPixel(bits)
{}

std::unique_ptr<DisplaySurface> DisplaySurface::adopt(IDirectDrawSurface* surface)
{
    if (!surface)
        return nullptr;
    DDSURFACEDESC description;
    if (!describe(surface, description)) {
        surface->Release();
        return nullptr;
    }
    return std::unique_ptr<DisplaySurface>(
        new DisplaySurface(surface, static_cast<int>(description.dwWidth), static_cast<int>(description.dwHeight),
                           static_cast<int>(description.ddpfPixelFormat.dwRGBBitCount)));
}

std::unique_ptr<DisplaySurface> DisplaySurface::createOffScreen(IDirectDraw* device, int width, int height)
{
    if (!device || width <= 0 || height <= 0)
        return nullptr;
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    description.dwWidth = static_cast<DWORD>(width);
    description.dwHeight = static_cast<DWORD>(height);
    IDirectDrawSurface* surface = nullptr;
    if (device->CreateSurface(&description, &surface, nullptr) != DD_OK)
        return nullptr;
    return adopt(surface);
}

DisplaySurface::~DisplaySurface()
{
    releaseDrawContext();
    if (lockedBits)
        surface->Unlock(lockedBits);
    surface->Release();
}

void DisplaySurface::setColourKey(std::uint32_t low, std::uint32_t high)
{
    DDCOLORKEY key{low, high};
    surface->SetColorKey(DDCKEY_SRCBLT, &key);
}

bool DisplaySurface::blit(Surface& from, const Rect& source, int x, int y, bool keyed)
{
    auto* other = dynamic_cast<DisplaySurface*>(&from);
    if (!other || isBusy() || other->isBusy())
        return false;
    if (source.right < source.left || source.bottom < source.top)
        return false;

    // No rectangle the driver sees may lie outside its surface.
    ClippedBlit cut;
    if (!clipBlit(source, x, y, other->width, other->height, width, height, cut))
        return true;  // nothing of it is visible

    const Rect& part = cut.source;
    RECT sourceRect{part.left, part.top, part.right, part.bottom};
    RECT target{cut.x, cut.y, cut.x + part.width(), cut.y + part.height()};
    const DWORD flags = DDBLT_WAIT | (keyed ? DDBLT_KEYSRC : 0);
    return surface->Blt(&target, other->surface, &sourceRect, flags, nullptr) == DD_OK;
}

bool DisplaySurface::fill(const Rect& area, std::uint32_t pixel)
{
    if (isBusy())
        return false;
    const Rect inside = clipToSurface(area, width, height);
    if (inside.isEmpty())
        return true;
    RECT target{inside.left, inside.top, inside.right, inside.bottom};
    DDBLTFX effects{};
    effects.dwSize = sizeof effects;
    effects.dwFillColor = pixel;
    return surface->Blt(&target, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &effects) == DD_OK;
}

bool DisplaySurface::lock(const Rect& area, LockedPixels& out)
{
    if (isBusy())
        return false;
    if (area.left < 0 || area.top < 0 || area.right > width || area.bottom > height || area.isEmpty())
        return false;
    RECT rect{area.left, area.top, area.right, area.bottom};
    DDSURFACEDESC description{};
    description.dwSize = sizeof description;
    if (surface->Lock(&rect, &description, DDLOCK_WAIT | DDLOCK_SURFACEMEMORYPTR, nullptr) != DD_OK)
        return false;
    lockedBits = description.lpSurface;
    // The pointer is the locked rectangle's top-left pixel; rows may be wider than the surface.
    out.bits = static_cast<std::uint8_t*>(description.lpSurface);
    out.pitch = static_cast<int>(description.lPitch);
    return true;
}

bool DisplaySurface::unlock()
{
    if (!lockedBits)
        return false;
    const bool done = surface->Unlock(lockedBits) == DD_OK;
    lockedBits = nullptr;
    return done;
}

bool DisplaySurface::loadPicture(const char* fileName)
{
    if (!fileName || isBusy())
        return false;
    HBITMAP picture = loadBitmap(fileName, width, height);
    if (!picture)
        return false;
    HDC target = nullptr;
    if (surface->GetDC(&target) != DD_OK) {
        DeleteObject(picture);
        return false;
    }
    HDC memory = CreateCompatibleDC(target);
    bool copied = false;
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, picture);
        copied = BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY) != 0;
        SelectObject(memory, previous);
    }
    DeleteObject(picture);
    surface->ReleaseDC(target);
    if (memory)
        DeleteDC(memory);
    return copied;
}

bool DisplaySurface::isLost() const { return surface->IsLost() == DDERR_SURFACELOST; }

bool DisplaySurface::restore() { return surface->Restore() == DD_OK; }

DrawContext* DisplaySurface::getDrawContext()
{
    if (drawContext)
        return drawContext.get();
    if (lockedBits)
        return nullptr;  // a locked surface gives no device context
    if (surface->GetDC(&deviceContext) != DD_OK) {
        deviceContext = nullptr;
        return nullptr;
    }
    drawContext = std::make_unique<GdiDrawContext>(deviceContext);
    return drawContext.get();
}

void DisplaySurface::releaseDrawContext()
{
    if (!drawContext)
        return;
    drawContext.reset();  // puts the context's own pen and font back first
    surface->ReleaseDC(deviceContext);
    deviceContext = nullptr;
}

}  // namespace platform::win32
