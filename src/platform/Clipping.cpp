#include "platform/Clipping.h"

#include <algorithm>

namespace platform {

bool clipBlit(const Rect& source, int x, int y, int sourceWidth, int sourceHeight, int targetWidth, int targetHeight,
              ClippedBlit& out)
{
    // Wide arithmetic: a position far off the target must not wrap around into view.
    long long sl = source.left, st = source.top, sr = source.right, sb = source.bottom;
    long long dx = x, dy = y;
    if (sl < 0) {
        dx -= sl;
        sl = 0;
    }
    if (st < 0) {
        dy -= st;
        st = 0;
    }
    sr = std::min<long long>(sr, sourceWidth);
    sb = std::min<long long>(sb, sourceHeight);
    if (dx < 0) {
        sl -= dx;
        dx = 0;
    }
    if (dy < 0) {
        st -= dy;
        dy = 0;
    }
    sr = std::min(sr, sl + (targetWidth - dx));
    sb = std::min(sb, st + (targetHeight - dy));
    if (sl >= sr || st >= sb)
        return false;
    out.source = Rect{static_cast<int>(sl), static_cast<int>(st), static_cast<int>(sr), static_cast<int>(sb)};
    out.x = static_cast<int>(dx);
    out.y = static_cast<int>(dy);
    return true;
}

Rect clipToSurface(const Rect& area, int width, int height)
{
    return Rect{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, width),
                std::min(area.bottom, height)};
}

}  // namespace platform
