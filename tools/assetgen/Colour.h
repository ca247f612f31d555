#pragma once

#include <cstdint>

// A colour with components from 0 to 1, as the generator paints with it.
struct Colour {
    double r = 0, g = 0, b = 0;

    static constexpr Colour hex(std::uint32_t rgb)
    {
        return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
    }
    // t = 0 gives this colour, t = 1 gives `other`.
    constexpr Colour mix(Colour other, double t) const
    {
        return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t};
    }
    constexpr Colour scaled(double f) const { return {r * f, g * f, b * f}; }
    constexpr Colour lighter(double t) const { return mix({1, 1, 1}, t); }
};
