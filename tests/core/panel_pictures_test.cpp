#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "panel_pictures/phase_picture.h"
#include "panel_pictures/waveform_curves.h"
#include "recording_surface.h"

namespace vireflu {
namespace {

using testing::Primitive;
using testing::RecordingSurface;
using Points = std::vector<Point>;

const Pen kAxisPen = Pen::Solid(2, Rgb{255, 0, 0});
const Pen kCurvePen = Pen::Solid(1, Rgb{0, 0, 255});
const Pen kCursorPen = Pen::Solid(1, Rgb{0, 0, 0});

// The vertices of the curve, drawn as consecutive segments: the start of the first
// segment, then the end of each.
Points CurveOf(const RecordingSurface& surface) {
    Points vertices;
    for (const Primitive& p : surface.primitives) {
        if (!(p.pen == kCurvePen)) continue;
        if (vertices.empty()) vertices.push_back(p.points[0]);
        vertices.push_back(p.points[1]);
    }
    return vertices;
}

// Draws a 97 x 57 picture and checks what every curve routine owes: the two axes first with
// the axis pen, and the entry pen back at the end.
Points Curve(const std::function<void(Surface&)>& draw) {
    RecordingSurface surface;
    surface.SelectPen(Pen::Null());
    draw(surface);
    EXPECT_EQ(surface.CurrentPen(), Pen::Null());
    surface.primitives.resize(std::max<std::size_t>(surface.primitives.size(), 2));
    EXPECT_EQ(surface.primitives[0].points, (Points{{5, 28}, {92, 28}}));
    EXPECT_EQ(surface.primitives[1].points, (Points{{10, 5}, {10, 52}}));
    EXPECT_TRUE(surface.primitives[0].pen == kAxisPen && surface.primitives[1].pen == kAxisPen);
    return CurveOf(surface);
}

// The worked example, 97 x 57: the sine is sampled once per column from x = 10 to 92.
TEST(WaveformCurves, SineOverOnePeriod) {
    const Points at0 = Curve([](Surface& s) { DrawSinePicture(s, 97, 57, 0); });
    ASSERT_EQ(at0.size(), 83u);
    for (std::size_t i = 0; i < at0.size(); ++i) EXPECT_EQ(at0[i].x, static_cast<int>(10 + i));
    EXPECT_EQ((Points{at0[0], at0[1], at0[20], at0[41], at0[61], at0[82]}),
              (Points{{10, 28}, {11, 26}, {30, 5}, {51, 28}, {71, 51}, {92, 28}}));
}

// Pictures 15 pixels wide or narrower, and six-step shifts other than exactly 0, 120 or
// 240, get the axes alone.
TEST(WaveformCurves, AxesAloneWithoutACurve) {
    RecordingSurface narrow;
    DrawSinePicture(narrow, 15, 57, 0);
    EXPECT_EQ(narrow.primitives.size(), 2u);
    for (double shift : {60.0, 120.5})
        EXPECT_TRUE(Curve([&](Surface& s) { DrawSixStepPicture(s, 97, 57, shift); }).empty())
            << shift;
}

// Columns X(1), X(3), X(5), X(7), X(9), X(11), X(12) are each their own truncated
// product: truncation, not rounding, decides them, and a product that should be whole can
// fall one pixel short (w = 112 ends at w - 6). Levels for h = 57: top 10, zero 28,
// bottom 47.
TEST(WaveformCurves, SixStepVertices) {
    const std::pair<int, std::array<int, 7>> rows[] = {
        {97, {16, 30, 44, 57, 71, 85, 92}},
        {96, {16, 30, 43, 57, 70, 84, 91}},
        {112, {18, 34, 50, 66, 82, 98, 106}},
    };
    const int t = 10, z = 28, b = 47;
    for (const auto& [w, x] : rows) {
        const auto [x1, x3, x5, x7, x9, x11, x12] = x;
        const Points shift0{{10, z}, {x1, z}, {x1, t},  {x5, t},  {x5, z},
                            {x7, z}, {x7, b}, {x11, b}, {x11, z}, {x12, z}};
        const Points shift240{{10, b}, {x3, b}, {x3, z},  {x5, z},  {x5, t},
                              {x9, t}, {x9, z}, {x11, z}, {x11, b}, {x12, b}};
        const Points shift120{{10, t}, {x1, t}, {x1, z}, {x3, z}, {x3, b},
                              {x7, b}, {x7, z}, {x9, z}, {x9, t}, {x12, t}};
        const std::pair<double, Points> shifts[] = {{0, shift0}, {120, shift120}, {240, shift240}};
        for (const auto& [shift, vertices] : shifts) {
            RecordingSurface surface;
            DrawSixStepPicture(surface, w, 57, shift);
            EXPECT_EQ(CurveOf(surface), vertices) << w << ", shift " << shift;
        }
    }
}

// One period, 0 to 6.28318, spans x = 10 .. w - 5, as the curves do.
TEST(DrawTimeCursor, StandsOnTheCurvesScale) {
    for (const auto& [angle, x] : {std::pair{0.0, 10}, {3.14159, 51}, {6.28318, 92}}) {
        RecordingSurface surface;
        surface.SelectPen(Pen::Null());
        DrawTimeCursor(surface, 97, 57, angle);
        ASSERT_EQ(surface.primitives.size(), 1u) << angle;
        EXPECT_EQ(surface.primitives[0].points, (Points{{x, 5}, {x, 52}})) << angle;
        EXPECT_EQ(surface.primitives[0].pen, kCursorPen) << angle;
        EXPECT_EQ(surface.CurrentPen(), Pen::Null()) << angle;
    }
}

// A stator with no waveform chosen gets no curve; a rotor's phase 1 with none is the
// constant line, and its phase 2 is a sine (starting at the top for 90 degrees) whatever
// the waveform.
TEST(DrawPhasePicture, BackgroundCurveThenCursor) {
    struct Row {
        Winding winding;
        int waveform, phase;
        Points curve;  // its first two vertices
    };
    const Row rows[] = {
        {Winding::Stator, kWaveformNone, 1, {}},
        {Winding::Rotor, kWaveformNone, 1, {{10, 10}, {92, 10}}},
        {Winding::Rotor, kWaveformContinu, 2, {{10, 5}, {11, 5}}},
    };
    for (const Row& row : rows) {
        const WindingSettings values{1, 1, 1, 0, 90, 120, 50, 0, 0, row.waveform};
        RecordingSurface surface;
        DrawPhasePicture(surface, 97, 57, row.winding, row.phase, values, 3.14159);
        EXPECT_EQ(surface.primitives.front().kind, Primitive::Kind::FillRect);
        EXPECT_EQ(surface.primitives.front().points, (Points{{0, 0}, {97, 57}}));
        EXPECT_EQ(surface.primitives.front().brush, Brush::Of(Colour::FromRgb(255, 255, 255)));
        EXPECT_EQ(surface.primitives.back().points, (Points{{51, 5}, {51, 52}}));
        EXPECT_EQ(surface.primitives.back().pen, kCursorPen);
        Points curve = CurveOf(surface);
        curve.resize(std::min<std::size_t>(curve.size(), 2));
        EXPECT_EQ(curve, row.curve) << row.phase;
    }
}

}  // namespace
}  // namespace vireflu
