#pragma once

#include <array>

#include "drawing/geometry.h"
#include "machine/gap_mmf.h"
#include "machine/machine_layout.h"
#include "view/gap_sectors.h"

namespace vireflu {

// The layout of the machine derived from the view's client size, recomputed as a whole
// at every size change so the machine always fills the view and stays round.
struct ViewGeometry {
    Rect clientRect;
    int gapInnerRadius = 0;
    int gapOuterRadius = 0;
    int conductorRingRadius = 0;  // stator conductor circle
    int conductorHalfSize = 0;
    int edgeRight = 0;
    int edgeLeft = 0;
    int edgeBottom = 0;
    int edgeTop = 0;
    int centreX = 0;
    int centreY = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    int torqueSpan = 0;
    int torqueBarRight = 0;
    GapPoints gapPoints{};
    std::array<Rect, 8> statorConductorBoxes{};
    // The sectors' fill on a canvas of the client size.
    SectorRuns sectorRuns;

    // The smaller client side, which every radius is a fraction of.
    int ShorterSide() const;
    // Bounding square of a conductor centred at `angle` on the circle of `ringRadius`.
    Rect ConductorBox(double angle, int ringRadius) const;
};

ViewGeometry ComputeGeometry(const Rect& clientRect, const AngleTables& tables);

}  // namespace vireflu
