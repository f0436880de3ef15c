#pragma once

#include <algorithm>

namespace vireflu {

// Projector mode, for the back row of a classroom: every text at least twice its size, and
// at least 24 pixels on a screen of 1080 lines, in proportion on others.
inline double ProjectorScale(double normalPixels, int screenLines) {
    return std::max(2.0, 24.0 * screenLines / 1080.0 / normalPixels);
}
inline int ProjectorTextPixels(int normalPixels, int screenLines) {
    return static_cast<int>(normalPixels * ProjectorScale(normalPixels, screenLines) + 0.999);
}

}  // namespace vireflu
