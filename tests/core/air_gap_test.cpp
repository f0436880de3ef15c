#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "recording_surface.h"
#include "view/air_gap.h"

namespace vireflu {
namespace {

using testing::Primitive;
using testing::RecordingSurface;
using Sectors = std::vector<std::pair<int, int>>;  // sector k, level

const AngleTables kTables;
constexpr std::array<double, 3> kInPhase{0, 0, 0};
constexpr std::array<double, 3> kQuadrature{0, 1.570795, 0};
constexpr std::array<double, 3> kThreePhase{0, 2.094393333333333, 4.188786666666666};
constexpr int kSinus = kWaveformSinus;

AirGapLevels Compute(const SimulationState& state) {
    AirGapLevels levels;
    ComputeAirGapLevels(state, kTables, levels);
    return levels;
}

struct Row {
    const char* name;
    int waveform;
    std::array<int, 3> on;
    std::array<double, 3> phaseAngle;
    double angle;
    double position;
    Sectors sectors;
};

// Each level worked from its rule's formula; sector k + 90 always holds 64 minus sector k,
// the winding left off is neutral everywhere, and with one winding on the combined field
// is that winding's.
void CheckRows(bool rotor, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SimulationState state;
        (rotor ? state.rotorWaveform : state.statorWaveform) = row.waveform;
        (rotor ? state.rotorPhaseOn : state.statorPhaseOn) = row.on;
        (rotor ? state.rotorPhaseAngle : state.statorPhaseAngle) = row.phaseAngle;
        (rotor ? state.rotorAngle : state.statorAngle) = row.angle;
        state.rotorPosition = row.position;
        const AirGapLevels levels = Compute(state);
        const auto& winding = rotor ? levels.rotor : levels.stator;
        const auto& other = rotor ? levels.stator : levels.rotor;
        for (const auto& [k, level] : row.sectors)
            EXPECT_EQ(winding[static_cast<std::size_t>(k)], level) << row.name << ", sector " << k;
        for (std::size_t k = 0; k < 90; ++k)
            EXPECT_EQ(winding[k + 90], 64 - winding[k]) << row.name << ", sector " << k;
        EXPECT_TRUE(std::all_of(other.begin(), other.end(), [](int l) { return l == 32; }));
        EXPECT_EQ(levels.combined, winding) << row.name;
    }
}

TEST(AirGapLevels, StatorRules) {
    const int continu = kWaveformContinu, sixStep = kWaveformRectangulaire;
    const std::vector<Row> rows{
        {"off", kSinus, {0, 0, 0}, kInPhase, 1.570795, 0, {{0, 32}, {90, 32}}},
        {"one phase", kSinus, {1, 0, 0}, kInPhase, 1.570795, 0, {{0, 63}, {45, 32}, {90, 1}}},
        {"continu", continu, {1, 0, 0}, kInPhase, 2.5, 0, {{0, 64}, {1, 63}, {90, 0}}},
        {"two-phase", kSinus, {1, 1, 0}, kQuadrature, 0, 0, {{0, 32}, {45, 54}}},
        // 32 + 22.624 x 1.37 is 60.997; a factor of 22.627 would reach 61.
        {"two in phase", kSinus, {1, 1, 0}, kInPhase, 1.570795, 0, {{10, 60}, {35, 60}}},
        {"three-phase", kSinus, {1, 1, 1}, kThreePhase, 1.570795, 0, {{0, 56}, {45, 32}}},
        {"six-step", sixStep, {1, 1, 1}, kInPhase, 0.6, 0, {{0, 55}, {45, 18}, {90, 9}}},
    };
    CheckRows(false, rows);
}

TEST(AirGapLevels, RotorRulesTurnWithThePosition) {
    const double deg60 = 60 * 0.01745327777777778;
    const std::vector<Row> rows{
        {"continu", kWaveformContinu, {1, 0, 0}, kInPhase, 0, deg60, {{29, 63}, {30, 64}}},
        {"one phase", kSinus, {1, 0, 0}, kInPhase, 1.570795, 3.14159, {{0, 0}, {45, 32}}},
        {"two-phase", kSinus, {1, 1, 0}, kQuadrature, 0, 0, {{0, 32}, {45, 54}}},
        {"three-phase", kSinus, {1, 1, 1}, kThreePhase, 1.570795, 1.570795, {{0, 31}, {45, 56}}},
    };
    CheckRows(true, rows);
}

// Stator "continu" with the rotor's phase 1 on at zero current: (63 + 32) / 2 = 47 in
// sector 1. Past the last six-step row the stator takes the first row's currents.
TEST(AirGapLevels, CombinationAndSixStepEnd) {
    SimulationState state;
    state.statorWaveform = kWaveformContinu;
    state.statorPhaseOn = state.rotorPhaseOn = {1, 0, 0};
    const AirGapLevels both = Compute(state);
    EXPECT_EQ((std::array{both.combined[0], both.combined[1], both.combined[91]}),
              (std::array{48, 47, 16}));
    for (std::size_t k = 0; k < kGapSectors; ++k)
        EXPECT_EQ(both.combined[k], (both.stator[k] + both.rotor[k]) / 2) << k;

    SimulationState sixStep;
    sixStep.statorWaveform = kWaveformRectangulaire;
    sixStep.statorPhaseOn = {1, 1, 1};
    const AirGapLevels atZero = Compute(sixStep);
    sixStep.statorAngle = 6.28318;
    EXPECT_EQ(Compute(sixStep).stator, atZero.stator);
}

// Sector 0 on a 400 x 300 view runs from 305 to 320 on the centre line, sector 1 from
// (304, 147) to (319, 146); the half-rings split at the truncated mid-points.
TEST(DrawAirGap, SectorsAndHalfRingsWithTheirLevels) {
    const ViewGeometry geometry = ComputeGeometry(Rect{0, 0, 400, 300}, kTables);
    SimulationState state;
    state.statorWaveform = kWaveformContinu;
    state.statorPhaseOn = {1, 0, 0};
    const AirGapLevels levels = Compute(state);

    RecordingSurface ring;
    ring.SelectBrush(Brush::Level(7));
    DrawAirGap(ring, geometry, levels);
    ASSERT_EQ(ring.OfKind(Primitive::Kind::Polygon).size(), 180u);
    for (std::size_t k = 0; k < kGapSectors; ++k)
        EXPECT_EQ(ring.primitives[k].brush, Brush::Level(levels.combined[k])) << k;
    EXPECT_EQ(ring.primitives[0].points,
              (std::vector<Point>{{305, 150}, {320, 150}, {319, 146}, {304, 147}}));
    EXPECT_EQ(ring.primitives[179].points[2], (Point{320, 150}));
    EXPECT_EQ(ring.CurrentBrush(), Brush::Level(7));

    // Only the stator is on, so the rotor's inner half-ring is neutral.
    RecordingSurface halves;
    halves.SelectBrush(Brush::Level(7));
    DrawMmfRings(halves, geometry, levels);
    ASSERT_EQ(halves.OfKind(Primitive::Kind::Polygon).size(), 360u);
    for (std::size_t k = 0; k < kGapSectors; ++k) {
        EXPECT_EQ(halves.primitives[2 * k].brush, Brush::Level(32)) << k;
        EXPECT_EQ(halves.primitives[2 * k + 1].brush, Brush::Level(levels.stator[k])) << k;
    }
    EXPECT_EQ(halves.primitives[0].points,
              (std::vector<Point>{{305, 150}, {312, 150}, {311, 146}, {304, 147}}));
    EXPECT_EQ(halves.primitives[1].points,
              (std::vector<Point>{{312, 150}, {320, 150}, {319, 146}, {311, 146}}));
    EXPECT_EQ(halves.CurrentBrush(), Brush::Level(7));
}

}  // namespace
}  // namespace vireflu
