#include <gtest/gtest.h>

#include <utility>

#include "recording_surface.h"
#include "simulation/display_commands.h"
#include "view/machine_scene.h"

namespace vireflu {
namespace {

using testing::Primitive;
using testing::RecordingSurface;
using Kind = Primitive::Kind;
using Runs = std::vector<std::pair<Kind, int>>;

// The primitive kinds in drawing order, consecutive ones of a kind counted together.
Runs KindRuns(const RecordingSurface& surface) {
    Runs runs;
    for (const Primitive& p : surface.primitives) {
        if (runs.empty() || runs.back().first != p.kind)
            runs.emplace_back(p.kind, 1);
        else
            ++runs.back().second;
    }
    return runs;
}

Rect BoxOf(const Primitive& disc) {
    return Rect{disc.points[0].x, disc.points[0].y, disc.points[1].x, disc.points[1].y};
}

std::vector<Primitive> Discs(int width, int height, SimulationState& state) {
    MachineScene scene;
    scene.Resize(width, height);
    RecordingSurface surface;
    scene.DrawFrame(surface, state);
    return surface.OfKind(Kind::Ellipse);
}

// Both windings "continu" with the rotor's field at 90 degrees, so that every overlay
// draws: the torque is 0.9, a bar of 29 cells. Conductors come last, stator then rotor,
// forward then return, levels 64 and 0 in map entries 64 and 0.
TEST(DrawMachine, BackgroundThenOverlaysInOrderThenConductors) {
    const std::pair<Presentation, Runs> rows[] = {
        {Presentation::AirGap, {{Kind::FillRect, 1}, {Kind::Polygon, 180}, {Kind::Ellipse, 4}}},
        {Presentation::Vector, {{Kind::FillRect, 1}, {Kind::Line, 1}, {Kind::Ellipse, 4}}},
        {Presentation::Trace, {{Kind::FillRect, 1}, {Kind::Ellipse, 4}}},
        {Presentation::MagnetomotiveForces,
         {{Kind::FillRect, 1}, {Kind::Line, 1}, {Kind::Polygon, 360}, {Kind::Ellipse, 4}}},
        {Presentation::Torque,
         {{Kind::FillRect, 1},
          {Kind::Line, 1},
          {Kind::Polygon, 360},
          {Kind::Line, 1},
          {Kind::Rectangle, 29},
          {Kind::Ellipse, 4}}},
    };
    for (const auto& [presentation, runs] : rows) {
        SCOPED_TRACE(static_cast<int>(presentation));
        SimulationState state;
        state.statorWaveform = state.rotorWaveform = kWaveformContinu;
        state.statorPhaseOn = state.rotorPhaseOn = {1, 0, 0};
        state.rotorPosition = 1.570795;
        SelectPresentation(state, presentation);
        MachineScene scene;
        scene.Resize(400, 300);
        RecordingSurface surface;
        surface.SelectPen(Pen::Solid(2, Rgb{9, 9, 9}));
        surface.SelectBrush(Brush::Level(3));
        scene.DrawFrame(surface, state);

        EXPECT_EQ(KindRuns(surface), runs);
        EXPECT_EQ(surface.primitives[0].points, (std::vector<Point>{{0, 0}, {400, 300}}));
        EXPECT_EQ(surface.primitives[0].brush, Brush::Of(Colour::FromRgb(255, 255, 255)));
        for (const Primitive& p : surface.primitives)
            EXPECT_TRUE(p.kind == Kind::Line || p.pen == Pen::Null());
        std::vector<Brush> discBrushes;
        for (const Primitive& disc : surface.OfKind(Kind::Ellipse))
            discBrushes.push_back(disc.brush);
        EXPECT_EQ(discBrushes, (std::vector<Brush>{Brush::Level(64), Brush::Level(0),
                                                   Brush::Level(64), Brush::Level(0)}));
        EXPECT_EQ(surface.CurrentPen(), Pen::Solid(2, Rgb{9, 9, 9}));
        EXPECT_EQ(surface.CurrentBrush(), Brush::Level(3));
    }
}

// Phase angles 0, 120 and 240 at angle 0 give the levels (32, 32), (59, 4), (4, 59). With
// the rotor at 0 its discs sit at the stator's angles, on a circle of 90 pixels.
TEST(DrawMachine, ConductorDiscsFollowThePhasePattern) {
    const std::array<Rect, 8> rotorBoxes{{{188, 49, 212, 73},
                                          {188, 227, 212, 251},
                                          {111, 182, 135, 206},
                                          {265, 94, 289, 118},
                                          {265, 182, 289, 206},
                                          {111, 93, 135, 117},
                                          {99, 138, 123, 162},
                                          {278, 138, 302, 162}}};
    const std::array<Rect, 8> statorBoxes =
        ComputeGeometry(Rect{0, 0, 400, 300}, AngleTables{}).statorConductorBoxes;
    struct Row {
        std::array<int, 3> on;
        std::vector<std::size_t> boxes;
        std::vector<int> levels;
    };
    const Row rows[] = {
        {{1, 1, 1}, {0, 1, 2, 3, 4, 5}, {32, 32, 59, 4, 4, 59}},
        {{1, 1, 0}, {0, 1, 6, 7}, {32, 32, 59, 4}},
        {{1, 0, 1}, {0, 1}, {32, 32}},
    };
    for (const Row& row : rows) {
        SimulationState state;
        state.statorPhaseOn = state.rotorPhaseOn = row.on;
        state.statorPhaseAngle = state.rotorPhaseAngle = {0, 2.094393333333333, 4.188786666666666};
        const auto discs = Discs(400, 300, state);
        const std::size_t count = row.boxes.size();
        ASSERT_EQ(discs.size(), 2 * count);
        for (std::size_t i = 0; i < count; ++i) {
            EXPECT_EQ(BoxOf(discs[i]), statorBoxes[row.boxes[i]]) << i;
            EXPECT_EQ(BoxOf(discs[count + i]), rotorBoxes[row.boxes[i]]) << i;
            EXPECT_EQ(discs[i].brush, Brush::Level(row.levels[i])) << i;
            EXPECT_EQ(discs[count + i].brush, Brush::Level(row.levels[i])) << i;
        }
    }
}

// The rotor turns by its initial position plus the rotation since the reset: a quarter
// turn either way puts the phase-1 forward disc at 180 degrees. Its circle is 0.3 of the
// shorter side, truncated: 90.6 gives 90 on a 302-pixel view.
TEST(DrawMachine, RotorDiscsTurnWithTheRotor) {
    SimulationState state;
    ApplyWindingSettings(state, 1, {1, 0, 0, 0, 0, 0, 50, 0, 90, kWaveformSinus});
    const Rect atHalfTurn{99, 138, 123, 162};
    auto discs = Discs(400, 300, state);
    ASSERT_EQ(discs.size(), 2u);
    EXPECT_EQ(BoxOf(discs[0]), atHalfTurn);
    EXPECT_EQ(BoxOf(discs[1]), (Rect{278, 138, 302, 162}));

    state.initialRotorPosition = 0;
    state.elapsedTime = 0.5;
    state.rotationPulsation = 3.14159;
    EXPECT_EQ(BoxOf(Discs(400, 300, state)[0]), atHalfTurn);

    state.elapsedTime = 0;
    EXPECT_EQ(BoxOf(Discs(302, 302, state)[0]), (Rect{139, 50, 163, 74}));
}

}  // namespace
}  // namespace vireflu
