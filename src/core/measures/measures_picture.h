#pragma once

#include <span>

#include "drawing/raster_surface.h"
#include "drawing/surface.h"
#include "measures/measures.h"

namespace vireflu {

// The colours of the "Mesures" window's curves and of the two rotating fields.
inline constexpr Rgb kStatorCurveColour{0, 114, 178};
inline constexpr Rgb kRotorCurveColour{0, 158, 115};
inline constexpr Rgb kResultantCurveColour{0, 0, 0};
inline constexpr Rgb kFundamentalColour{150, 150, 150};
inline constexpr Rgb kFieldMarkerColour{255, 0, 0};  // the field vector's own red
inline constexpr Rgb kDirectFieldColour{0, 114, 178};
inline constexpr Rgb kInverseFieldColour{230, 159, 0};

// One entry of the curve's legend: its French name (translated in the "Measures" context),
// its curve's colour, and the colour its name is written in: the curve's hue, dark enough
// to read at 4.5:1 on a window's light grey (#f0f0f0) and on white, as small text must.
// The window, the page and the tool's picture show the same legend.
struct CurveLegendEntry {
    const char* name;
    Rgb colour;
    Rgb textColour;
};
std::span<const CurveLegendEntry> CurveLegend();

// The air-gap curve in `area`: 0 to 360 degrees left to right, +1 at the top, -1 at the
// bottom; grid, stator, rotor, resultant, the resultant's fundamental and a vertical
// marker at the field vector's angle. Lines are `lineWidth` pixels wide.
void DrawAirGapCurve(Surface& surface, const Rect& area, const Measures& measures, int lineWidth);

// The size of the "Mesures" window's curve, in logical pixels: twice as large for a
// projector, as its text is.
struct CurveSize {
    int width = 0;
    int height = 0;
};
inline CurveSize MeasuresCurveSize(bool projector) {
    const int scale = projector ? 2 : 1;
    return CurveSize{372 * scale, 150 * scale};
}

// The curve on a white canvas of width x height (at least 1 x 1).
void RenderAirGapCurve(RasterSurface& canvas, int width, int height, const Measures& measures,
                       int lineWidth);

// The two rotating fields of the winding the red vector shows, from the machine centre:
// the stator's when it is on, otherwise the rotor's. While its supply alternates, each ends
// in a chevron pointing the way it turns (for the rotor, relative to the rotor).
void DrawRotatingFields(Surface& surface, Point centre, const std::optional<FieldSplit>& stator,
                        const std::optional<FieldSplit>& rotor, int lineWidth);

}  // namespace vireflu
