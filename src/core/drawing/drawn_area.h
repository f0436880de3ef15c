#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "drawing/geometry.h"

namespace vireflu {

// Which parts of a canvas were drawn since its last whole fill, and which parts that fill
// repainted, in blocks of a row: a row has at most 64 blocks of 1, 2, 4, ... pixels, so its
// blocks are one 64-bit mask. A machine frame draws rings and discs and leaves the rest
// white, so the next frame's fill repaints only the blocks drawn, and the screen needs only
// the blocks that either frame drew.
class DrawnArea {
public:
    void Resize(int width, int height);

    // Pixels [left, right) of row y were drawn; 0 <= left < right <= width.
    void Mark(int y, int left, int right) {
        drawn[static_cast<std::size_t>(y)] |= Blocks(left, right);
    }

    // Pixels in `box` were drawn that the surface puts back itself at the next whole fill:
    // they count as changed, but the fill leaves their blocks alone.
    void MarkRestoredApart(const Rect& box);

    // A whole fill in the colour the undrawn pixels still have: calls fill(y, left, right)
    // for each run of drawn blocks, clipped to the canvas, and starts a new frame.
    template <typename Fill>
    void Refill(Fill&& fill);
    // A whole fill of every pixel: starts a new frame.
    void RepaintAll();

    // Rectangles that cover every block marked since the last whole fill or in the frame
    // before it: rows joined in bands from the top, a band's runs of blocks from the left.
    void Changed(std::vector<Rect>& rects) const;

private:
    // The blocks of pixels [left, right) of a row; left < right.
    std::uint64_t Blocks(int left, int right) const {
        const unsigned first = static_cast<unsigned>(left) >> blockShift;
        const unsigned last = static_cast<unsigned>(right - 1) >> blockShift;
        return (~std::uint64_t{0} << first) & (~std::uint64_t{0} >> (63 - last));
    }
    // Calls run(first, count) for each run of consecutive blocks in a row's mask.
    template <typename Run>
    static void ForEachRun(std::uint64_t blocks, Run&& run);

    int width = 0;
    int blockShift = 0;
    std::vector<std::uint64_t> drawn;
    std::vector<std::uint64_t> restoredApart;
    std::vector<std::uint64_t> repainted;
};

template <typename Run>
void DrawnArea::ForEachRun(std::uint64_t blocks, Run&& run) {
    while (blocks != 0) {
        const int first = std::countr_zero(blocks);
        const int count = std::countr_one(blocks >> first);
        run(first, count);
        blocks = first + count >= 64 ? 0 : blocks & (~std::uint64_t{0} << (first + count));
    }
}

template <typename Fill>
void DrawnArea::Refill(Fill&& fill) {
    for (std::size_t y = 0; y < drawn.size(); ++y) {
        ForEachRun(drawn[y], [&](int first, int count) {
            fill(static_cast<int>(y), first << blockShift,
                 std::min((first + count) << blockShift, width));
        });
    }
    for (std::size_t y = 0; y < drawn.size(); ++y) repainted[y] = drawn[y] | restoredApart[y];
    std::fill(drawn.begin(), drawn.end(), 0);
    std::fill(restoredApart.begin(), restoredApart.end(), 0);
}

}  // namespace vireflu
