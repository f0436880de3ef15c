#pragma once

#include <array>
#include <vector>

#include "drawing/polygon_raster.h"
#include "drawing/surface.h"
#include "machine/gap_mmf.h"
#include "machine/simulation_state.h"
#include "machine/winding_design.h"
#include "view/view_geometry.h"

namespace vireflu {

// Quadrilaterals rasterised once for a canvas size, so that a frame only fills their runs.
class QuadRuns {
public:
    void Clear(int width, int height);
    void Add(const std::array<Point, 4>& quad);
    int Count() const { return static_cast<int>(quads.size()); }
    const std::array<Point, 4>& Quad(int k) const { return quads[static_cast<std::size_t>(k)]; }
    PolygonRuns Runs(int k) const;

private:
    int width = 0;
    int height = 0;
    std::vector<std::array<Point, 4>> quads;
    std::vector<PixelRun> runs;
    std::vector<std::size_t> starts{0};  // where each quad's runs begin, and the last ends
};

// Another winding as the view lays it out: its slots, once per winding; its air-gap sectors
// (a whole number per slot, at least 180 in all) and its coil sides (two small radial
// rectangles a slot, the top layer outside), once per size and number of slots.
class WindingLayout {
public:
    // Lays the slots out again when the winding or the view's size changed.
    void Fit(const ViewGeometry& geometry, const WindingDesign& design);
    const std::vector<Slot>& Slots() const { return laidOut; }
    const QuadRuns& Sectors() const { return sectors; }
    // Side 2s + 1 is slot s's top layer, side 2s its bottom one.
    const QuadRuns& Sides() const { return sides; }

private:
    WindingDesign design;
    std::vector<Slot> laidOut;
    int width = -1;
    int height = -1;
    QuadRuns sectors;
    QuadRuns sides;
};

// Each of the layout's sectors' level: the winding's stepped magnetomotive force `steps` (see
// MmfSteps) at its middle, with the rotor's there (`gap`'s rotor levels) when it is fed.
std::vector<int> WindingGapLevels(const SimulationState& state, const WindingLayout& layout,
                                  const std::vector<double>& steps, const AirGapLevels& gap);
// The air gap coloured sector by sector with those levels.
void DrawWindingGap(Surface& surface, const WindingLayout& layout, const std::vector<int>& levels);
// The Q slots on the stator's conductor circle, each with its two coil sides coloured by their
// current, the top layer outside.
void DrawWindingSlots(Surface& surface, const WindingLayout& layout,
                      const std::array<double, 3>& currents);
// The field as p red arrows from the centre, the first to `tip` (the field's, towards its
// first north pole), the others 360 / p degrees on.
void DrawWindingField(Surface& surface, const ViewGeometry& geometry, int polePairs, Point tip,
                      int lineWidth);

}  // namespace vireflu
