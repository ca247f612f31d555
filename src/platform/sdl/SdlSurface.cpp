#include "platform/sdl/SdlSurface.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/Clipping.h"
#include "platform/sdl/SameBytes.h"
#include "platform/sdl/SdlDrawing.h"

namespace platform::sdl {

namespace {

// Largest side a picture file may declare.  A damaged header with a huge size is refused
// before any memory is reserved for it.
constexpr long long maxPictureSide = 16384;

std::uint32_t readLittleEndian(const unsigned char* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

// True when the file starts like a Windows bitmap of a sensible size.  SDL reads the rest;
// this only keeps a garbage header from asking for gigabytes.
bool hasPlausibleBitmapHeader(const char* fileName)
{
    SDL_RWops* file = SDL_RWFromFile(fileName, "rb");
    if (!file)
        return false;
    unsigned char header[26] = {};
    const size_t got = SDL_RWread(file, header, 1, sizeof header);
    SDL_RWclose(file);
    if (got < 18 || header[0] != 'B' || header[1] != 'M')
        return false;
    const std::uint32_t infoSize = readLittleEndian(header + 14, 4);
    if (infoSize < 40)
        return true;  // the old 12-byte header holds 16-bit sizes only
    if (got < sizeof header)
        return false;
    const long long width = static_cast<std::int32_t>(readLittleEndian(header + 18, 4));
    const long long height = static_cast<std::int32_t>(readLittleEndian(header + 22, 4));
    return width > 0 && width <= maxPictureSide && height != 0 && height >= -maxPictureSide && height <= maxPictureSide;
}

std::uint32_t readPixel(const std::uint8_t* p, int bytesPerPixel)
{
    switch (bytesPerPixel) {
    case 2: {
        std::uint16_t v;
        std::memcpy(&v, p, 2);
        return v;
    }
    case 3: return static_cast<std::uint32_t>(p[0]) | (p[1] << 8) | (p[2] << 16);
    default: {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        return v & 0x00FFFFFFu;  // the fourth byte of a 32-bit pixel carries no colour
    }
    }
}

}  // namespace

std::uint32_t SdlSurface::formatForDepth(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 16: return SDL_PIXELFORMAT_RGB565;
    case 24: return SDL_PIXELFORMAT_BGR24;   // bytes B, G, R: the raw value is 0x00RRGGBB
    case 32: return SDL_PIXELFORMAT_RGB888;  // 0x00RRGGBB in one 32-bit word
    default: return SDL_PIXELFORMAT_UNKNOWN;
    }
}

std::unique_ptr<SdlSurface> SdlSurface::create(int width, int height, std::uint32_t pixelFormat)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    if (pixelFormat != SDL_PIXELFORMAT_RGB565 && pixelFormat != SDL_PIXELFORMAT_BGR24 &&
        pixelFormat != SDL_PIXELFORMAT_RGB888)
        return nullptr;
    const int depth = SDL_BITSPERPIXEL(pixelFormat) == 24 && SDL_BYTESPERPIXEL(pixelFormat) == 4
                          ? 32
                          : static_cast<int>(SDL_BITSPERPIXEL(pixelFormat));
    SDL_Surface* plain = SDL_CreateRGBSurfaceWithFormat(0, width, height, depth, pixelFormat);
    if (!plain)
        return nullptr;
    std::memset(plain->pixels, 0, static_cast<size_t>(plain->pitch) * plain->h);
    SDL_Surface* keyed =
        SDL_CreateRGBSurfaceWithFormatFrom(plain->pixels, width, height, depth, plain->pitch, pixelFormat);
    if (!keyed) {
        SDL_FreeSurface(plain);
        return nullptr;
    }
    SDL_SetSurfaceBlendMode(plain, SDL_BLENDMODE_NONE);
    SDL_SetSurfaceBlendMode(keyed, SDL_BLENDMODE_NONE);
    SDL_SetColorKey(keyed, SDL_TRUE, 0);
    return std::unique_ptr<SdlSurface>(new SdlSurface(plain, keyed));
}

SdlSurface::SdlSurface(SDL_Surface* plain, SDL_Surface* keyed) : surface(plain), keyedView(keyed) {}

SdlSurface::~SdlSurface()
{
    drawContext.reset();
    SDL_FreeSurface(keyedView);
    SDL_FreeSurface(surface);
}

int SdlSurface::getWidth() const { return surface->w; }
int SdlSurface::getHeight() const { return surface->h; }
int SdlSurface::getBitsPerPixel() const { return surface->format->BytesPerPixel * 8; }

void SdlSurface::setColourKey(std::uint32_t low, std::uint32_t high)
{
    keyLow = low;
    keyHigh = high;
    SDL_SetColorKey(keyedView, SDL_TRUE, low);
}

