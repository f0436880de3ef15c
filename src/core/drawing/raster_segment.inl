#pragma once

#include <cstdlib>

namespace vireflu {

namespace raster_detail {

inline long long FloorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// n / d rounded to the nearest integer, exact halves toward the smaller value (d > 0).
inline long long RoundHalfDown(long long n, long long d) {
    return -FloorDiv(d - 2 * n, 2 * d);
}

}  // namespace raster_detail

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
    for (long long t = 0; t <= dMajor; ++t) {
        const long long major = startMajor + t;
        const long long minor = startMinor + raster_detail::RoundHalfDown(dMinor * t, dMajor);
        const int x = static_cast<int>(xMajor ? major : minor);
        const int y = static_cast<int>(xMajor ? minor : major);
        if (x == to.x && y == to.y) continue;
        plot(x, y);
    }
}

}  // namespace vireflu
