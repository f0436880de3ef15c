#include <gtest/gtest.h>

#include <functional>

#include "panel_pictures/waveform_curves.h"
#include "recorded_paths.h"

namespace vireflu {
namespace {

using testing::DrawnWith;
using testing::PathVertices;
using testing::RecordingSurface;
using Points = std::vector<Point>;

const Pen kAxisPen = Pen::Solid(2, Rgb{255, 0, 0});
const Pen kCurvePen = Pen::Solid(1, Rgb{0, 0, 255});

struct Picture {
    std::vector<Points> axes;
    Points curve;
};

// Draws a picture and checks what every curve routine owes: the two axes with the axis
// pen first, then the curve with the curve pen, and the entry pen back at the end.
Picture Drawn(const std::function<void(Surface&)>& draw) {
    RecordingSurface surface;
    surface.SelectPen(Pen::Null());
    draw(surface);
    EXPECT_EQ(surface.CurrentPen(), Pen::Null());
    Picture picture{{}, PathVertices(DrawnWith(surface, kCurvePen))};
    for (const auto& axis : DrawnWith(surface, kAxisPen)) picture.axes.push_back(axis.points);
    EXPECT_EQ(picture.axes.size(), 2u);
    EXPECT_TRUE(surface.primitives.size() >= 2 && surface.primitives[0].pen == kAxisPen &&
                surface.primitives[1].pen == kAxisPen);
    return picture;
}

// The worked example, 97 x 57: the sine is sampled once per column from x = 10 to 92.
TEST(WaveformCurves, SineOverOnePeriod) {
    const Picture at0 = Drawn([](Surface& s) { DrawSinePicture(s, 97, 57, 0); });
    EXPECT_EQ(at0.axes, (std::vector<Points>{{{5, 28}, {92, 28}}, {{10, 5}, {10, 52}}}));
    ASSERT_EQ(at0.curve.size(), 83u);
    for (std::size_t i = 0; i < at0.curve.size(); ++i)
        EXPECT_EQ(at0.curve[i].x, static_cast<int>(10 + i));
    EXPECT_EQ((Points{at0.curve[0], at0.curve[1], at0.curve[20], at0.curve[41], at0.curve[61],
                      at0.curve[82]}),
              (Points{{10, 28}, {11, 26}, {30, 5}, {51, 28}, {71, 51}, {92, 28}}));

    // A phase angle moves the curve to the left.
    const Points at90 = Drawn([](Surface& s) { DrawSinePicture(s, 97, 57, 90); }).curve;
    EXPECT_EQ((Points{at90.front(), at90[41]}), (Points{{10, 5}, {51, 51}}));
    EXPECT_EQ(Drawn([](Surface& s) { DrawSinePicture(s, 97, 57, 120); }).curve.front(),
              (Point{10, 8}));
    // While 11 < w - 4 there is a segment per column.
    EXPECT_EQ(Drawn([](Surface& s) { DrawSinePicture(s, 16, 57, 0); }).curve.size(), 2u);
}

TEST(WaveformCurves, DirectCurrentIsALineFiveBelowTheTop) {
    EXPECT_EQ(Drawn([](Surface& s) { DrawDirectPicture(s, 97, 57, 240); }).curve,
              (Points{{10, 10}, {92, 10}}));
}

// Pictures 15 pixels wide or narrower, and six-step shifts other than exactly 0, 120 or
// 240, get the axes alone.
TEST(WaveformCurves, AxesAloneWithoutACurve) {
    EXPECT_TRUE(Drawn([](Surface& s) { DrawSinePicture(s, 15, 57, 0); }).curve.empty());
    for (double shift : {60.0, 360.0, 120.5})
        EXPECT_TRUE(Drawn([&](Surface& s) { DrawSixStepPicture(s, 97, 57, shift); }).curve.empty())
            << shift;
}

// Columns X(1), X(3), X(5), X(7), X(9), X(11), X(12) are each their own truncated
// product: truncation, not rounding, decides them, and a product that should be whole can
// fall one pixel short (w = 112 ends at w - 6, like w = 111). Levels for h = 57: top 10,
// zero 28, bottom 47.
TEST(WaveformCurves, SixStepVerticesForEachShift) {
    const std::pair<int, std::array<int, 7>> rows[] = {
        {97, {16, 30, 44, 57, 71, 85, 92}},
        {96, {16, 30, 43, 57, 70, 84, 91}},
        {112, {18, 34, 50, 66, 82, 98, 106}},
        {111, {18, 34, 50, 66, 82, 98, 106}},
    };
    const int t = 10, z = 28, b = 47;
    for (const auto& [w, x] : rows) {
        const auto [x1, x3, x5, x7, x9, x11, x12] = x;
        const Points shift0{{10, z}, {x1, z}, {x1, t},  {x5, t},  {x5, z},
                            {x7, z}, {x7, b}, {x11, b}, {x11, z}, {x12, z}};
        const Points shift120{{10, t}, {x1, t}, {x1, z}, {x3, z}, {x3, b},
                              {x7, b}, {x7, z}, {x9, z}, {x9, t}, {x12, t}};
        const Points shift240{{10, b}, {x3, b}, {x3, z},  {x5, z},  {x5, t},
                              {x9, t}, {x9, z}, {x11, z}, {x11, b}, {x12, b}};
        const std::pair<double, Points> shifts[] = {{0, shift0}, {120, shift120}, {240, shift240}};
        for (const auto& [shift, vertices] : shifts)
            EXPECT_EQ(Drawn([&](Surface& s) { DrawSixStepPicture(s, w, 57, shift); }).curve,
                      vertices)
                << w << ", shift " << shift;
    }
}

}  // namespace
}  // namespace vireflu
