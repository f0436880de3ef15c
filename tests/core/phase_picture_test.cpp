#include <gtest/gtest.h>

#include "panel_pictures/phase_picture.h"
#include "recorded_paths.h"

namespace vireflu {
namespace {

using testing::DrawnWith;
using testing::Primitive;
using testing::RecordingSurface;
using Points = std::vector<Point>;

const Pen kCursorPen = Pen::Solid(1, Rgb{0, 0, 0});

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

TEST(PicturedPhases, NoneWhilePhaseOneIsOff) {
    const std::pair<std::array<int, 3>, std::vector<int>> rows[] = {
        {{0, 1, 1}, {}}, {{1, 0, 0}, {1}}, {{1, 1, 0}, {1, 2}}, {{1, 1, 1}, {1, 2, 3}}};
    for (const auto& [on, phases] : rows) {
        const WindingSettings values{on[0], on[1], on[2], 0, 0, 0, 50, 0, 0, kWaveformSinus};
        EXPECT_EQ(PicturedPhases(values), phases);
    }
}

// Phase angles 0, 90 and 120 on a 97 x 57 picture: which curve is drawn shows in its
// first segment. A sine starts at mid-height (28) for 0 and at the top (5) for 90; the
// constant line and the six-step wave of shift 120 start at level 10, shift 0 on the
// axis (28), shift 240 at the bottom level (47): the typed angles play no part in them.
TEST(DrawPhasePicture, BackgroundCurveThenCursor) {
    struct Row {
        const char* name;
        Winding winding;
        int waveform;
        int phase;
        Points firstSegment;  // empty: no curve
    };
    const Winding stator = Winding::Stator, rotor = Winding::Rotor;
    const int sinus = kWaveformSinus, continu = kWaveformContinu, six = kWaveformRectangulaire;
    const Row rows[] = {
        {"stator sinus, phase 1", stator, sinus, 1, {{10, 28}, {11, 26}}},
        {"stator sinus, phase 2", stator, sinus, 2, {{10, 5}, {11, 5}}},
        {"stator continu", stator, continu, 1, {{10, 10}, {92, 10}}},
        {"stator six-step, phase 1", stator, six, 1, {{10, 28}, {16, 28}}},
        {"stator six-step, phase 2", stator, six, 2, {{10, 47}, {30, 47}}},
        {"stator six-step, phase 3", stator, six, 3, {{10, 10}, {16, 10}}},
        {"stator, no waveform", stator, kWaveformNone, 1, {}},
        {"rotor continu", rotor, continu, 1, {{10, 10}, {92, 10}}},
        {"rotor, no waveform", rotor, kWaveformNone, 1, {{10, 10}, {92, 10}}},
        {"rotor phase 2 is a sine", rotor, continu, 2, {{10, 5}, {11, 5}}},
    };
    for (const Row& row : rows) {
        const WindingSettings values{1, 1, 1, 0, 90, 120, 50, 0, 0, row.waveform};
        RecordingSurface surface;
        DrawPhasePicture(surface, 97, 57, row.winding, row.phase, values, 3.14159);

        const Primitive& background = surface.primitives.front();
        EXPECT_EQ(background.kind, Primitive::Kind::FillRect) << row.name;
        EXPECT_EQ(background.points, (Points{{0, 0}, {97, 57}})) << row.name;
        EXPECT_EQ(background.brush, Brush::Of(Colour::FromRgb(255, 255, 255))) << row.name;
        EXPECT_EQ(surface.primitives.back().points, (Points{{51, 5}, {51, 52}})) << row.name;
        EXPECT_EQ(surface.primitives.back().pen, kCursorPen) << row.name;
        const auto curve = DrawnWith(surface, Pen::Solid(1, Rgb{0, 0, 255}));
        if (row.firstSegment.empty()) {
            EXPECT_EQ(surface.primitives.size(), 2u) << row.name;
            continue;
        }
        ASSERT_FALSE(curve.empty()) << row.name;
        EXPECT_EQ(curve.front().points, row.firstSegment) << row.name;
    }
}

}  // namespace
}  // namespace vireflu
