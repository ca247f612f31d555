#include "Canvas.h"

#include <algorithm>
#include <cmath>

#include "Mask.h"
#include "Shape.h"

namespace {

std::uint8_t toByte(double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

}  // namespace

Canvas::Canvas(int width, int height)
    : canvasWidth(std::max(width, 0)),
      canvasHeight(std::max(height, 0)),
      pixels(static_cast<std::size_t>(canvasWidth) * canvasHeight)
{}

Canvas::Canvas(int width, int height, Colour fill) : Canvas(width, height)
{
    for (Pixel& p : pixels)
        p = {fill.r, fill.g, fill.b, 1.0};
}

void Canvas::blend(int x, int y, Colour colour, double opacity)
{
    if (x < 0 || y < 0 || x >= canvasWidth || y >= canvasHeight || opacity <= 0)
        return;
    opacity = std::min(opacity, 1.0);
    Pixel& p = pixel(x, y);
    const double keep = 1.0 - opacity;
    p.r = colour.r * opacity + p.r * keep;
    p.g = colour.g * opacity + p.g * keep;
    p.b = colour.b * opacity + p.b * keep;
    p.a = opacity + p.a * keep;
}

void Canvas::fill(const Shape& shape, Colour colour, double opacity)
{
    fill(
        shape, [colour](double, double) { return colour; }, opacity);
}

void Canvas::fill(const Shape& shape, const Paint& paint, double opacity)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(shape.left())));
    const int y0 = std::max(0, static_cast<int>(std::floor(shape.top())));
    const int x1 = std::min(canvasWidth, static_cast<int>(std::ceil(shape.right())) + 1);
    const int y1 = std::min(canvasHeight, static_cast<int>(std::ceil(shape.bottom())) + 1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            const double c = shape.coverage(cx, cy);
            if (c > 0)
                blend(x, y, paint(cx, cy), c * opacity);
        }
}

void Canvas::fill(const Mask& mask, int x, int y, Colour colour, double opacity)
{
    fill(
        mask, x, y, [colour](double, double) { return colour; }, opacity);
}

void Canvas::fill(const Mask& mask, int x, int y, const Paint& paint, double opacity)
{
    for (int my = 0; my < mask.height(); ++my)
        for (int mx = 0; mx < mask.width(); ++mx) {
            const double c = mask.at(mx, my);
            if (c > 0)
                blend(x + mx, y + my, paint(x + mx + 0.5, y + my + 0.5), c * opacity);
        }
}

void Canvas::fillAll(const Paint& paint)
{
    for (int y = 0; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            blend(x, y, paint(x + 0.5, y + 0.5), 1.0);
}

void Canvas::draw(const Canvas& layer, int x, int y, double opacity)
{
    for (int ly = 0; ly < layer.canvasHeight; ++ly)
        for (int lx = 0; lx < layer.canvasWidth; ++lx) {
            const int tx = x + lx, ty = y + ly;
            if (tx < 0 || ty < 0 || tx >= canvasWidth || ty >= canvasHeight)
                continue;
            const Pixel& s = layer.pixel(lx, ly);
            Pixel& d = pixel(tx, ty);
            const double keep = 1.0 - s.a * opacity;
            d.r = s.r * opacity + d.r * keep;
            d.g = s.g * opacity + d.g * keep;
            d.b = s.b * opacity + d.b * keep;
            d.a = s.a * opacity + d.a * keep;
        }
}

Canvas Canvas::cut(int x, int y, int width, int height) const
{
    Canvas out(width, height);
    for (int cy = 0; cy < out.canvasHeight; ++cy)
        for (int cx = 0; cx < out.canvasWidth; ++cx) {
            const int sx = x + cx, sy = y + cy;
            if (sx >= 0 && sy >= 0 && sx < canvasWidth && sy < canvasHeight)
                out.pixel(cx, cy) = pixel(sx, sy);
        }
    return out;
}

Colour Canvas::colourOver(int x, int y, Colour under) const
{
    const Pixel& p = pixel(x, y);
    const double keep = 1.0 - p.a;
    return {p.r + under.r * keep, p.g + under.g * keep, p.b + under.b * keep};
}

double Canvas::coverage(int x, int y) const { return pixel(x, y).a; }

std::vector<std::uint8_t> Canvas::toRgb(Colour under, bool keyed) const
{
    std::vector<std::uint8_t> out;
    out.reserve(pixels.size() * 3);
    for (int y = 0; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x) {
            std::uint8_t rgb[3] = {0, 0, 0};
            if (!keyed || pixel(x, y).a >= 0.5 / 255.0) {
                const Colour c = colourOver(x, y, under);
                rgb[0] = toByte(c.r);
                rgb[1] = toByte(c.g);
                rgb[2] = toByte(c.b);
                if (keyed && rgb[0] == 0 && rgb[1] == 0 && rgb[2] == 0)
                    rgb[0] = rgb[1] = rgb[2] = 8;  // visible, so never the key colour
            }
            out.insert(out.end(), rgb, rgb + 3);
        }
    return out;
}

std::vector<std::uint8_t> Canvas::toRgba() const
{
    std::vector<std::uint8_t> out;
    out.reserve(pixels.size() * 4);
    for (const Pixel& p : pixels) {
        const double a = p.a;
        const double inv = a > 0 ? 1.0 / a : 0.0;
        out.push_back(toByte(p.r * inv));
        out.push_back(toByte(p.g * inv));
        out.push_back(toByte(p.b * inv));
        out.push_back(toByte(a));
    }
    return out;
}
