#include "view/air_gap.h"

namespace vireflu {

namespace {

template <typename SectorPainter>
void PaintSectors(Surface& surface, const AirGapLevels& levels, SectorPainter&& paint) {
    const Brush kept = surface.SelectBrush(Brush::Level(levels.combined[kGapSectors - 1]));
    for (int k = 0; k < kGapSectors; ++k) paint(k);
    surface.SelectBrush(kept);
}

}  // namespace

void DrawAirGap(Surface& surface, const ViewGeometry& geometry, const AirGapLevels& levels) {
    const auto& g = geometry.gapPoints;
    const SectorRuns& runs = geometry.sectorRuns;
    PaintSectors(surface, levels, [&](int k) {
        surface.SelectBrush(Brush::Level(levels.combined[static_cast<std::size_t>(k)]));
        surface.Polygon(SectorQuad(g, GapRing::Whole, k), runs.Of(GapRing::Whole, k));
    });
}

void DrawMmfRings(Surface& surface, const ViewGeometry& geometry, const AirGapLevels& levels) {
    const auto& g = geometry.gapPoints;
    const SectorRuns& runs = geometry.sectorRuns;
    PaintSectors(surface, levels, [&](int k) {
        const auto i = static_cast<std::size_t>(k);
        surface.SelectBrush(Brush::Level(levels.rotor[i]));
        surface.Polygon(SectorQuad(g, GapRing::Inner, k), runs.Of(GapRing::Inner, k));
        surface.SelectBrush(Brush::Level(levels.stator[i]));
        surface.Polygon(SectorQuad(g, GapRing::Outer, k), runs.Of(GapRing::Outer, k));
    });
}

}  // namespace vireflu
