#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "drawing/polygon_raster.h"
#include "machine/gap_mmf.h"

namespace vireflu {

// Corner points of the air-gap ring at one angle: on the inner and on the outer circle.
struct GapPoint {
    int innerX = 0;
    int innerY = 0;
    int outerX = 0;
    int outerY = 0;
};

using GapPoints = std::array<GapPoint, kGapSectors>;

// The rings of 2-degree sectors the view draws: the whole air gap, and its halves inside
// and outside the truncated mid-points.
enum class GapRing { Whole, Inner, Outer };
inline constexpr int kGapRings = 3;

// The four corners of sector k of a ring, in drawing order.
std::array<Point, 4> SectorQuad(const GapPoints& points, GapRing ring, int k);

// The fill of every sector of every ring on a canvas of one size. The sectors only move
// when the view's size changes, so they are rasterised once per size and a frame just
// fills their runs.
class SectorRuns {
public:
    SectorRuns() = default;
    SectorRuns(const GapPoints& points, int width, int height);

    PolygonRuns Of(GapRing ring, int k) const;

private:
    int width = 0;
    int height = 0;
    std::vector<PixelRun> runs;
    // Where each sector's runs begin in `runs`, ring by ring, and where the last ends.
    std::vector<std::size_t> starts;
};

}  // namespace vireflu
