#include "view/view_geometry.h"

#include <algorithm>
#include <cmath>

namespace vireflu {

int ViewGeometry::ShorterSide() const {
    return std::min(clientWidth, clientHeight);
}

Rect ViewGeometry::ConductorBox(double angle, int ringRadius) const {
    const int x = Trunc(ringRadius * std::cos(angle));
    const int y = Trunc(ringRadius * std::sin(angle));
    return Rect{centreX + x - conductorHalfSize, centreY - y - conductorHalfSize,
                centreX + x + conductorHalfSize, centreY - y + conductorHalfSize};
}

ViewGeometry ComputeGeometry(const Rect& clientRect, const AngleTables& tables) {
    ViewGeometry g;
    g.clientRect = clientRect;
    g.edgeLeft = clientRect.left;
    g.edgeRight = clientRect.right;
    g.edgeBottom = clientRect.bottom;
    g.edgeTop = clientRect.top;
    g.clientWidth = clientRect.right - clientRect.left;
    g.clientHeight = clientRect.bottom - clientRect.top;
    g.centreX = Trunc((clientRect.left + clientRect.right) * 0.5);
    g.centreY = Trunc((clientRect.top + clientRect.bottom) * 0.5);

    const int m = g.ShorterSide();
    g.gapInnerRadius = Trunc(m * 0.35);
    g.gapOuterRadius = Trunc(m * 0.4);
    g.conductorHalfSize = Trunc(m * 0.04);
    g.conductorRingRadius = Trunc(m * 0.45);

    const int ri = g.gapInnerRadius;
    const int ro = g.gapOuterRadius;
    g.gapPoints[0] = GapPoint{g.centreX + ri, g.centreY, g.centreX + ro, g.centreY};
    g.gapPoints[90] = GapPoint{g.centreX - ri, g.centreY, g.centreX - ro, g.centreY};
    // The lower half mirrors the upper half exactly about the horizontal centre line.
    for (std::size_t k = 1; k <= 89; ++k) {
        const double c = tables.cosTable[k];
        const double s = tables.sinTable[k];
        const int innerX = Trunc(ri * c) + g.centreX;
        const int outerX = Trunc(ro * c) + g.centreX;
        g.gapPoints[k] =
            GapPoint{innerX, g.centreY - Trunc(ri * s), outerX, g.centreY - Trunc(ro * s)};
        g.gapPoints[180 - k] =
            GapPoint{innerX, Trunc(ri * s) + g.centreY, outerX, Trunc(ro * s) + g.centreY};
    }

    for (std::size_t j = 0; j < 8; ++j)
        g.statorConductorBoxes[j] =
            g.ConductorBox(TeachingMachine().slotAngles[j], g.conductorRingRadius);

    g.torqueSpan = Trunc(g.clientHeight * 0.8);
    g.torqueBarRight = Trunc(g.clientWidth * 0.05);
    g.sectorRuns = SectorRuns(g.gapPoints, g.clientWidth, g.clientHeight);
    return g;
}

}  // namespace vireflu
