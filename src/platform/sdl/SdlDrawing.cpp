// Lines and text on an SDL surface, drawn the way the game's original display drew them.
#include "platform/sdl/SdlDrawing.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/sdl/SdlFontLibrary.h"
#include "platform/sdl/SdlLineRaster.h"
#include "platform/sdl/SdlSurfacePixels.h"

namespace platform::sdl {

namespace {

constexpr int widestPen = 1024;
constexpr const char* defaultFaceName = "sans-serif";
constexpr int defaultFontHeight = 16;

class SdlPen : public Pen {
public:
    SdlPen(int penWidth, std::uint32_t penColour) : width(std::clamp(penWidth, 0, widestPen)), colour(penColour) {}
    int width;
    std::uint32_t colour;
};

class SdlFont : public Font {
public:
    SdlFont(std::shared_ptr<FontLibrary> owner, FontFace* opened) : library(std::move(owner)), face(opened) {}
    std::shared_ptr<FontLibrary> library;  // keeps the face open while the font lives
    FontFace* face;
};

class SdlDrawContext : public DrawContext {
public:
    SdlDrawContext(SDL_Surface* target, DrawnArea drawnArea) : surface(target), drawn(std::move(drawnArea)) {}

    std::unique_ptr<Pen> createPen(int width, std::uint32_t colour) override
    {
        return std::make_unique<SdlPen>(width, colour);
    }

    Pen* selectPen(Pen* pen) override
    {
        Pen* previous = selectedPen;
        selectedPen = dynamic_cast<SdlPen*>(pen);
        return previous;
    }

    void drawLine(int x1, int y1, int x2, int y2) override
    {
        // Without a pen of its own the context draws with a black one-pixel pen.
        const int width = selectedPen ? selectedPen->width : 1;
        const std::uint32_t colour = selectedPen ? selectedPen->colour : 0;
        SurfacePixels pixels(surface);
        if (!pixels.isValid())
            return;
        const std::uint32_t raw = pixels.pack(colour);
        Rect painted{pixels.bounds().right, pixels.bounds().bottom, 0, 0};
        const PlotPixel plot = [&](int x, int y) {
            pixels.put(x, y, raw);
            painted = Rect{std::min(painted.left, x), std::min(painted.top, y), std::max(painted.right, x + 1),
                           std::max(painted.bottom, y + 1)};
        };
        if (width <= 1)
            rasterThinLine(x1, y1, x2, y2, pixels.bounds(), plot);
        else
            rasterWideLine(x1, y1, x2, y2, width, pixels.bounds(), plot);
        if (drawn && !painted.isEmpty())
            drawn(painted);
    }

    std::unique_ptr<Font> createFont(const char* faceName, int height) override
    {
        std::shared_ptr<FontLibrary> shared = fonts();
        FontFace* face = shared->open(faceName ? faceName : "", height);
        return std::make_unique<SdlFont>(std::move(shared), face);
    }

    Font* selectFont(Font* font) override
    {
        Font* previous = selectedFont;
        selectedFont = dynamic_cast<SdlFont*>(font);
        return previous;
    }

    void setTextColour(std::uint32_t colour) override { textColour = colour & 0x00FFFFFFu; }

    void drawText(const Rect& box, TextAlign align, const char* text, int length) override
    {
        FontFace* face = currentFace();
        if (!face || !text || length <= 0)
            return;
        SurfacePixels pixels(surface);
        if (!pixels.isValid())
            return;
        const Rect surfaceBounds = pixels.bounds();
        const Rect clip{std::max(box.left, surfaceBounds.left), std::max(box.top, surfaceBounds.top),
                        std::min(box.right, surfaceBounds.right), std::min(box.bottom, surfaceBounds.bottom)};
        if (clip.isEmpty())
            return;
        const std::uint32_t raw = pixels.pack(textColour);
        const int lineHeight = face->getHeight();
        // Every glyph is cut to the box.
        if (drawn)
            drawn(clip);

        int lineTop = box.top;
        int start = 0;
        while (start <= length && lineTop < clip.bottom) {
            // A line runs to the next "\n"; a "\r" right before it belongs to the break.
            int end = start;
            while (end < length && text[end] != '\n')
                ++end;
            int visibleEnd = end;
            if (visibleEnd > start && text[visibleEnd - 1] == '\r')
                --visibleEnd;
            const int lineLength = visibleEnd - start;
            const int width = face->measure(text + start, lineLength);
            int pen = box.left;
            if (align == TextAlign::Centre)
                pen = (box.left + box.right - width) / 2;
            else if (align == TextAlign::Right)
                pen = box.right - width;
            if (lineTop + lineHeight > clip.top) {
                for (int i = 0; i < lineLength; ++i) {
                    const Glyph& glyph = face->glyph(static_cast<unsigned char>(text[start + i]));
                    drawGlyph(pixels, glyph, pen + glyph.left, lineTop, clip, raw);
                    pen += glyph.advance;
                }
            }
            if (end >= length)
                break;
            start = end + 1;
            lineTop += lineHeight;
        }
    }

    bool measureText(const char* text, int length, int& width, int& height) override
    {
        FontFace* face = currentFace();
        width = 0;
        height = 0;
        if (!face)
            return false;
        if (text && length > 0)
            width = face->measure(text, length);
        height = face->getHeight();
        return true;
    }

private:
    std::shared_ptr<FontLibrary> fonts()
    {
        if (!library)
            library = FontLibrary::acquire();
        return library;
    }

    // The selected font's face, or the context's own default font.
    FontFace* currentFace()
    {
        if (selectedFont)
            return selectedFont->face;
        return fonts()->open(defaultFaceName, defaultFontHeight);
    }

    void drawGlyph(SurfacePixels& pixels, const Glyph& glyph, int left, int top, const Rect& clip, std::uint32_t raw)
    {
        const int firstRow = std::max(0, clip.top - top);
        const int lastRow = std::min(glyph.height, clip.bottom - top);
        const int firstColumn = std::max(0, clip.left - left);
        const int lastColumn = std::min(glyph.width, clip.right - left);
        for (int row = firstRow; row < lastRow; ++row) {
            const std::uint8_t* coverage = glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width;
            for (int column = firstColumn; column < lastColumn; ++column) {
                if (coverage[column] != 0)
                    pixels.blend(left + column, top + row, textColour, raw, coverage[column]);
            }
        }
    }

    SDL_Surface* surface;
    DrawnArea drawn;
    SdlPen* selectedPen = nullptr;
    SdlFont* selectedFont = nullptr;
    std::uint32_t textColour = 0;
    std::shared_ptr<FontLibrary> library;
};

}  // namespace

std::unique_ptr<DrawContext> createDrawContext(SDL_Surface* target, DrawnArea drawn)
{
    if (!target)
        return nullptr;
    return std::make_unique<SdlDrawContext>(target, std::move(drawn));
}

}  // namespace platform::sdl
