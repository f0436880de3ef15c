#include "view/winding_view.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "machine/constants.h"
#include "machine/winding_field.h"

namespace vireflu {

namespace {

using constants::kDegreeFactor;

const Rgb kRed{255, 0, 0};

Point OnCircle(const ViewGeometry& g, double degrees, double radius) {
    const double a = degrees * kDegreeFactor;
    return {g.centreX + static_cast<int>(std::lround(radius * std::cos(a))),
            g.centreY - static_cast<int>(std::lround(radius * std::sin(a)))};
}

int LevelOf(double current) {
    return std::clamp(Trunc(32 + 32 * current), 0, 64);
}

}  // namespace

void QuadRuns::Clear(int w, int h) {
    width = w;
    height = h;
    quads.clear();
    runs.clear();
    starts.assign(1, 0);
}

void QuadRuns::Add(const std::array<Point, 4>& quad) {
    quads.push_back(quad);
    RasterisePolygon(quad, width, height, runs);
    starts.push_back(runs.size());
}

PolygonRuns QuadRuns::Runs(int k) const {
    const auto i = static_cast<std::size_t>(k);
    return PolygonRuns{
        width, height,
        std::span<const PixelRun>(runs).subspan(starts[i], starts[i + 1] - starts[i])};
}

void WindingLayout::Fit(const ViewGeometry& geometry, const WindingDesign& wanted) {
    const bool sameSlots = wanted.Slots() == design.Slots() && !laidOut.empty();
    if (wanted != design || laidOut.empty()) laidOut = SlotsOf(wanted);
    design = wanted;
    if (sameSlots && width == geometry.clientWidth && height == geometry.clientHeight) return;
    width = geometry.clientWidth;
    height = geometry.clientHeight;
    const int slotCount = design.Slots();
    const int count = slotCount * ((180 + slotCount - 1) / slotCount);
    const double sectorDeg = 360.0 / count;
    sectors.Clear(width, height);
    for (int k = 0; k < count; ++k) {
        const double from = k * sectorDeg, to = (k + 1) * sectorDeg;
        sectors.Add({OnCircle(geometry, from, geometry.gapInnerRadius),
                     OnCircle(geometry, from, geometry.gapOuterRadius),
                     OnCircle(geometry, to, geometry.gapOuterRadius),
                     OnCircle(geometry, to, geometry.gapInnerRadius)});
    }
    // Two sides a slot, one behind the other outward from where the teaching machine's
    // conductors start, as wide as the slots' spacing lets them.
    const double slotDeg = 360.0 / slotCount;
    const double spacing = geometry.conductorRingRadius * slotDeg * kDegreeFactor;
    const double half = std::max(1.0, std::min(geometry.conductorHalfSize / 2.0, spacing * 0.35));
    const double halfDeg = half / geometry.conductorRingRadius / kDegreeFactor;
    const double inner = geometry.conductorRingRadius - geometry.conductorHalfSize;
    sides.Clear(width, height);
    for (int s = 0; s < slotCount; ++s) {
        const double middle = (s + 0.5) * slotDeg;
        for (const double from : {inner, inner + 2 * half + 1}) {
            const double to = from + 2 * half;
            sides.Add({OnCircle(geometry, middle - halfDeg, from),
                       OnCircle(geometry, middle - halfDeg, to),
                       OnCircle(geometry, middle + halfDeg, to),
                       OnCircle(geometry, middle + halfDeg, from)});
        }
    }
}

std::vector<int> WindingGapLevels(const SimulationState& state, const WindingLayout& layout,
                                  const std::vector<double>& steps, const AirGapLevels& gap) {
    std::vector<int> levels;
    const int count = layout.Sectors().Count();
    const double sectorDeg = 360.0 / count;
    for (int k = 0; k < count; ++k) {
        const double middle = (k + 0.5) * sectorDeg;
        const int stator = MmfLevel(state.winding, StepAt(steps, middle));
        const auto sector = std::min(static_cast<std::size_t>(middle / 2), gap.rotor.size() - 1);
        levels.push_back(CombinedLevel(state, stator, gap.rotor[sector]));
    }
    return levels;
}

void DrawWindingGap(Surface& surface, const WindingLayout& layout, const std::vector<int>& levels) {
    const Pen kept = surface.SelectPen(Pen::Null());
    const QuadRuns& sectors = layout.Sectors();
    for (int k = 0; k < sectors.Count(); ++k) {
        surface.SelectBrush(Brush::Level(levels[static_cast<std::size_t>(k)]));
        surface.Polygon(sectors.Quad(k), sectors.Runs(k));
    }
    surface.SelectPen(kept);
}

void DrawWindingSlots(Surface& surface, const WindingLayout& layout,
                      const std::array<double, 3>& currents) {
    const Pen kept = surface.SelectPen(Pen::Null());
    const QuadRuns& sides = layout.Sides();
    for (int k = 0; k < sides.Count(); ++k) {
        const Slot& slot = layout.Slots()[static_cast<std::size_t>(k / 2)];
        const CoilSide& side = k % 2 == 1 ? slot.top : slot.bottom;
        surface.SelectBrush(
            Brush::Level(LevelOf(side.sign * currents[static_cast<std::size_t>(side.phase)])));
        surface.Polygon(sides.Quad(k), sides.Runs(k));
    }
    surface.SelectPen(kept);
}

void DrawWindingField(Surface& surface, const ViewGeometry& geometry, int polePairs, Point tip,
                      int lineWidth) {
    const Pen kept = surface.SelectPen(Pen::Solid(lineWidth, kRed));
    const double length = std::hypot(tip.x, tip.y);
    const double first = std::atan2(-tip.y, tip.x) / kDegreeFactor;
    for (int pole = 0; pole < polePairs; ++pole) {
        surface.MoveTo({geometry.centreX, geometry.centreY});
        surface.LineTo(OnCircle(geometry, first + 360.0 * pole / polePairs, length));
    }
    surface.SelectPen(kept);
}

}  // namespace vireflu
