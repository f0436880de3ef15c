#include "window_placement.h"

#include <algorithm>

namespace vireflu {

QRect InitialFrameRect(const QRect& screen, const QRect& available) {
    const int side = std::min({screen.width() / 2, available.width(), available.height()});
    return QRect(available.topLeft(), QSize(side, side));
}

}  // namespace vireflu
