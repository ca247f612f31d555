#include "Shape.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

Shape::Shape(Distance distance, double left, double top, double right, double bottom)
    : distanceOf(std::move(distance)),
      boxLeft(left),
      boxTop(top),
      boxRight(right),
      boxBottom(bottom)
{}

double Shape::coverage(double x, double y) const { return std::clamp(0.5 - distanceOf(x, y), 0.0, 1.0); }

Shape Shape::circle(double cx, double cy, double radius)
{
    return Shape([=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; }, cx - radius - 1,
                 cy - radius - 1, cx + radius + 1, cy + radius + 1);
}

Shape Shape::ring(double cx, double cy, double radius, double thickness)
{
    return Shape([=](double x, double y) { return std::abs(std::hypot(x - cx, y - cy) - radius) - thickness / 2; },
                 cx - radius - thickness - 1, cy - radius - thickness - 1, cx + radius + thickness + 1,
                 cy + radius + thickness + 1);
}

Shape Shape::roundedBox(double left, double top, double width, double height, double radius)
{
    const double cx = left + width / 2, cy = top + height / 2;
    const double hx = width / 2 - radius, hy = height / 2 - radius;
    return Shape(
        [=](double x, double y) {
            const double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
            const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
            return outside + std::min(std::max(qx, qy), 0.0) - radius;
        },
        left - 1, top - 1, left + width + 1, top + height + 1);
}

Shape Shape::ellipse(double cx, double cy, double rx, double ry)
{
    // Distance approximated by scaling: exact enough for highlights and glows.
    const double k = std::min(rx, ry);
    return Shape([=](double x, double y) { return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1) * k; }, cx - rx - 1,
                 cy - ry - 1, cx + rx + 1, cy + ry + 1);
}

Shape Shape::polygon(std::vector<Point> corners)
{
    double left = std::numeric_limits<double>::max(), top = left, right = -left, bottom = -left;
    for (const Point& p : corners) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    return Shape(
        [corners](double x, double y) {
            double best = std::numeric_limits<double>::max();
            bool inside = false;
            const std::size_t n = corners.size();
            for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                const Point a = corners[j], b = corners[i];
                const double ex = b.x - a.x, ey = b.y - a.y;
                const double wx = x - a.x, wy = y - a.y;
                const double t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0, 1.0);
                best = std::min(best, std::hypot(wx - ex * t, wy - ey * t));
                if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * ex / ey)
                    inside = !inside;
            }
            return inside ? -best : best;
        },
        left - 1, top - 1, right + 1, bottom + 1);
}

Shape Shape::segment(Point a, Point b, double thickness)
{
    const double r = thickness / 2;
    return Shape(
        [=](double x, double y) {
            const double ex = b.x - a.x, ey = b.y - a.y;
            const double wx = x - a.x, wy = y - a.y;
            const double len2 = ex * ex + ey * ey;
            const double t = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.0, 1.0) : 0.0;
            return std::hypot(wx - ex * t, wy - ey * t) - r;
        },
        std::min(a.x, b.x) - r - 1, std::min(a.y, b.y) - r - 1, std::max(a.x, b.x) + r + 1, std::max(a.y, b.y) + r + 1);
}

Shape Shape::star(double cx, double cy, double outer, double inner, int points, double turn)
{
    std::vector<Point> corners;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = turn - std::numbers::pi / 2 + i * std::numbers::pi / points;
        const double r = i % 2 == 0 ? outer : inner;
        corners.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
    }
    return polygon(std::move(corners));
}

Shape Shape::heart(double cx, double cy, double size)
{
    // Two round lobes over a point: size is the width of the heart.
    const double r = size * 0.27;
    const Shape left = circle(cx - r * 0.92, cy - size * 0.12, r);
    const Shape right = circle(cx + r * 0.92, cy - size * 0.12, r);
    const Shape point =
        polygon({{cx - size * 0.47, cy - size * 0.02}, {cx + size * 0.47, cy - size * 0.02}, {cx, cy + size * 0.46}});
    return left.unite(right).unite(point);
}

Shape Shape::unite(const Shape& other) const
{
    Distance a = distanceOf, b = other.distanceOf;
    return Shape([a, b](double x, double y) { return std::min(a(x, y), b(x, y)); }, std::min(boxLeft, other.boxLeft),
                 std::min(boxTop, other.boxTop), std::max(boxRight, other.boxRight),
                 std::max(boxBottom, other.boxBottom));
}

Shape Shape::subtract(const Shape& other) const
{
    Distance a = distanceOf, b = other.distanceOf;
    return Shape([a, b](double x, double y) { return std::max(a(x, y), -b(x, y)); }, boxLeft, boxTop, boxRight,
                 boxBottom);
}

Shape Shape::intersect(const Shape& other) const
{
    Distance a = distanceOf, b = other.distanceOf;
    return Shape([a, b](double x, double y) { return std::max(a(x, y), b(x, y)); }, std::max(boxLeft, other.boxLeft),
                 std::max(boxTop, other.boxTop), std::min(boxRight, other.boxRight),
                 std::min(boxBottom, other.boxBottom));
}

Shape Shape::border(double width) const
{
    Distance a = distanceOf;
    return Shape([a, width](double x, double y) { return std::abs(a(x, y)) - width / 2; }, boxLeft - width,
                 boxTop - width, boxRight + width, boxBottom + width);
}

Shape Shape::grown(double amount) const
{
    Distance a = distanceOf;
    return Shape([a, amount](double x, double y) { return a(x, y) - amount; }, boxLeft - amount, boxTop - amount,
                 boxRight + amount, boxBottom + amount);
}

Shape Shape::moved(double dx, double dy) const
{
    Distance a = distanceOf;
    return Shape([a, dx, dy](double x, double y) { return a(x - dx, y - dy); }, boxLeft + dx, boxTop + dy,
                 boxRight + dx, boxBottom + dy);
}
