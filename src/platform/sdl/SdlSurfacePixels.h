#pragma once

// Direct pixel access to an SDL surface of 16, 24 or 32 bits for lines and text.

#include <SDL.h>

#include <cstdint>

#include "platform/Geometry.h"

namespace platform::sdl {

// Locks the surface (where SDL asks for it) for its lifetime and writes colours 0x00RRGGBB
// into it, packed the way the display packs them (each channel cut to its bits).  32-bit
// pixels painted solid get the top byte set, as the game's colour fills do.
class SurfacePixels {
public:
    explicit SurfacePixels(SDL_Surface* target);
    SurfacePixels(const SurfacePixels&) = delete;
    SurfacePixels& operator=(const SurfacePixels&) = delete;
    ~SurfacePixels();

    // False when the surface is missing, cannot be locked or has an unsupported depth.
    bool isValid() const { return pixels != nullptr; }
    Rect bounds() const { return Rect{0, 0, width, height}; }

    // The raw pixel that paints `colour`.
    std::uint32_t pack(std::uint32_t colour) const;
    // Paints one pixel with a packed value; the caller keeps (x, y) inside `bounds`.
    void put(int x, int y, std::uint32_t raw);
    // Mixes `colour` over the pixel with a coverage of 0 (nothing) to 255 (solid).
    void blend(int x, int y, std::uint32_t colour, std::uint32_t raw, int coverage);

private:
    std::uint32_t read(const std::uint8_t* at) const;
    void write(std::uint8_t* at, std::uint32_t value);
    std::uint8_t* address(int x, int y) const;

    SDL_Surface* surface = nullptr;
    bool locked = false;
    std::uint8_t* pixels = nullptr;
    int pitch = 0;
    int bytesPerPixel = 0;
    int width = 0;
    int height = 0;
};

}  // namespace platform::sdl