bool SdlSurface::blit(Surface& from, const Rect& source, int x, int y, bool keyed)
{
    auto* other = dynamic_cast<SdlSurface*>(&from);
    if (!other || isBusy() || other->isBusy())
        return false;
    if (source.right < source.left || source.bottom < source.top)
        return false;

    ClippedBlit cut;
    if (!clipBlit(source, x, y, other->getWidth(), other->getHeight(), getWidth(), getHeight(), cut))
        return true;  // nothing of it is visible

    SDL_Rect part{cut.source.left, cut.source.top, cut.source.width(), cut.source.height()};
    SDL_Rect to{cut.x, cut.y, part.w, part.h};

    // A surface copied onto itself goes through a copy of the source part first, so that
    // overlapping rectangles read the picture as it was before the blit.
    SDL_Surface* plainSource = other->surface;
    SDL_Surface* keyedSource = other->keyedView;
    SDL_Surface* scratch = nullptr;
    if (other == this) {
        scratch =
            SDL_CreateRGBSurfaceWithFormat(0, part.w, part.h, surface->format->BitsPerPixel, surface->format->format);
        if (!scratch)
            return false;
        SDL_SetSurfaceBlendMode(scratch, SDL_BLENDMODE_NONE);
        SDL_Rect whole{0, 0, part.w, part.h};
        SDL_LowerBlit(surface, &part, scratch, &whole);
        part = whole;
        plainSource = scratch;
        if (keyed && keyLow == keyHigh)
            SDL_SetColorKey(scratch, SDL_TRUE, keyLow);
        keyedSource = scratch;
    }

    if (frameChanges && !keyed && !scratch && plainSource->format->format == surface->format->format) {
        // Compared as it goes, so that only rows that differ count as changed.
        if (part.w == getWidth() && part.h == getHeight() && other->getWidth() == part.w &&
            other->getHeight() == part.h) {
            copyWholePicture(*other);
        } else {
            copyChangedRows(plainSource, part, to);
            frameChanges->drawnOver(Rect{to.x, to.y, to.x + to.w, to.y + to.h});
        }
        ++version;
        return true;
    }

    bool done;
    if (!keyed) {
        done = SDL_LowerBlit(plainSource, &part, surface, &to) == 0;
    } else if (other->keyLow == other->keyHigh) {
        done = SDL_LowerBlit(keyedSource, &part, surface, &to) == 0;
    } else {
        done = blitKeyRange(plainSource, part, to, other->keyLow, other->keyHigh);
    }
    if (scratch)
        SDL_FreeSurface(scratch);
    wrote(to);
    return done;
}

// A picture copied onto the whole tracked surface, as a menu's background is every frame:
// if the same picture was copied whole before, only the places drawn over since are copied.
void SdlSurface::copyWholePicture(const SdlSurface& picture)
{
    const SDL_Rect whole{0, 0, getWidth(), getHeight()};
    if (const std::vector<Rect>* places = frameChanges->stillToCopy(picture.identity, picture.version)) {
        for (const Rect& place : *places) {
            const SDL_Rect area{place.left, place.top, place.width(), place.height()};
            copyChangedRows(picture.surface, area, area);
        }
    } else {
        copyChangedRows(picture.surface, whole, whole);
    }
    frameChanges->copiedWhole(picture.identity, picture.version);
}

// An opaque copy in one format that leaves rows already equal to their source untouched
// and notes only the rows it wrote as changed.
void SdlSurface::copyChangedRows(const SDL_Surface* source, const SDL_Rect& from, const SDL_Rect& to)
{
    const int bpp = surface->format->BytesPerPixel;
    const size_t rowBytes = static_cast<size_t>(from.w) * bpp;
    const auto* srcRow = static_cast<const std::uint8_t*>(source->pixels) +
                         static_cast<size_t>(from.y) * source->pitch + static_cast<size_t>(from.x) * bpp;
    auto* dstRow = static_cast<std::uint8_t*>(surface->pixels) + static_cast<size_t>(to.y) * surface->pitch +
                   static_cast<size_t>(to.x) * bpp;
    for (int row = 0; row < from.h; ++row, srcRow += source->pitch, dstRow += surface->pitch) {
        if (sameBytes(srcRow, dstRow, rowBytes))
            continue;
        std::memcpy(dstRow, srcRow, rowBytes);
        frameChanges->changed(Rect{to.x, to.y + row, to.x + to.w, to.y + row + 1});
    }
}

void SdlSurface::wrote(const SDL_Rect& area)
{
    ++version;
    if (!frameChanges)
        return;
    const Rect written{area.x, area.y, area.x + area.w, area.y + area.h};
    frameChanges->changed(written);
    frameChanges->drawnOver(written);
}

void SdlSurface::trackChanges() { frameChanges = std::make_unique<FrameChanges>(getWidth(), getHeight()); }

Rect SdlSurface::changes() const { return frameChanges ? frameChanges->box() : Rect{}; }

void SdlSurface::forgetChanges()
{
    if (frameChanges)
        frameChanges->shown();
}

