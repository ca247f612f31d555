// Rectangles, lines and text drawn into the back surface.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/Application.h"
#include "app/PixelPacking.h"
#include "platform/DrawContext.h"

bool Application::fillRect(int x, int y, int width, int height, int colour)
{
    if (!backSurface)
        return false;
    const std::uint32_t pixel = packColour(static_cast<std::uint32_t>(colour), bitsPerPixel);
    return backSurface->fill(platform::Rect{x, y, x + width, y + height}, pixel);
}

bool Application::beginDraw()
{
    if (drawDC)
        return true;
    if (!backSurface)
        return false;
    drawDC = backSurface->getDrawContext();
    return drawDC != nullptr;
}

void Application::endDraw()
{
    if (!drawDC)
        return;
    if (pen)
        deletePen();
    if (font)
        deleteFont();
    if (backSurface)
        backSurface->releaseDrawContext();
    drawDC = nullptr;
}

void Application::selectPen(int width, int colour)
{
    if (!drawDC)
        return;
    if (pen)
        deletePen();
    pen = drawDC->createPen(width, static_cast<std::uint32_t>(colour));
    previousPen = drawDC->selectPen(pen.get());
}

void Application::deletePen()
{
    if (drawDC)
        drawDC->selectPen(previousPen);
    pen.reset();
    previousPen = nullptr;
}

void Application::drawLine(int x1, int y1, int x2, int y2)
{
    if (drawDC)
        drawDC->drawLine(x1, y1, x2, y2);
}

void Application::selectFont(const char* faceName, int height, int colour)
{
    if (!drawDC)
        return;
    if (font)
        deleteFont();
    font = drawDC->createFont(faceName, height);
    drawDC->setTextColour(static_cast<std::uint32_t>(colour));
    previousFont = drawDC->selectFont(font.get());
}

void Application::deleteFont()
{
    if (drawDC)
        drawDC->selectFont(previousFont);
    font.reset();
    previousFont = nullptr;
}

void Application::drawText(int left, int top, int right, int bottom, int alignment, const char* text)
{
    if (!drawDC || !text)
        return;
    platform::TextAlign align = platform::TextAlign::Left;
    if (alignment == 1)
        align = platform::TextAlign::Centre;
    else if (alignment == 2)
        align = platform::TextAlign::Right;
    drawDC->drawText(platform::Rect{left, top, right, bottom}, align, text, static_cast<int>(std::strlen(text)));
}

void Application::drawNumber(int left, int top, int right, int bottom, int alignment, unsigned value)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%u", value);
    drawText(left, top, right, bottom, alignment, digits);
}

void Application::measureText(const char* text, int length, const char* faceName, int height, int* width, int* height2)
{
    int measuredWidth = 0;
    int measuredHeight = 0;
    const bool ownBracket = !drawDC;
    if (text && beginDraw()) {
        selectFont(faceName, height, 0);
        const int count = std::clamp(length, 0, static_cast<int>(std::strlen(text)));
        drawDC->measureText(text, count, measuredWidth, measuredHeight);
        deleteFont();
        if (ownBracket)
            endDraw();
    }
    if (width)
        *width = measuredWidth;
    if (height2)
        *height2 = measuredHeight;
}
