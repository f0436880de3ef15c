#include <gtest/gtest.h>

#include "view/view_geometry.h"

namespace vireflu {
namespace {

ViewGeometry Layout(int width, int height) {
    static const AngleTables tables;
    return ComputeGeometry(Rect{0, 0, width, height}, tables);
}

using Corners = std::array<int, 4>;

Corners CornersOf(const GapPoint& p) {
    return {p.innerX, p.innerY, p.outerX, p.outerY};
}

// Radii are truncated fractions of the shorter side; under 3 pixels the gap radius is 0.
TEST(ViewGeometry, LayoutOfKnownSizes) {
    // Centre x and y; gap inner and outer radius; conductor half size and ring radius;
    // torque span and bar right; client width and height.
    using Layout10 = std::array<int, 10>;
    const std::pair<std::array<int, 2>, Layout10> rows[] = {
        {{400, 300}, {200, 150, 105, 120, 12, 135, 240, 20, 400, 300}},
        {{300, 300}, {150, 150, 105, 120, 12, 135, 240, 15, 300, 300}},
        {{301, 300}, {150, 150, 105, 120, 12, 135, 240, 15, 301, 300}},
        {{300, 400}, {150, 200, 105, 120, 12, 135, 320, 15, 300, 400}},
        {{3, 3}, {1, 1, 1, 1, 0, 1, 2, 0, 3, 3}},
        {{2, 100}, {1, 50, 0, 0, 0, 0, 80, 0, 2, 100}},
        {{0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& [size, expected] : rows) {
        const ViewGeometry g = Layout(size[0], size[1]);
        const Layout10 layout{g.centreX,        g.centreY,           g.gapInnerRadius,
                              g.gapOuterRadius, g.conductorHalfSize, g.conductorRingRadius,
                              g.torqueSpan,     g.torqueBarRight,    g.clientWidth,
                              g.clientHeight};
        EXPECT_EQ(layout, expected) << size[0] << " x " << size[1];
    }
}

// At 90 degrees on the view's grid the cosine is a tiny positive value and the sine falls
// just short of 1, so the truncated points lie one pixel inside each radius.
TEST(ViewGeometry, GapPointsAtKnownAngles) {
    const ViewGeometry g = Layout(400, 300);
    const std::pair<int, Corners> rows[] = {
        {0, {305, 150, 320, 150}},   {1, {304, 147, 319, 146}},   {30, {252, 60, 260, 47}},
        {45, {200, 46, 200, 31}},    {90, {95, 150, 80, 150}},    {135, {200, 254, 200, 269}},
        {150, {252, 240, 260, 253}}, {179, {304, 153, 319, 154}},
    };
    for (const auto& [k, corners] : rows)
        EXPECT_EQ(CornersOf(g.gapPoints[static_cast<std::size_t>(k)]), corners) << k;

    const ViewGeometry odd = Layout(517, 389);
    for (std::size_t k = 1; k <= 89; ++k) {
        const Corners upper = CornersOf(odd.gapPoints[k]);
        const Corners mirrored{upper[0], 2 * odd.centreY - upper[1], upper[2],
                               2 * odd.centreY - upper[3]};
        EXPECT_EQ(CornersOf(odd.gapPoints[180 - k]), mirrored) << k;
    }
    for (const GapPoint& p : Layout(0, 0).gapPoints) EXPECT_EQ(CornersOf(p), (Corners{}));
}

TEST(ViewGeometry, StatorConductorBoxes) {
    const std::array<Rect, 8> expected{{
        {188, 4, 212, 28},     // 90 degrees
        {188, 272, 212, 296},  // -90
        {72, 205, 96, 229},    // 210
        {304, 71, 328, 95},    // 30
        {304, 205, 328, 229},  // -30
        {72, 71, 96, 95},      // 150
        {54, 138, 78, 162},    // 180
        {323, 138, 347, 162},  // 0
    }};
    EXPECT_EQ(Layout(400, 300).statorConductorBoxes, expected);
    EXPECT_EQ(Layout(0, 0).statorConductorBoxes, (std::array<Rect, 8>{}));
}

}  // namespace
}  // namespace vireflu
