#include "platform/sdl/SdlLineRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform::sdl {

namespace {

using Wide = __int128;

// floor(numerator / denominator) for a positive denominator.
Wide floorDivide(Wide numerator, Wide denominator)
{
    Wide quotient = numerator / denominator;
    if ((numerator % denominator != 0) && (numerator < 0))
        --quotient;
    return quotient;
}

// The nearest whole offset to numerator / denominator, rounding an exact half down
// (towards the upper or left pixel).
long long nearestRoundingHalfDown(Wide numerator, Wide denominator)
{
    // ceil(n/d - 1/2) = -floor((d - 2n) / 2d)
    return static_cast<long long>(-floorDivide(denominator - 2 * numerator, 2 * denominator));
}

// Narrows the steps first..last of a walk start + i * direction to those inside [low, high).
void stepRangeInside(long long start, long long direction, long long low, long long high, long long& first,
                     long long& last)
{
    if (direction > 0) {
        first = std::max(first, low - start);
        last = std::min(last, high - 1 - start);
    } else {
        first = std::max(first, start - (high - 1));
        last = std::min(last, start - low);
    }
}

// A point exactly on an edge belongs to the shape when the edge faces up, or faces left
// without facing down: the usual top-left rule, so that touching shapes share no pixels.
bool edgeOwnsPoint(long long outwardX, long long outwardY) { return outwardY < 0 || (outwardY == 0 && outwardX < 0); }

struct WideLine {
    long long x1, y1, x2, y2;
    long long dx, dy;
    Wide lengthSquared;
    int width;
    int capShift;  // 1 for even widths: the end discs sit half a pixel up and left

    bool inBody(long long px, long long py) const
    {
        if (lengthSquared == 0)
            return false;
        const long long vx = px - x1;
        const long long vy = py - y1;
        const Wide along = static_cast<Wide>(dx) * vx + static_cast<Wide>(dy) * vy;
        if (along < 0 || along > lengthSquared)
            return false;
        if (along == 0 && !edgeOwnsPoint(-dx, -dy))
            return false;
        if (along == lengthSquared && !edgeOwnsPoint(dx, dy))
            return false;
        // cross = n . v with the normal n = (-dy, dx); inside while |cross| <= width/2 * |d|.
        const Wide cross = static_cast<Wide>(dx) * vy - static_cast<Wide>(dy) * vx;
        const Wide lhs = 4 * cross * cross;
        const Wide rhs = static_cast<Wide>(width) * width * lengthSquared;
        if (lhs < rhs)
            return true;
        if (lhs > rhs)
            return false;
        return cross > 0 ? edgeOwnsPoint(-dy, dx) : edgeOwnsPoint(dy, -dx);
    }

    // Discs never pass exactly through a sample point (the parities differ), so no tie rule.
    bool inCap(long long cx, long long cy, long long px, long long py) const
    {
        const long long ox = 2 * px - (2 * cx - capShift);
        const long long oy = 2 * py - (2 * cy - capShift);
        return ox * ox + oy * oy < static_cast<long long>(width) * width;
    }

    bool contains(long long px, long long py) const
    {
        return inCap(x1, y1, px, py) || inCap(x2, y2, px, py) || inBody(px, py);
    }
};

// The x range [from, to] where a row may meet a disc of radius r about (cx, cy).
bool discRowRange(double cx, double cy, double radius, double row, double& from, double& to)
{
    const double offset = row - cy;
    if (std::abs(offset) > radius + 1.0)
        return false;
    const double half = std::sqrt(std::max(0.0, radius * radius - offset * offset));
    from = std::min(from, cx - half);
    to = std::max(to, cx + half);
    return true;
}

}  // namespace