// A keyed copy where every raw value from the source's key low to key high is skipped.
bool SdlSurface::blitKeyRange(SDL_Surface* source, const SDL_Rect& from, const SDL_Rect& to, std::uint32_t low,
                              std::uint32_t high)
{
    if (source->format->format != surface->format->format)
        return false;
    const int bpp = surface->format->BytesPerPixel;
    const auto* srcRow = static_cast<const std::uint8_t*>(source->pixels) +
                         static_cast<size_t>(from.y) * source->pitch + static_cast<size_t>(from.x) * bpp;
    auto* dstRow = static_cast<std::uint8_t*>(surface->pixels) + static_cast<size_t>(to.y) * surface->pitch +
                   static_cast<size_t>(to.x) * bpp;
    for (int row = 0; row < from.h; ++row) {
        const std::uint8_t* s = srcRow;
        std::uint8_t* d = dstRow;
        for (int column = 0; column < from.w; ++column, s += bpp, d += bpp) {
            const std::uint32_t value = readPixel(s, bpp);
            if (value < low || value > high)
                std::memcpy(d, s, bpp);
        }
        srcRow += source->pitch;
        dstRow += surface->pitch;
    }
    return true;
}

bool SdlSurface::fill(const Rect& area, std::uint32_t pixel)
{
    if (isBusy())
        return false;
    const Rect inside = clipToSurface(area, getWidth(), getHeight());
    if (inside.isEmpty())
        return true;
    SDL_Rect rect{inside.left, inside.top, inside.width(), inside.height()};
    wrote(rect);
    return SDL_FillRect(surface, &rect, pixel) == 0;
}

bool SdlSurface::lock(const Rect& area, LockedPixels& out)
{
    if (isBusy())
        return false;
    if (area.left < 0 || area.top < 0 || area.right > getWidth() || area.bottom > getHeight() || area.isEmpty())
        return false;
    if (SDL_LockSurface(surface) != 0)
        return false;
    locked = true;
    wrote(SDL_Rect{area.left, area.top, area.width(), area.height()});
    out.bits = static_cast<std::uint8_t*>(surface->pixels) + static_cast<size_t>(area.top) * surface->pitch +
               static_cast<size_t>(area.left) * surface->format->BytesPerPixel;
    out.pitch = surface->pitch;
    return true;
}

bool SdlSurface::unlock()
{
    if (!locked)
        return false;
    SDL_UnlockSurface(surface);
    locked = false;
    return true;
}

bool SdlSurface::loadPicture(const char* fileName)
{
    if (!fileName || isBusy() || !hasPlausibleBitmapHeader(fileName))
        return false;
    SDL_Surface* picture = SDL_LoadBMP(fileName);
    if (!picture)
        return false;
    SDL_Surface* converted = SDL_ConvertSurface(picture, surface->format, 0);
    SDL_FreeSurface(picture);
    if (!converted)
        return false;
    SDL_SetSurfaceBlendMode(converted, SDL_BLENDMODE_NONE);
    SDL_SetColorKey(converted, SDL_FALSE, 0);
    bool copied;
    if (converted->w == surface->w && converted->h == surface->h) {
        copied = SDL_BlitSurface(converted, nullptr, surface, nullptr) == 0;
    } else {
        // Another size in the file: stretched to the surface's size, nearest pixel.
        copied = SDL_BlitScaled(converted, nullptr, surface, nullptr) == 0;
    }
    SDL_FreeSurface(converted);
    clearUnusedByte();
    wrote(SDL_Rect{0, 0, getWidth(), getHeight()});
    return copied;
}

// SDL's conversions may set the fourth byte of a 32-bit pixel; the game's raw values keep
// it zero so that colour keys and comparisons see only red, green and blue.
void SdlSurface::clearUnusedByte()
{
    if (surface->format->BytesPerPixel != 4)
        return;
    for (int row = 0; row < surface->h; ++row) {
        auto* p = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) +
                                                   static_cast<size_t>(row) * surface->pitch);
        for (int column = 0; column < surface->w; ++column)
            p[column] &= 0x00FFFFFFu;
    }
}

bool SdlSurface::isLost() const { return lost; }

bool SdlSurface::restore()
{
    if (!lost)
        return true;
    lost = false;
    std::memset(surface->pixels, 0, static_cast<size_t>(surface->pitch) * surface->h);
    wrote(SDL_Rect{0, 0, getWidth(), getHeight()});
    return true;
}

DrawContext* SdlSurface::getDrawContext()
{
    if (drawContext)
        return drawContext.get();
    if (lost || locked)
        return nullptr;
    // Each line and text tells where it painted.
    drawContext = createDrawContext(surface, [this](const Rect& area) {
        wrote(SDL_Rect{area.left, area.top, area.width(), area.height()});
    });
    return drawContext.get();
}

void SdlSurface::releaseDrawContext() { drawContext.reset(); }

}  // namespace platform::sdl
