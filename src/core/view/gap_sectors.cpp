#include "view/gap_sectors.h"

namespace vireflu {

namespace {

std::size_t Index(GapRing ring, int k) {
    return static_cast<std::size_t>(static_cast<int>(ring) * kGapSectors + k);
}

}  // namespace

std::array<Point, 4> SectorQuad(const GapPoints& g, GapRing ring, int k) {
    const GapPoint& a = g[static_cast<std::size_t>(k)];
    const GapPoint& b = g[static_cast<std::size_t>((k + 1) % kGapSectors)];
    const Point aIn{a.innerX, a.innerY}, aOut{a.outerX, a.outerY};
    const Point bIn{b.innerX, b.innerY}, bOut{b.outerX, b.outerY};
    const Point aMid{(a.innerX + a.outerX) / 2, (a.innerY + a.outerY) / 2};
    const Point bMid{(b.innerX + b.outerX) / 2, (b.innerY + b.outerY) / 2};
    switch (ring) {
        case GapRing::Inner:
            return {aIn, aMid, bMid, bIn};
        case GapRing::Outer:
            return {aMid, aOut, bOut, bMid};
        case GapRing::Whole:
            break;
    }
    return {aIn, aOut, bOut, bIn};
}

SectorRuns::SectorRuns(const GapPoints& points, int w, int h) : width(w), height(h) {
    starts.reserve(kGapRings * kGapSectors + 1);
    for (GapRing ring : {GapRing::Whole, GapRing::Inner, GapRing::Outer}) {
        for (int k = 0; k < kGapSectors; ++k) {
            starts.push_back(runs.size());
            RasterisePolygon(SectorQuad(points, ring, k), width, height, runs);
        }
    }
    starts.push_back(runs.size());
}

PolygonRuns SectorRuns::Of(GapRing ring, int k) const {
    // Before any size is known there are no runs, and no canvas has size -1.
    if (starts.empty()) return PolygonRuns{-1, -1, {}};
    const std::size_t i = Index(ring, k);
    return PolygonRuns{
        width, height,
        std::span<const PixelRun>(runs).subspan(starts[i], starts[i + 1] - starts[i])};
}

}  // namespace vireflu
