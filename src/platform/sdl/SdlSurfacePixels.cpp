#include "platform/sdl/SdlSurfacePixels.h"

namespace platform::sdl {

SurfacePixels::SurfacePixels(SDL_Surface* target) : surface(target)
{
    if (!surface || !surface->format)
        return;
    const int bytes = surface->format->BytesPerPixel;
    if (bytes < 2 || bytes > 4)
        return;
    if (SDL_MUSTLOCK(surface)) {
        if (SDL_LockSurface(surface) != 0)
            return;
        locked = true;
    }
    pixels = static_cast<std::uint8_t*>(surface->pixels);
    pitch = surface->pitch;
    bytesPerPixel = bytes;
    width = surface->w;
    height = surface->h;
}

SurfacePixels::~SurfacePixels()
{
    if (locked)
        SDL_UnlockSurface(surface);
}

std::uint32_t SurfacePixels::pack(std::uint32_t colour) const
{
    if (!pixels)
        return 0;
    const Uint8 red = static_cast<Uint8>(colour >> 16);
    const Uint8 green = static_cast<Uint8>(colour >> 8);
    const Uint8 blue = static_cast<Uint8>(colour);
    std::uint32_t raw = SDL_MapRGB(surface->format, red, green, blue);
    if (bytesPerPixel == 4)
        raw |= 0xFF000000u & ~(surface->format->Rmask | surface->format->Gmask | surface->format->Bmask);
    return raw;
}

std::uint8_t* SurfacePixels::address(int x, int y) const
{
    return pixels + static_cast<std::ptrdiff_t>(y) * pitch + static_cast<std::ptrdiff_t>(x) * bytesPerPixel;
}

std::uint32_t SurfacePixels::read(const std::uint8_t* at) const
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytesPerPixel; ++i)
        value |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return value;
}

void SurfacePixels::write(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < bytesPerPixel; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void SurfacePixels::put(int x, int y, std::uint32_t raw) { write(address(x, y), raw); }

void SurfacePixels::blend(int x, int y, std::uint32_t colour, std::uint32_t raw, int coverage)
{
    if (coverage <= 0)
        return;
    std::uint8_t* at = address(x, y);
    if (coverage >= 255) {
        write(at, raw);
        return;
    }
    const std::uint32_t old = read(at);
    Uint8 red = 0;
    Uint8 green = 0;
    Uint8 blue = 0;
    SDL_GetRGB(old, surface->format, &red, &green, &blue);
    const int keep = 255 - coverage;
    auto mix = [&](int source, int destination) {
        return static_cast<Uint8>((source * coverage + destination * keep + 127) / 255);
    };
    std::uint32_t mixed =
        SDL_MapRGB(surface->format, mix(static_cast<int>((colour >> 16) & 0xFF), red),
                   mix(static_cast<int>((colour >> 8) & 0xFF), green), mix(static_cast<int>(colour & 0xFF), blue));
    if (bytesPerPixel == 4) {
        const std::uint32_t colourBits = surface->format->Rmask | surface->format->Gmask | surface->format->Bmask;
        mixed = (mixed & colourBits) | (old & ~colourBits);
    }
    write(at, mixed);
}

}  // namespace platform::sdl
