#include "Mask.h"

#include <algorithm>
#include <cmath>

Mask::Mask(int width, int height)
    : maskWidth(std::max(width, 0)),
      maskHeight(std::max(height, 0)),
      values(static_cast<std::size_t>(maskWidth) * maskHeight, 0.0)
{}

double Mask::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= maskWidth || y >= maskHeight)
        return 0;
    return values[static_cast<std::size_t>(y) * maskWidth + x];
}

void Mask::put(int x, int y, double value)
{
    if (x < 0 || y < 0 || x >= maskWidth || y >= maskHeight)
        return;
    double& v = values[static_cast<std::size_t>(y) * maskWidth + x];
    v = std::max(v, std::clamp(value, 0.0, 1.0));
}

Mask Mask::dilated(double radius) const
{
    Mask out(maskWidth, maskHeight);
    const int reach = static_cast<int>(std::ceil(radius + 0.5));
    for (int y = 0; y < maskHeight; ++y)
        for (int x = 0; x < maskWidth; ++x) {
            double best = 0;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    const double weight = std::clamp(radius + 0.5 - std::hypot(dx, dy), 0.0, 1.0);
                    best = std::max(best, at(x + dx, y + dy) * weight);
                }
            out.put(x, y, best);
        }
    return out;
}
