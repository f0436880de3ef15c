#pragma once

#include <algorithm>
#include <cstdlib>

namespace vireflu {

template <typename Plot>
void RasteriseSegment(Point from, Point to, Plot&& plot) {
    const long long dx = static_cast<long long>(to.x) - from.x;
    const long long dy = static_cast<long long>(to.y) - from.y;
    if (dx == 0 && dy == 0) return;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long fromMajor = xMajor ? from.x : from.y;
    const long long toMajor = xMajor ? to.x : to.y;
    const Point start = fromMajor <= toMajor ? from : to;
    const Point end = fromMajor <= toMajor ? to : from;
    const long long startMajor = xMajor ? start.x : start.y;
    const long long startMinor = xMajor ? start.y : start.x;
    const long long dMajor = (xMajor ? end.x : end.y) - startMajor;
    const long long dMinor = (xMajor ? end.y : end.x) - startMinor;
    // The minor offset at step t is RoundHalfDown(dMinor * t, dMajor), which is
    // -floor((dMajor - 2 dMinor t) / (2 dMajor)); that quotient and its remainder are stepped
    // exactly from one pixel to the next instead of dividing at every pixel.
    const long long divisor = 2 * dMajor;
    long long quotient = 0;
    long long remainder = dMajor;
    for (long long t = 0; t <= dMajor; ++t) {
        const long long major = startMajor + t;
        const long long minor = startMinor - quotient;
        remainder -= 2 * dMinor;
        if (remainder < 0) {
            remainder += divisor;
            --quotient;
        } else if (remainder >= divisor) {
            remainder -= divisor;
            ++quotient;
        }
        const int x = static_cast<int>(xMajor ? major : minor);
        const int y = static_cast<int>(xMajor ? minor : major);
        if (x == to.x && y == to.y) continue;
        plot(x, y);
    }
}

template <typename Box>
void RasteriseWideSegment(Point from, Point to, int penWidth, Box&& box) {
    const bool xMajor = std::llabs(static_cast<long long>(to.x) - from.x) >=
                        std::llabs(static_cast<long long>(to.y) - from.y);
    const int extra = std::max(penWidth, 1) - 1;
    RasteriseSegment(from, to, [&](int x, int y) {
        if (xMajor)
            box(x, y - extra, x + 1, y + 1);
        else
            box(x - extra, y, x + 1, y + 1);
    });
}

}  // namespace vireflu
