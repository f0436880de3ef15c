#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

#include "measures/measures.h"
#include "measures/measures_picture.h"
#include "simulation/display_commands.h"

namespace vireflu {
namespace {

constexpr double kTolerance = 2e-5;  // the program's 120 and 240 degrees are not exact

SimulationState Stator(std::array<int, 3> on, std::array<int, 3> degrees, int waveform) {
    SimulationState s;
    ApplyWindingSettings(s, 0,
                         WindingSettings{on[0], on[1], on[2], degrees[0], degrees[1], degrees[2],
                                         50, 0, 0, waveform});
    return s;
}

// Split of the stator field at clock zero, as shares of a balanced field and angles
// (counterclockwise, degrees). A single coil pulsates: two halves in opposition, each
// turning its own way. Losing phase 3 leaves the two coils at 90 degrees fed at 0/120:
// direct cos 15, inverse sin 15. A six-step supply's fundamental is 2 sqrt(3) / pi of
// the step, and its field turns counterclockwise: all inverse.
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
        {"balanced", {1, 1, 1}, {0, 120, 240}, ac, 1, 90, 0, -1},
        {"reversed", {1, 1, 1}, {0, 240, 120}, ac, 0, -1, 1, 270},
        {"single phase", {1, 0, 0}, {0, 0, 0}, ac, 0.5, 90, 0.5, 270},
        {"phase 3 lost", {1, 1, 0}, {0, 120, 0}, ac, 0.965926, 75, 0.258819, 195},
        {"six-step", {1, 1, 1}, {0, 120, 240}, kWaveformRectangulaire, 0, -1, 1.102658, 270},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto split = SplitStatorField(Stator(row.on, row.degrees, row.waveform), 100);
        ASSERT_TRUE(split);
        EXPECT_NEAR(split->direct.share, row.direct, kTolerance);
        EXPECT_NEAR(split->inverse.share, row.inverse, kTolerance);
        if (row.directDeg >= 0) {
            EXPECT_NEAR(split->direct.angleDeg, row.directDeg, 1e-3);
        }
        if (row.inverseDeg >= 0) {
            EXPECT_NEAR(split->inverse.angleDeg, row.inverseDeg, 1e-3);
        }
    }
    EXPECT_FALSE(SplitStatorField(Stator({0, 0, 0}, {0, 0, 0}, ac), 100));
    EXPECT_FALSE(SplitStatorField(Stator({1, 0, 0}, {0, 0, 0}, kWaveformContinu), 100));
}

// The two fields turn oppositely and always add up to the winding's own vector.
TEST(Measures, FieldsTurnOppositelyAndAddUpToTheVector) {
    SimulationState s = Stator({1, 0, 0}, {0, 0, 0}, kWaveformSinus);
    s.statorAngle = 0.3;
    const auto split = SplitStatorField(s, 100);
    ASSERT_TRUE(split);
    EXPECT_NEAR(split->direct.angleDeg, 90 - 0.3 * 180 / std::numbers::pi, 1e-9);
    EXPECT_NEAR(split->inverse.angleDeg, 270 + 0.3 * 180 / std::numbers::pi, 1e-9);
    EXPECT_NEAR(split->direct.x + split->inverse.x, 60 * std::sin(0.3), 1e-9);
    EXPECT_NEAR(split->direct.y + split->inverse.y, 0, 1e-9);
}

// Harmonics of the six-step current: 1/n, orders 6k - 1 against the field, 6k + 1 with it;
// THD = sqrt(pi^2 / 9 - 1).
TEST(Measures, SixStepSpectrum) {
    const SixStepSpectrum& s = ComputeSixStepSpectrum();
    const int orders[] = {1, 5, 7, 11, 13};
    const bool with[] = {true, false, true, false, true};
    for (std::size_t h = 0; h < 5; ++h) {
        EXPECT_EQ(s.harmonics[h].order, orders[h]);
        EXPECT_NEAR(s.harmonics[h].relative, 1.0 / orders[h], kTolerance);
        EXPECT_EQ(s.harmonics[h].withField, with[h]) << orders[h];
    }
    EXPECT_NEAR(s.totalHarmonicDistortion, 0.310822, kTolerance);
}

// 50 Hz supply; the rotor at standstill, at 48 Hz and synchronous. A balanced field at
// clock zero points up, 0.4 x 1000 x 1.5 long (just under 600, truncated to 599).
TEST(Measures, MachineNumbers) {
    struct Row {
        int rotationHz;
        double rotorRpm, slip, rotorCurrentHz;
    };
    for (const Row& row : {Row{0, 0, 1, 50}, Row{48, 2880, 0.04, 2}, Row{50, 3000, 0, 0}}) {
        SimulationState s = Stator({1, 1, 1}, {0, 120, 240}, kWaveformSinus);
        ApplyWindingSettings(s, 1, WindingSettings{0, 0, 0, 0, 0, 0, 50, row.rotationHz, 0, -1});
        ViewGeometry g;
        g.gapInnerRadius = 1000;
        const MachineNumbers n = ComputeMachineNumbers(s, g, ConductorLevels{});
        EXPECT_DOUBLE_EQ(n.supplyHz, 50);
        EXPECT_DOUBLE_EQ(n.synchronousRpm, 3000);
        EXPECT_NEAR(n.rotorRpm, row.rotorRpm, 1e-9);
        EXPECT_NEAR(*n.slip, row.slip, 1e-12);
        EXPECT_NEAR(*n.rotorCurrentHz, row.rotorCurrentHz, 1e-9);
        EXPECT_NEAR(n.resultantShare, 599.0 / 600, 1e-12);
        EXPECT_NEAR(*n.fieldAngleDeg, 90, 1e-12);
    }
}

// The curve holds the ring's own levels. The balanced resultant is 32 + 24 sin(phi)
// truncated: 0.75 sin(phi) less half a level on one side and more on the other, a square
// wave of 1/64 whose fundamental is 4 / (64 pi): about 0.730 at 90 degrees, where the
// field vector points.
TEST(Measures, AirGapCurveFollowsTheSectorLevels) {
    const SimulationState s = Stator({1, 1, 1}, {0, 120, 240}, kWaveformSinus);
    const ViewGeometry g = ComputeGeometry(Rect{0, 0, 600, 560}, AngleTables{});
    const Measures m = ComputeMeasures(s, g, AngleTables{}, ConductorLevels{});
    AirGapLevels levels;
    ComputeAirGapLevels(s, AngleTables{}, levels);
    for (std::size_t k = 0; k < kGapSectors; ++k) {
        EXPECT_EQ(m.curve.resultant[k], (levels.combined[k] - 32) / 32.0);
        EXPECT_EQ(m.curve.rotor[k], 0);
    }
    EXPECT_NEAR(m.curve.fundamentalAmplitude, 0.75 - 4 / (64 * std::numbers::pi), 0.005);
    EXPECT_NEAR(m.curve.fundamentalAngleDeg, 90, 0.5);
}

// The projector's map: its three anchors and a linear run between them.
TEST(Measures, BlueWhiteOrangeMap) {
    const ColourMap map = BuildBlueWhiteOrange();
    EXPECT_EQ(map[0], (Rgb{33, 102, 172}));
    EXPECT_EQ(map[16], (Rgb{131, 166, 201}));
    EXPECT_EQ(map[32], (Rgb{230, 230, 230}));
    EXPECT_EQ(map[48], (Rgb{230, 163, 115}));
    EXPECT_EQ(map[64], (Rgb{230, 97, 1}));
}

}  // namespace
}  // namespace vireflu
