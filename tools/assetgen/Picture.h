#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Canvas.h"

// One finished picture file of the game: its name and its flattened pixels.
struct Picture {
    std::string fileName;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // rows from the top

    // An opaque picture, or a colour-keyed one whose uncovered pixels are pure black and
    // whose soft edges blend towards `under`, the colour it will be drawn over.
    static Picture from(std::string name, const Canvas& canvas, Colour under, bool keyed)
    {
        return {std::move(name), canvas.width(), canvas.height(), canvas.toRgb(under, keyed)};
    }
};
