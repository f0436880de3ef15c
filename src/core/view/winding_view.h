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

// Another winding as the view lays it out: its slots, once per winding, and its air-gap
// sectors (a whole number per slot, at least 180 in all), rasterised once per size and number
// of slots, so that a frame only fills their runs.
class WindingLayout {
public:
    // Lays the slots and the sectors out again when the winding or the view's size changed.
    void Fit(const ViewGeometry& geometry, const WindingDesign& design);
    const std::vector<Slot>& Slots() const { return laidOut; }
    int Count() const { return static_cast<int>(quads.size()); }
    const std::array<Point, 4>& Quad(int k) const { return quads[static_cast<std::size_t>(k)]; }
    PolygonRuns Runs(int k) const;

private:
    WindingDesign design;
    std::vector<Slot> laidOut;
    int width = -1;
    int height = -1;
    std::vector<std::array<Point, 4>> quads;
    std::vector<PixelRun> runs;
    std::vector<std::size_t> starts;  // where each sector's runs begin, and the last ends
};

// Each of the layout's sectors' level: the winding's stepped magnetomotive force `steps` (see
// MmfSteps) at its middle, with the rotor's there (`gap`'s rotor levels) when it is fed.
std::vector<int> WindingGapLevels(const SimulationState& state, const WindingLayout& layout,
                                  const std::vector<double>& steps, const AirGapLevels& gap);
// The air gap coloured sector by sector with those levels.
void DrawWindingGap(Surface& surface, const WindingLayout& layout, const std::vector<int>& levels);
// The Q slots on the stator's conductor circle, each with its two coil sides coloured by their
// current, the top layer outside.
void DrawWindingSlots(Surface& surface, const ViewGeometry& geometry, const WindingLayout& layout,
                      const std::array<double, 3>& currents);
// The field as p red arrows from the centre, the first to `tip` (the field's, towards its
// first north pole), the others 360 / p degrees on.
void DrawWindingField(Surface& surface, const ViewGeometry& geometry, int polePairs, Point tip,
                      int lineWidth);

}  // namespace vireflu