void rasterThinLine(int x1, int y1, int x2, int y2, const Rect& clip, const PlotPixel& plot)
{
    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    const long long stepsX = std::llabs(dx);
    const long long stepsY = std::llabs(dy);
    if (stepsX == 0 && stepsY == 0)
        return;
    if (stepsX > stepsY) {
        const long long direction = dx > 0 ? 1 : -1;
        long long first = 0;
        long long last = stepsX - 1;
        stepRangeInside(x1, direction, clip.left, clip.right, first, last);
        for (long long i = first; i <= last; ++i) {
            const long long y = y1 + nearestRoundingHalfDown(static_cast<Wide>(i) * dy, stepsX);
            if (y >= clip.top && y < clip.bottom)
                plot(static_cast<int>(x1 + i * direction), static_cast<int>(y));
        }
    } else {
        const long long direction = dy > 0 ? 1 : -1;
        long long first = 0;
        long long last = stepsY - 1;
        stepRangeInside(y1, direction, clip.top, clip.bottom, first, last);
        for (long long i = first; i <= last; ++i) {
            const long long x = x1 + nearestRoundingHalfDown(static_cast<Wide>(i) * dx, stepsY);
            if (x >= clip.left && x < clip.right)
                plot(static_cast<int>(x), static_cast<int>(y1 + i * direction));
        }
    }
}

void rasterWideLine(int x1, int y1, int x2, int y2, int width, const Rect& clip, const PlotPixel& plot)
{
    WideLine line{};
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
    line.dx = line.x2 - line.x1;
    line.dy = line.y2 - line.y1;
    line.lengthSquared = static_cast<Wide>(line.dx) * line.dx + static_cast<Wide>(line.dy) * line.dy;
    line.width = width;
    line.capShift = (width % 2 == 0) ? 1 : 0;

    const double radius = width / 2.0;
    const double shift = line.capShift / 2.0;
    const long long top = std::max<long long>(std::min(line.y1, line.y2) - width - 1, clip.top);
    const long long bottom = std::min<long long>(std::max(line.y1, line.y2) + width + 1, clip.bottom - 1);
    const double length = std::sqrt(static_cast<double>(line.lengthSquared));

    for (long long row = top; row <= bottom; ++row) {
        double from = 1e300;
        double to = -1e300;
        discRowRange(x1 - shift, y1 - shift, radius, static_cast<double>(row), from, to);
        discRowRange(x2 - shift, y2 - shift, radius, static_cast<double>(row), from, to);
        if (length > 0) {
            // The body's row: where the band |cross| <= r * length meets 0 <= along <= length^2.
            // Solved in floating point only to bound the search; every pixel is tested exactly.
            const double vy = static_cast<double>(row - line.y1);
            double low = -1e300;
            double high = 1e300;
            auto clampLinear = [&](double slope, double constant, double lower, double upper) {
                // lower <= slope * vx + constant <= upper
                if (slope == 0.0) {
                    if (constant < lower - 1.0 || constant > upper + 1.0) {
                        low = 1e300;
                        high = -1e300;
                    }
                    return;
                }
                double a = (lower - constant) / slope;
                double b = (upper - constant) / slope;
                if (a > b)
                    std::swap(a, b);
                low = std::max(low, a);
                high = std::min(high, b);
            };
            const double ddx = static_cast<double>(line.dx);
            const double ddy = static_cast<double>(line.dy);
            clampLinear(-ddy, ddx * vy, -radius * length, radius * length);
            clampLinear(ddx, ddy * vy, 0.0, length * length);
            if (low <= high) {
                from = std::min(from, line.x1 + low);
                to = std::max(to, line.x1 + high);
            }
        }
        from = std::max(from, static_cast<double>(clip.left) - 2.0);
        to = std::min(to, static_cast<double>(clip.right) + 2.0);
        if (from > to)
            continue;
        const long long first = std::max<long long>(static_cast<long long>(std::floor(from)) - 1, clip.left);
        const long long last = std::min<long long>(static_cast<long long>(std::ceil(to)) + 1, clip.right - 1);
        for (long long x = first; x <= last; ++x) {
            if (line.contains(x, row))
                plot(static_cast<int>(x), static_cast<int>(row));
        }
    }
}

}  // namespace platform::sdl
