#include "platform/win32/GdiDrawContext.h"

namespace platform::win32 {

GdiDrawContext::GdiDrawContext(HDC dc)
    : context(dc),
      ownPen(GetCurrentObject(dc, OBJ_PEN)),
      ownFont(GetCurrentObject(dc, OBJ_FONT))
{}

GdiDrawContext::~GdiDrawContext()
{
    SelectObject(context, ownPen);
    SelectObject(context, ownFont);
}

COLORREF GdiDrawContext::toColorRef(std::uint32_t colour)
{
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

std::unique_ptr<Pen> GdiDrawContext::createPen(int width, std::uint32_t colour)
{
    HPEN pen = CreatePen(PS_SOLID, width, toColorRef(colour));
    if (!pen)
        return nullptr;
    return std::make_unique<GdiPen>(pen);
}

Pen* GdiDrawContext::selectPen(Pen* pen)
{
    auto* gdiPen = dynamic_cast<GdiPen*>(pen);
    SelectObject(context, gdiPen ? static_cast<HGDIOBJ>(gdiPen->handle) : ownPen);
    Pen* replaced = currentPen;
    currentPen = gdiPen;
    return replaced;
}

void GdiDrawContext::drawLine(int x1, int y1, int x2, int y2)
{
    MoveToEx(context, x1, y1, nullptr);
    LineTo(context, x2, y2);
}

std::unique_ptr<Font> GdiDrawContext::createFont(const char* faceName, int height)
{
    HFONT font = CreateFontA(height, 0, 0, 0, 0, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, VARIABLE_PITCH | FF_SWISS,
                             faceName ? faceName : "Arial");
    if (!font)
        return nullptr;
    return std::make_unique<GdiFont>(font);
}

Font* GdiDrawContext::selectFont(Font* font)
{
    auto* gdiFont = dynamic_cast<GdiFont*>(font);
    SelectObject(context, gdiFont ? static_cast<HGDIOBJ>(gdiFont->handle) : ownFont);
    Font* replaced = currentFont;
    currentFont = gdiFont;
    return replaced;
}

void GdiDrawContext::setTextColour(std::uint32_t colour)
{
    SetBkMode(context, TRANSPARENT);
    SetTextColor(context, toColorRef(colour));
}

void GdiDrawContext::drawText(const Rect& box, TextAlign align, const char* text, int length)
{
    if (!text || length <= 0)
        return;
    UINT format = DT_LEFT;
    if (align == TextAlign::Centre)
        format = DT_CENTER;
    else if (align == TextAlign::Right)
        format = DT_RIGHT;
    // Players' names may hold "&": it is drawn as it is, not taken as a mnemonic marker.
    format |= DT_NOPREFIX;
    RECT rect{box.left, box.top, box.right, box.bottom};
    DrawTextA(context, text, length, &rect, format);
}

bool GdiDrawContext::measureText(const char* text, int length, int& width, int& height)
{
    width = height = 0;
    if (!text || length < 0)
        return false;
    SIZE size{};
    if (!GetTextExtentPoint32A(context, text, length, &size))
        return false;
    width = static_cast<int>(size.cx);
    height = static_cast<int>(size.cy);
    return true;
}

}  // namespace platform::win32
