#include "drawing/drawn_area.h"

#include <algorithm>

namespace vireflu {

namespace {

// Rows joined into one band of rectangles: fewer, larger rectangles for the screen to copy.
constexpr int kBandRows = 32;

}  // namespace

void DrawnArea::Resize(int w, int h) {
    width = w;
    blockShift = 0;
    while ((static_cast<long long>(w) + (1LL << blockShift) - 1) >> blockShift > 64) ++blockShift;
    drawn.assign(static_cast<std::size_t>(h), 0);
    restoredApart.assign(static_cast<std::size_t>(h), 0);
    repainted.assign(static_cast<std::size_t>(h), ~std::uint64_t{0});
}

void DrawnArea::MarkRestoredApart(const Rect& box) {
    if (box.left >= box.right) return;
    const std::uint64_t blocks = Blocks(box.left, box.right);
    for (int y = box.top; y < box.bottom; ++y) restoredApart[static_cast<std::size_t>(y)] |= blocks;
}

void DrawnArea::RepaintAll() {
    std::fill(repainted.begin(), repainted.end(), ~std::uint64_t{0});
    std::fill(drawn.begin(), drawn.end(), 0);
    std::fill(restoredApart.begin(), restoredApart.end(), 0);
}

void DrawnArea::Changed(std::vector<Rect>& rects) const {
    const int height = static_cast<int>(drawn.size());
    for (int top = 0; top < height; top += kBandRows) {
        const int bottom = std::min(top + kBandRows, height);
        std::uint64_t blocks = 0;
        for (int y = top; y < bottom; ++y)
            blocks |= drawn[static_cast<std::size_t>(y)] |
                      restoredApart[static_cast<std::size_t>(y)] |
                      repainted[static_cast<std::size_t>(y)];
        ForEachRun(blocks, [&](int first, int count) {
            rects.push_back(Rect{first << blockShift, top,
                                 std::min((first + count) << blockShift, width), bottom});
        });
    }
}

}  // namespace vireflu
