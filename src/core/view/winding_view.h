#pragma once

#include <array>
#include <vector>

#include "drawing/polygon_raster.h"
#include "drawing/surface.h"
#include "machine/winding_design.h"
#include "view/view_geometry.h"

namespace vireflu {

// The air-gap sectors of a winding: a whole number per slot and at least 180 in all, rasterised
// once for a size and a number of slots, so that a frame only fills their runs.
class WindingSectors {
public:
    // Lays the sectors out again when the view's size or the winding's slots changed.
    void Fit(const ViewGeometry& geometry, const WindingDesign& design);
    int Count() const { return static_cast<int>(quads.size()); }
    const std::array<Point, 4>& Quad(int k) const { return quads[static_cast<std::size_t>(k)]; }
    PolygonRuns Runs(int k) const;

private:
    int width = -1;
    int height = -1;
    int slotCount = 0;
    std::vector<std::array<Point, 4>> quads;
    std::vector<PixelRun> runs;
    std::vector<std::size_t> starts;  // where each sector's runs begin, and the last ends
};

// The air gap coloured by the winding's stepped magnetomotive force; each sector takes the
// step its middle lies in.
void DrawWindingGap(Surface& surface, const WindingSectors& sectors, const WindingDesign& design,
                    const std::array<double, 3>& currents);
// The Q slots on the stator's conductor circle, each with its two coil sides coloured by their
// current, the top layer outside.
void DrawWindingSlots(Surface& surface, const ViewGeometry& geometry, const WindingDesign& design,
                      const std::array<double, 3>& currents);
// The field as p red arrows from the centre, the first to `tip` (the field's, towards its
// first north pole), the others 360 / p degrees on.
void DrawWindingField(Surface& surface, const ViewGeometry& geometry, int polePairs, Point tip,
                      int lineWidth);

}  // namespace vireflu
