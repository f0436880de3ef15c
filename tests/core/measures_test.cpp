#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <tuple>

#include "description/machine_description.h"
#include "machine/clock.h"
#include "machine/display_commands.h"
#include "measures/measures.h"
#include "measures/measures_picture.h"
#include "recording_surface.h"
#include "session/frame.h"
#include "view/machine_scene.h"

namespace vireflu {
namespace {

constexpr double kTolerance = 2e-5;  // the program's 120 and 240 degrees are not exact

SimulationState Stator(std::array<int, 3> on, std::array<int, 3> degrees, int waveform,
                       int hertz = 50) {
    SimulationState s;
    ApplyWindingSettings(s, 0,
                         WindingSettings{on[0], on[1], on[2], degrees[0], degrees[1], degrees[2],
                                         hertz, 0, 0, waveform});
    return s;
}

// Split of the stator field at clock zero, as shares of a balanced field and angles
// (counterclockwise, degrees). The direct sequence peaks 1, 2, 3: 0/240/120, the angles being
// leads. A single coil pulsates: two halves in opposition. Losing phase 3 leaves the two coils
// at 90 degrees fed at 0/120: direct sin 15, inverse cos 15. A six-step supply's fundamental
// is 2 sqrt(3) / pi of the step, and its field turns counterclockwise: all direct.
TEST(Measures, FieldSplitOfHandWorkedSupplies) {
    struct Row {
        const char* name;
        std::array<int, 3> on;
        std::array<int, 3> degrees;
        int waveform;
        double direct, directDeg, inverse, inverseDeg;
    };
    const int ac = kWaveformSinus;
    const Row rows[] = {
        {"inverse", {1, 1, 1}, {0, 120, 240}, ac, 0, -1, 1, 90},
        {"direct", {1, 1, 1}, {0, 240, 120}, ac, 1, 270, 0, -1},
        {"single phase", {1, 0, 0}, {0, 0, 0}, ac, 0.5, 270, 0.5, 90},
        {"phase 3 lost", {1, 1, 0}, {0, 120, 0}, ac, 0.258819, 195, 0.965926, 75},
        {"six-step", {1, 1, 1}, {0, 120, 240}, kWaveformRectangulaire, 1.102658, 270, 0, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto split = SplitStatorField(Stator(row.on, row.degrees, row.waveform), 100);
        ASSERT_TRUE(split);
        EXPECT_NEAR(split->direct.share, row.direct, kTolerance);
        EXPECT_NEAR(split->inverse.share, row.inverse, kTolerance);
        // An angle of -1 is that of a field of no length.
        EXPECT_NEAR(row.directDeg < 0 ? -1 : split->direct.angleDeg, row.directDeg, 1e-3);
        EXPECT_NEAR(row.inverseDeg < 0 ? -1 : split->inverse.angleDeg, row.inverseDeg, 1e-3);
    }
    EXPECT_FALSE(SplitStatorField(Stator({0, 0, 0}, {0, 0, 0}, ac), 100));
    EXPECT_FALSE(SplitStatorField(Stator({1, 0, 0}, {0, 0, 0}, kWaveformContinu), 100));
}

// Harmonics of the six-step current: 1/n, orders 6k - 1 against the field, 6k + 1 with it;
// THD = sqrt(pi^2 / 9 - 1). The n-th harmonic alternates n times as fast as the fundamental,
// so at 50 Hz, the fundamental turning counterclockwise at +3000 rpm, its field turns at
// -15000, +21000, -33000 and +39000 rpm; at 0 Hz nothing turns.
TEST(Measures, SixStepSpectrum) {
    const SixStepSpectrum& s = ComputeSixStepSpectrum();
    const double rpm[] = {3000, -15000, 21000, -33000, 39000};
    const Measures m =
        ComputeMeasures(Stator({1, 1, 1}, {0, 0, 0}, kWaveformRectangulaire), MachineInstant{});
    ASSERT_TRUE(m.sixStepFieldRpm);
    for (std::size_t h = 0; h < 5; ++h) {
        const int order = std::array{1, 5, 7, 11, 13}[h];
        EXPECT_EQ(s.harmonics[h].order, order);
        EXPECT_NEAR(s.harmonics[h].relative, 1.0 / order, kTolerance);
        EXPECT_EQ(s.harmonics[h].withField, order % 6 == 1) << order;
        EXPECT_NEAR(HarmonicFieldRpm(s.harmonics[h], *m.sixStepFieldRpm), rpm[h], 1e-6) << order;
    }
    EXPECT_NEAR(s.totalHarmonicDistortion, 0.310822, kTolerance);
    EXPECT_FALSE(
        ComputeMeasures(Stator({1, 1, 1}, {0, 0, 0}, kWaveformRectangulaire, 0), MachineInstant{})
            .sixStepFieldRpm);
}

// Speeds count positive counterclockwise, the way a positive rotation turns the rotor. The
// sequence 0/120/240 turns its field clockwise, at -3000 rpm: a rotor driven at +50 Hz runs
// against it, g = (-3000 - 3000) / -3000 = 200 %; 0/240/120 turns it with the rotor. A single
// coil pulsates: g+ and g- against its halves at +3000 and -3000 rpm, g- = 2 - g+. Each
// rotor frequency is |g| 50 Hz. "continu" and 0 Hz make no rotating field.
TEST(Measures, MachineNumbers) {
    struct Row {
        std::array<int, 3> on, degrees;
        int waveform, supplyHz, rotationHz;
        FieldSense sense;
        std::vector<double> slips;  // g, or g+ and g-
    };
    const int ac = kWaveformSinus;
    const auto cw = FieldSense::Clockwise;
    const auto ccw = FieldSense::Counterclockwise;
    const auto pulsating = FieldSense::Pulsating;
    const Row rows[] = {
        {{1, 1, 1}, {0, 120, 240}, ac, 50, 0, cw, {1}},
        {{1, 1, 1}, {0, 120, 240}, ac, 50, 50, cw, {2}},
        {{1, 1, 1}, {0, 120, 240}, ac, 50, 48, cw, {1.96}},
        {{1, 1, 1}, {0, 120, 240}, ac, 50, 100, cw, {3}},
        {{1, 1, 1}, {0, 240, 120}, ac, 50, 0, ccw, {1}},
        {{1, 1, 1}, {0, 240, 120}, ac, 50, 50, ccw, {0}},
        {{1, 1, 1}, {0, 240, 120}, ac, 50, 48, ccw, {0.04}},
        {{1, 1, 1}, {0, 240, 120}, ac, 50, 100, ccw, {-1}},
        {{1, 0, 0}, {0, 0, 0}, ac, 50, 0, pulsating, {1, 1}},
        {{1, 0, 0}, {0, 0, 0}, ac, 50, 25, pulsating, {0.5, 1.5}},
        {{1, 0, 0}, {0, 0, 0}, kWaveformContinu, 50, 50, FieldSense::None, {}},
        {{1, 1, 1}, {0, 120, 240}, ac, 0, 0, FieldSense::None, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.degrees[1] << " " << row.rotationHz << " Hz");
        SimulationState s = Stator(row.on, row.degrees, row.waveform, row.supplyHz);
        ApplyWindingSettings(s, 1, WindingSettings{0, 0, 0, 0, 0, 0, 50, row.rotationHz, 0, -1});
        const MachineNumbers n = ComputeMachineNumbers(s, ComputeInstant(s, 1000, {}));
        EXPECT_EQ(n.fieldSense, row.sense);
        EXPECT_NEAR(n.rotorRpm, 60 * row.rotationHz, 1e-9);
        ASSERT_EQ(n.slips.size(), row.slips.size());
        for (std::size_t i = 0; i < n.slips.size(); ++i) {
            const int sense = row.sense == cw || i == 1 ? -1 : 1;
            EXPECT_NEAR(n.slips[i].synchronousRpm, sense * 3000, 1e-9);
            EXPECT_NEAR(n.slips[i].slip, row.slips[i], 1e-12);
            EXPECT_NEAR(n.slips[i].rotorCurrentHz, std::fabs(row.slips[i]) * 50, 1e-9);
        }
    }
    // A balanced field at clock zero points up, 0.4 x 1000 x 1.5 long (just under 600,
    // truncated to 599).
    const SimulationState balanced = Stator({1, 1, 1}, {0, 120, 240}, ac);
    const MachineNumbers n = ComputeMachineNumbers(balanced, ComputeInstant(balanced, 1000, {}));
    EXPECT_NEAR(n.resultantShare, 599.0 / 600, 1e-12);
    EXPECT_NEAR(*n.fieldAngleDeg, 90, 1e-12);
}

// A single coil's two halves from the centre of a 400 x 300 view (Ra 105): at clock zero
// the direct one down and the inverse one up, 0.5 x 0.6 x 105 long, in the blue and orange
// of the Okabe-Ito palette that colour-blind viewers tell apart. Each ends in a chevron of
// 4 + 2 pixels pointing the way it turns: both move rightward there, the direct one
// counterclockwise under the bottom, the inverse one clockwise over the top. The rotor's split
// shows only without the stator's; a field at 0 Hz has no chevron.
TEST(Measures, RotatingFieldsFromTheCentre) {
    const auto single = SplitStatorField(Stator({1, 0, 0}, {0, 0, 0}, kWaveformSinus), 105);
    const auto balanced = SplitStatorField(Stator({1, 1, 1}, {0, 120, 240}, kWaveformSinus), 105);
    const auto still = SplitStatorField(Stator({1, 0, 0}, {0, 0, 0}, kWaveformSinus, 0), 105);
    const std::pair<Point, Point> lines[] = {{{200, 150}, {200, 181}}, {{200, 181}, {194, 178}},
                                             {{200, 181}, {194, 184}}, {{200, 150}, {200, 119}},
                                             {{200, 119}, {194, 122}}, {{200, 119}, {194, 116}}};
    for (const auto& [stator, rotor] : {std::pair{single, balanced}, {std::nullopt, single}}) {
        testing::RecordingSurface surface;
        DrawRotatingFields(surface, {200, 150}, stator, rotor, 1);
        ASSERT_EQ(surface.primitives.size(), 6u);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(surface.primitives[i].points,
                      (std::vector<Point>{lines[i].first, lines[i].second}));
            const Rgb colour = i < 3 ? Rgb{0, 114, 178} : Rgb{230, 159, 0};
            EXPECT_EQ(surface.primitives[i].pen.colour, colour);
        }
    }
    testing::RecordingSurface surface;
    DrawRotatingFields(surface, {200, 150}, still, std::nullopt, 1);
    EXPECT_EQ(surface.primitives.size(), 2u);
}

// The balanced resultant at clock zero, 32 + 24 sin(phi) truncated, is 0.75 sin(phi) and a
// square wave of 1/64 (fundamental 4 / (64 pi)): about 0.730 at 90°, the field's angle. In its
// 372 x 150 picture, framed at (6, 6) in 360 x 138, the 90° marker is column 96 and the minimum,
// level 9 (-0.71875) at 270°, row 6 + trunc(1.71875 x 69) = 124; projector lines grow leftward.
TEST(Measures, AirGapCurveAndItsPicture) {
    const SimulationState s = Stator({1, 1, 1}, {0, 120, 240}, kWaveformSinus);
    const ViewGeometry g = ComputeGeometry(Rect{0, 0, 600, 560}, AngleTables{});
    const Measures m = ComputeMeasures(s, ComputeInstant(s, g.gapInnerRadius, {}));
    EXPECT_EQ(m.curve.resultant[135], -0.71875);
    EXPECT_NEAR(m.curve.fundamentalAmplitude, 0.75 - 4 / (64 * std::numbers::pi), 0.005);
    EXPECT_NEAR(m.curve.fundamentalAngleDeg, 90, 0.5);
    const auto rgb = [](Rgb c) { return RasterSurface::Encode(c); };
    const std::uint32_t grid = rgb(Rgb{210, 210, 210});
    // Okabe-Ito blue and bluish green for the windings, black, grey, and the vector's red.
    const Rgb legend[] = {{0, 114, 178}, {0, 158, 115}, {0, 0, 0}, {150, 150, 150}, {255, 0, 0}};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(CurveLegend()[i].colour, legend[i]) << i;
    for (int width : {1, 3}) {
        RasterSurface canvas;
        RenderAirGapCurve(canvas, 372, 150, m, width);
        EXPECT_EQ(canvas.Pixel(96, 10), rgb(kFieldMarkerColour));
        EXPECT_EQ(canvas.Pixel(94, 10), rgb(width == 3 ? kFieldMarkerColour : Rgb{255, 255, 255}));
        EXPECT_EQ(canvas.Pixel(276, 124), rgb(kResultantCurveColour));
        // The fundamental lies there with it (-0.73); its opposite would cross row 24 at 268°.
        EXPECT_EQ(canvas.Pixel(274, 24), rgb(Rgb{255, 255, 255}));
        // The grid closes the frame on its last row and column, 6 + 138 and 6 + 360.
        for (const Point p : {Point{186, 144}, {366, 6}}) EXPECT_EQ(canvas.Pixel(p.x, p.y), grid);
        EXPECT_EQ(canvas.Pixel(186, 145) & canvas.Pixel(367, 6), rgb(Rgb{255, 255, 255}));
    }
}

// What a screen reader hears of three classroom scenes: a balanced three-phase stator, a DC
// coil facing a turning DC rotor set a quarter turn off, and a six-step stator.
TEST(Measures, DescriptionOfThreeScenes) {
    SimulationState balanced = Stator({1, 1, 1}, {0, 120, 240}, kWaveformSinus);
    SimulationState coil = Stator({1, 0, 0}, {0, 0, 0}, kWaveformContinu);
    ApplyWindingSettings(coil, 1, WindingSettings{1, 0, 0, 0, 0, 0, 0, 25, 90, kWaveformContinu});
    ResetClockState(coil);
    SelectPresentation(coil, Presentation::Torque);
    SimulationState sixStep = Stator({1, 1, 1}, {0, 0, 0}, kWaveformRectangulaire);
    SelectPresentation(sixStep, Presentation::Vector);
    const std::pair<SimulationState*, const char*> scenes[] = {
        {&balanced,
         "Stator : phases 1, 2, 3 en sinus. Rotor : aucun courant. Champ sens horaire, -3000 "
         "tr/min. Rotor à 0 tr/min. Couple 0,000. Présentation : Entrefer:couleur."},
        {&coil,
         "Stator : phase 1 en continu. Rotor : phase 1 en continu. Pas de champ tournant. Rotor "
         "à 1500 tr/min. Couple -0,900. Présentation : Couple."},
        {&sixStep,
         "Stator : phases 1, 2, 3 en rectangulaire. Rotor : aucun courant. Champ sens "
         "trigonométrique, 3000 tr/min. Rotor à 0 tr/min. Couple 0,000. Présentation : Vecteur."}};
    MachineScene scene;
    scene.Resize(600, 560);
    RasterSurface canvas;
    for (const auto& [state, heard] : scenes) {
        RenderNextFrame(canvas, scene, *state);
        EXPECT_EQ(DescribeMachine(*state, ComputeMeasures(*state, scene.InstantOf(*state))), heard);
    }
}

}  // namespace
}  // namespace vireflu
