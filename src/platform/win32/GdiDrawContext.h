#pragma once

// Lines and text through GDI on a surface's device context.

#include <windows.h>

#include "platform/DrawContext.h"

namespace platform::win32 {

// A GDI object owned by a pen or a font, deleted with it.
class GdiPen final : public Pen {
public:
    explicit GdiPen(HPEN pen) : handle(pen) {}
    ~GdiPen() override { DeleteObject(handle); }
    GdiPen(const GdiPen&) = delete;
    GdiPen& operator=(const GdiPen&) = delete;
    HPEN handle;
};

class GdiFont final : public Font {
public:
    explicit GdiFont(HFONT font) : handle(font) {}
    ~GdiFont() override { DeleteObject(handle); }
    GdiFont(const GdiFont&) = delete;
    GdiFont& operator=(const GdiFont&) = delete;
    HFONT handle;
};

class GdiDrawContext final : public DrawContext {
public:
    // Borrows the device context; the context's own pen and font are put back on destruction.
    explicit GdiDrawContext(HDC context);
    ~GdiDrawContext() override;
    GdiDrawContext(const GdiDrawContext&) = delete;
    GdiDrawContext& operator=(const GdiDrawContext&) = delete;

    std::unique_ptr<Pen> createPen(int width, std::uint32_t colour) override;
    Pen* selectPen(Pen* pen) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    std::unique_ptr<Font> createFont(const char* faceName, int height) override;
    Font* selectFont(Font* font) override;
    void setTextColour(std::uint32_t colour) override;
    void drawText(const Rect& box, TextAlign align, const char* text, int length) override;
    bool measureText(const char* text, int length, int& width, int& height) override;

    // GDI's 0x00BBGGRR from the game's 0x00RRGGBB.
    static COLORREF toColorRef(std::uint32_t colour);

private:
    HDC context;
    HGDIOBJ ownPen;
    HGDIOBJ ownFont;
    Pen* currentPen = nullptr;
    Font* currentFont = nullptr;
};

}  // namespace platform::win32
