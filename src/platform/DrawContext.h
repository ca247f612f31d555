#pragma once

#include <cstdint>
#include <memory>

#include "platform/Geometry.h"

namespace platform {

// A solid pen: `width` pixels wide, colour 0x00RRGGBB.
class Pen {
public:
    virtual ~Pen() = default;
};

// A proportional font looked up by face name; `height` is the cell height in pixels
// (ascent + descent).
class Font {
public:
    virtual ~Font() = default;
};

enum class TextAlign {
    Left = 0,
    Centre = 1,
    Right = 2
};

// Lines and text on a surface, with one pen and one font selected at a time.
class DrawContext {
public:
    virtual ~DrawContext() = default;

    virtual std::unique_ptr<Pen> createPen(int width, std::uint32_t colour) = 0;
    // Selects the pen (null: the context's default pen) and returns the one it replaced.
    virtual Pen* selectPen(Pen* pen) = 0;
    // Draws from (x1, y1) to (x2, y2) with the selected pen; a width-1 pen leaves the end point out.
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;

    virtual std::unique_ptr<Font> createFont(const char* faceName, int height) = 0;
    // Selects the font (null: the context's default font) and returns the one it replaced.
    virtual Font* selectFont(Font* font) = 0;
    // Colour 0x00RRGGBB of the text drawn from now on, on a transparent background.
    virtual void setTextColour(std::uint32_t colour) = 0;

    // Draws `length` bytes of text in the selected font, from the rectangle's top, aligned
    // within it, breaking only at "\n" or "\r\n", and clipped to the rectangle.
    virtual void drawText(const Rect& box, TextAlign align, const char* text, int length) = 0;
    // Width and height of `length` bytes of text in the selected font.
    virtual bool measureText(const char* text, int length, int& width, int& height) = 0;
};

}  // namespace platform
