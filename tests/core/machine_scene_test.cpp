#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "machine/display_commands.h"
#include "recording_surface.h"
#include "session/frame.h"
#include "view/annotations.h"
#include "view/machine_scene.h"
#include "view/view_geometry.h"

namespace vireflu {
namespace {

ViewGeometry Layout(int width, int height) {
    static const AngleTables tables;
    return ComputeGeometry(Rect{0, 0, width, height}, tables);
}

// Radii are truncated fractions of the shorter side; under 3 pixels the gap radius is 0.
TEST(ViewGeometry, LayoutOfKnownSizes) {
    // Centre x and y; gap inner and outer radius; conductor half size and ring radius;
    // torque span and bar right; client width and height.
    using Layout10 = std::array<int, 10>;
    const std::pair<std::array<int, 2>, Layout10> rows[] = {
        {{400, 300}, {200, 150, 105, 120, 12, 135, 240, 20, 400, 300}},
        {{301, 300}, {150, 150, 105, 120, 12, 135, 240, 15, 301, 300}},
        {{1000, 300}, {500, 150, 105, 120, 12, 135, 240, 50, 1000, 300}},
        {{300, 400}, {150, 200, 105, 120, 12, 135, 320, 15, 300, 400}},
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

using testing::Primitive;
using testing::RecordingSurface;
using Kind = Primitive::Kind;

// The primitive kinds in drawing order, a letter each: FillRect, Ellipse, Polygon,
// Rectangle, Line.
std::string Kinds(const RecordingSurface& surface) {
    std::string kinds;
    for (const Primitive& p : surface.primitives) kinds += "FEPRL"[static_cast<int>(p.kind)];
    return kinds;
}

Rect BoxOf(const Primitive& disc) {
    return Rect{disc.points[0].x, disc.points[0].y, disc.points[1].x, disc.points[1].y};
}

const Pen kEntryPen = Pen::Solid(2, Rgb{9, 9, 9});

// A frame drawn on a surface entered with its own pen and brush.
RecordingSurface Frame(int width, int height, SimulationState& state) {
    MachineScene scene;
    scene.Resize(width, height);
    RecordingSurface surface;
    surface.SelectPen(kEntryPen);
    surface.SelectBrush(Brush::Level(3));
    AdvanceFrame(scene, state);
    scene.DrawMachine(surface, state);
    return surface;
}

std::vector<Primitive> Discs(int width, int height, SimulationState& state) {
    return Frame(width, height, state).OfKind(Kind::Ellipse);
}

// Both windings "continu" with the rotor's field at 90 degrees, so that every overlay
// draws: the torque is 0.9, a bar of 29 cells. Conductors come last, stator then rotor,
// forward then return, levels 64 and 0 in map entries 64 and 0.
TEST(DrawMachine, BackgroundThenOverlaysInOrderThenConductors) {
    const auto n = [](int count, char kind) { return std::string(count, kind); };
    const std::pair<Presentation, std::string> rows[] = {
        {Presentation::AirGap, "F" + n(180, 'P') + "EEEE"},
        {Presentation::Vector, "FLEEEE"},
        {Presentation::Trace, "FEEEE"},
        {Presentation::MagnetomotiveForces, "FL" + n(360, 'P') + "EEEE"},
        {Presentation::Torque, "FL" + n(360, 'P') + "L" + n(29, 'R') + "EEEE"},
    };
    for (const auto& [presentation, kinds] : rows) {
        SCOPED_TRACE(static_cast<int>(presentation));
        SimulationState state;
        state.statorWaveform = state.rotorWaveform = kWaveformContinu;
        state.statorPhaseOn = state.rotorPhaseOn = {1, 0, 0};
        state.rotorPosition = 1.570795;
        SelectPresentation(state, presentation);
        const RecordingSurface surface = Frame(400, 300, state);
        EXPECT_EQ(Kinds(surface), kinds);
        EXPECT_EQ(surface.primitives[0].points, (std::vector<Point>{{0, 0}, {400, 300}}));
        EXPECT_EQ(surface.primitives[0].brush, Brush::Of(Colour::FromRgb(255, 255, 255)));
        EXPECT_TRUE(presentation != Presentation::AirGap ||  // gap sector 0: stator 64, rotor 32
                    surface.primitives[1].brush == Brush::Level(48));
        for (const Primitive& p : surface.primitives)
            EXPECT_TRUE(p.kind == Kind::Line || p.pen == Pen::Null());
        const auto discs = surface.OfKind(Kind::Ellipse);
        for (std::size_t i = 0; i < discs.size(); ++i)
            EXPECT_EQ(discs[i].brush, Brush::Level(i % 2 ? 0 : 64)) << i;
        EXPECT_EQ(surface.CurrentPen(), kEntryPen);
        EXPECT_EQ(surface.CurrentBrush(), Brush::Level(3));
    }
}

// Phase angles 0, 120 and 240 at angle 0 give the levels (32, 32), (59, 4), (4, 59): the
// stator's discs in its conductor boxes, the rotor's at the same angles on a circle of 90
// pixels. A quarter turn of the rotor, from its initial position or from the rotation
// since the reset, puts its phase-1 forward disc at 180 degrees; the circle is 0.3 of the
// shorter side, truncated: 90.6 gives 90 on a 302-pixel view.
TEST(DrawMachine, ConductorDiscsFollowThePhasePatternAndTheRotor) {
    // Forward then return discs of phases 1, 2 and 3: at 90, -90, 210, 30, -30 and 150°.
    const Rect statorBoxes[] = {{188, 4, 212, 28},  {188, 272, 212, 296}, {72, 205, 96, 229},
                                {304, 71, 328, 95}, {304, 205, 328, 229}, {72, 71, 96, 95}};
    const Rect rotorBoxes[] = {{188, 49, 212, 73},  {188, 227, 212, 251}, {111, 182, 135, 206},
                               {265, 94, 289, 118}, {265, 182, 289, 206}, {111, 93, 135, 117}};
    const int levels[] = {32, 32, 59, 4, 4, 59};
    SimulationState state;
    state.statorPhaseOn = state.rotorPhaseOn = {1, 1, 1};
    state.statorPhaseAngle = state.rotorPhaseAngle = {0, 2.094393333333333, 4.188786666666666};
    const auto discs = Discs(400, 300, state);
    ASSERT_EQ(discs.size(), 12u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(BoxOf(discs[i]), statorBoxes[i]) << i;
        EXPECT_EQ(BoxOf(discs[6 + i]), rotorBoxes[i]) << i;
        EXPECT_EQ(discs[i].brush, Brush::Level(levels[i])) << i;
        EXPECT_EQ(discs[6 + i].brush, Brush::Level(levels[i])) << i;
    }

    // Two phases: the second coil at 180 and 0 degrees.
    state.statorPhaseOn = {1, 1, 0};
    state.rotorPhaseOn = {0, 0, 0};
    const auto twoPhase = Discs(400, 300, state);
    ASSERT_EQ(twoPhase.size(), 4u);
    EXPECT_EQ(BoxOf(twoPhase[2]), (Rect{54, 138, 78, 162}));
    EXPECT_EQ(BoxOf(twoPhase[3]), (Rect{323, 138, 347, 162}));

    SimulationState turned;
    turned.rotorPhaseOn = {1, 0, 0};
    EXPECT_EQ(BoxOf(Discs(302, 302, turned)[0]), (Rect{139, 50, 163, 74}));
    turned.initialRotorPosition = 1.570795;
    EXPECT_EQ(BoxOf(Discs(400, 300, turned)[0]), (Rect{99, 138, 123, 162}));
    turned.initialRotorPosition = 0;
    turned.elapsedTime = 0.5;
    turned.rotationPulsation = 3.14159;
    EXPECT_EQ(BoxOf(Discs(400, 300, turned)[0]), (Rect{99, 138, 123, 162}));
}

// "Annotations": a label beside each conductor drawn, the clock, and an arrow whose head
// points the way the field turns: clockwise for 0/120/240, the other way for 0/240/120.
// "Légende" alone: only what the colour scale and the torque bar's ends mean.
TEST(Annotations, LabelsAndTheFieldsSense) {
    MachineScene scene;
    scene.Resize(400, 300);
    SimulationState state;
    WindingSettings three{1, 1, 1, 0, 120, 240, 50, 0, 0, kWaveformSinus};
    ApplyWindingSettings(state, 0, three);
    SelectPresentation(state, Presentation::AirGap);
    const auto textsOf = [](const MachineAnnotations& m) {
        std::vector<std::string> texts;
        for (const AnnotationText& t : m.texts) texts.push_back(t.text);
        return texts;
    };
    const MachineAnnotations a = ComputeAnnotations(state, scene, true);
    EXPECT_EQ(textsOf(a), (std::vector<std::string>{"1", "1'", "2", "2'", "3", "3'",
                                                    "t = 0,0 ms   0°", "f.m.m.", "+1", "0", "-1"}));
    const MachineAnnotations legend =
        ComputeAnnotations(state, scene, true, AnnotationParts::Legend);
    EXPECT_EQ(textsOf(legend), (std::vector<std::string>{"f.m.m.", "+1", "0", "-1"}));
    EXPECT_TRUE(legend.senseArrow.empty() && legend.scaleColours.size() == 65);
    SelectPresentation(state, Presentation::Torque);
    EXPECT_EQ(textsOf(ComputeAnnotations(state, scene, true, AnnotationParts::Legend)),
              (std::vector<std::string>{"↑ horaire", "↓ antihoraire"}));
    SelectPresentation(state, Presentation::AirGap);
    EXPECT_EQ(a.scaleColours.front(), state.colourMap[64]);
    // A Qt program on a French desktop runs under a C locale whose printf writes commas.
    std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    EXPECT_EQ(ComputeAnnotations(state, scene, false).texts[6].text, "t = 0.0 ms   0°");
    std::setlocale(LC_NUMERIC, "C");
    // The head's tip, past the arc's last point: right of the top for clockwise, the arc centred.
    const auto tipX = [&](const MachineAnnotations& m) { return m.senseArrow.end()[-2].x; };
    EXPECT_GT(tipX(a), scene.Geometry().centreX);
    EXPECT_NEAR(tipX(a) + a.senseArrow.front().x, 2 * scene.Geometry().centreX, 1);
    std::swap(three.phase2AngleDeg, three.phase3AngleDeg);
    ApplyWindingSettings(state, 0, three);
    EXPECT_LT(tipX(ComputeAnnotations(state, scene, false)), scene.Geometry().centreX);
}

}  // namespace
}  // namespace vireflu
