#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "machine/field.h"
#include "recording_surface.h"
#include "view/air_gap.h"
#include "view/field_vector.h"

namespace vireflu {
namespace {

using testing::Primitive;
using testing::RecordingSurface;
using Points = std::vector<Point>;

const Pen kRedPen = Pen::Solid(1, Rgb{255, 0, 0});
const Pen kEntryPen = Pen::Solid(2, Rgb{1, 2, 3});
const Brush kEntryBrush = Brush::Level(5);
// A 400 x 300 view: centre (200, 150), Ra = 105, torque span 240, bar right edge 20.
const ViewGeometry kGeometry = ComputeGeometry(Rect{0, 0, 400, 300}, AngleTables{});

MachineInstant InstantOf(const SimulationState& state, int gapInnerRadius = 100) {
    ConductorLevels levels;
    ComputeConductorLevels(state, levels);
    return ComputeInstant(state, gapInnerRadius, levels);
}

constexpr std::array<double, 3> kIn{0, 0, 0};
constexpr std::array<double, 3> kQuad{0, 1.570795, 0};
constexpr std::array<double, 3> k3{0, 2.094393333333333, 4.188786666666666};

AirGapLevels Compute(const SimulationState& state) {
    AirGapLevels levels;
    ComputeAirGapLevels(state, AngleTables{}, levels);
    return levels;
}

// One winding on, the other off. Each level worked from its rule's formula; sector k + 90
// holds 64 minus sector k, the winding off is neutral, the combined field is the other's,
// and the rotor's pattern turns with its position. With Ra = 100 a single coil's resultant
// at its peak, 0.6 x 100 x sin(1.570795), truncates to 59; y grows downward; no torque.
TEST(OneWinding, AirGapLevelsAndResultant) {
    struct Row {
        const char* name;
        bool rotor;
        int waveform;
        std::array<int, 3> on;
        std::array<double, 3> phaseAngle;
        double angle, position;
        std::vector<std::pair<int, int>> sectors;  // sector k, level
        std::optional<Point> vector;
    };
    const int ac = kWaveformSinus, dc = kWaveformContinu, six = kWaveformRectangulaire;
    const double q = 1.570795, deg60 = 60 * 0.01745327777777778;
    const bool S = false, R = true;
    const Row rows[] = {
        // Phase 2's angle is not that of phase 1, so its current differs too.
        {"1 phase", S, ac, {1, 0, 0}, kQuad, q, 0, {{0, 63}, {45, 32}, {90, 1}}, {{59, 0}}},
        {"continu", S, dc, {1, 0, 0}, kIn, 2.5, 0, {{0, 64}, {1, 63}, {90, 0}}, {{60, 0}}},
        {"2 phases", S, ac, {1, 1, 0}, kQuad, 0, 0, {{0, 32}, {45, 54}}, {{0, -59}}},
        // 32 + 22.624 x 1.37 is 60.997; a factor of 22.627 would reach 61.
        {"2 in phase", S, ac, {1, 1, 0}, kIn, q, 0, {{10, 60}, {35, 60}}, {{59, -59}}},
        {"3 phases", S, ac, {1, 1, 1}, k3, q, 0, {{0, 56}, {45, 32}}, {{60, 0}}},
        {"six-step", S, six, {1, 1, 1}, kIn, 0.6, 0, {{0, 55}, {45, 18}, {90, 9}}, {{59, 34}}},
        // Phases 1 and 3 carry it: 0.4 x 100 x 1.5 reaches 60, cos 240 being just below -0.5.
        {"six-step, next step", S, six, {1, 1, 1}, kIn, 1.6, 0, {}, {{60, -34}}},
        {"rotor continu", R, dc, {1, 0, 0}, kIn, 0, deg60, {{29, 63}, {30, 64}}, {}},
        {"rotor 1 phase", R, ac, {1, 0, 0}, kIn, q, 3.14159, {{0, 0}, {45, 32}}, {{-59, 0}}},
        // Coils and currents a quarter apart: 60 (sin(0.6 - 0.3), -cos(0.6 - 0.3)), and in the
        // gap 32 + 22.624 sin(phi + 0.3).
        {"rotor 2 phases", R, ac, {1, 1, 0}, kQuad, 0.6, 0.3, {{0, 38}, {45, 53}}, {{17, -57}}},
        {"rotor 3 phases", R, ac, {1, 1, 1}, k3, q, q, {{0, 31}, {45, 56}}, {{0, -60}}},
        // At zero, phases 2 and 3 at +-0.866 make -1.5 x 0.4 x 100, just short of -60.
        {"rotor 3 phases at 0", R, ac, {1, 1, 1}, k3, 0, 0, {}, {{0, -59}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SimulationState state;
        (row.rotor ? state.rotorWaveform : state.statorWaveform) = row.waveform;
        (row.rotor ? state.rotorPhaseOn : state.statorPhaseOn) = row.on;
        (row.rotor ? state.rotorPhaseAngle : state.statorPhaseAngle) = row.phaseAngle;
        (row.rotor ? state.rotorAngle : state.statorAngle) = row.angle;
        state.rotorPosition = row.position;
        const AirGapLevels levels = Compute(state);
        const auto& winding = row.rotor ? levels.rotor : levels.stator;
        const auto& other = row.rotor ? levels.stator : levels.rotor;
        for (const auto& [k, level] : row.sectors)
            EXPECT_EQ(winding[static_cast<std::size_t>(k)], level) << "sector " << k;
        for (std::size_t k = 0; k < 90; ++k) EXPECT_EQ(winding[k + 90], 64 - winding[k]) << k;
        EXPECT_TRUE(std::all_of(other.begin(), other.end(), [](int l) { return l == 32; }));
        EXPECT_EQ(levels.combined, winding);
        if (!row.vector) continue;
        const MachineInstant now = InstantOf(state);
        EXPECT_EQ(FieldTip(now), *row.vector);
        EXPECT_EQ(now.torque, 0.0);
    }
}

// Stator "continu" with the rotor's phase 1 on at zero current: (63 + 32) / 2 = 47 in
// sector 1.
TEST(AirGapLevels, CombinedIsTheMeanOfBothWindings) {
    SimulationState state;
    state.statorWaveform = kWaveformContinu;
    state.statorPhaseOn = state.rotorPhaseOn = {1, 0, 0};
    const AirGapLevels both = Compute(state);
    EXPECT_EQ((std::array{both.combined[0], both.combined[1], both.combined[91]}),
              (std::array{48, 47, 16}));
    for (std::size_t k = 0; k < kGapSectors; ++k)
        EXPECT_EQ(both.combined[k], (both.stator[k] + both.rotor[k]) / 2) << k;
}

// Sector 0 on a 400 x 300 view runs from 305 to 320 on the centre line, sector 1 from
// (304, 147) to (319, 146); the half-rings split at the truncated mid-points. Only the
// stator is on, so the rotor's inner half-ring is neutral.
TEST(DrawAirGap, SectorsAndHalfRingsWithTheirLevels) {
    SimulationState state;
    state.statorWaveform = kWaveformContinu;
    state.statorPhaseOn = {1, 0, 0};
    const AirGapLevels levels = Compute(state);
    RecordingSurface ring, halves;
    ring.SelectBrush(Brush::Level(7));
    halves.SelectBrush(Brush::Level(7));
    DrawAirGap(ring, kGeometry, levels);
    DrawMmfRings(halves, kGeometry, levels);
    ASSERT_EQ(ring.primitives.size(), 180u);
    ASSERT_EQ(halves.primitives.size(), 360u);
    for (std::size_t k = 0; k < kGapSectors; ++k) {
        EXPECT_EQ(ring.primitives[k].brush, Brush::Level(levels.combined[k])) << k;
        EXPECT_EQ(halves.primitives[2 * k].brush, Brush::Level(32)) << k;
        EXPECT_EQ(halves.primitives[2 * k + 1].brush, Brush::Level(levels.stator[k])) << k;
    }
    EXPECT_EQ(ring.primitives[0].points, (Points{{305, 150}, {320, 150}, {319, 146}, {304, 147}}));
    EXPECT_EQ(halves.primitives[0].points,
              (Points{{305, 150}, {312, 150}, {311, 146}, {304, 147}}));
    EXPECT_EQ(halves.primitives[1].points,
              (Points{{312, 150}, {320, 150}, {319, 146}, {311, 146}}));
    EXPECT_EQ(ring.CurrentBrush(), Brush::Level(7));
    EXPECT_EQ(halves.CurrentBrush(), Brush::Level(7));
}

// Both windings "continu", the rotor's field at 90 degrees.
SimulationState BothContinuAtRightAngles() {
    SimulationState state;
    state.statorWaveform = state.rotorWaveform = kWaveformContinu;
    state.statorPhaseOn = state.rotorPhaseOn = {1, 0, 0};
    state.rotorPosition = 1.570795;
    return state;
}

// The stator's (60, 0) and the rotor's (0, -60) at 90 degrees are at right angles at
// their usual length: the half-sum is shown and the torque is 0.9; with no view to speak of (Ra =
// 0) the torque has no value.
TEST(ComputeInstant, BothWindingsShowTheHalfSumAndMakeTorque) {
    const MachineInstant quarter = InstantOf(BothContinuAtRightAngles());
    EXPECT_EQ(FieldTip(quarter), (Point{30, -29}));
    EXPECT_NEAR(quarter.torque, 0.9, 1e-9);
    const MachineInstant tiny = InstantOf(BothContinuAtRightAngles(), 0);
    EXPECT_EQ(FieldTip(tiny), (Point{0, 0}));
    EXPECT_TRUE(std::isnan(tiny.torque));
    // Stator "continu" with phase 2 on follows no rule.
    SimulationState noRule;
    noRule.statorWaveform = kWaveformContinu;
    noRule.statorPhaseOn = {1, 1, 0};
    EXPECT_EQ(FieldTip(InstantOf(noRule)), (Point{0, 0}));
}

RecordingSurface Entered() {
    RecordingSurface surface;
    surface.SelectPen(kEntryPen);
    surface.SelectBrush(kEntryBrush);
    return surface;
}

// A frame of the trace: the instant recorded, then the path drawn.
void TraceFrame(Surface& surface, SimulationState& state) {
    const MachineInstant now = ComputeInstant(state, kGeometry.gapInnerRadius, {});
    const Point tip = FieldTip(now);
    RecordInstant(state, now, {kGeometry.centreX + tip.x, kGeometry.centreY + tip.y});
    DrawTrace(surface, state);
}

// One point per frame; a single point draws nothing. The 1000th point is drawn with the
// whole path, and the frame after it starts again with a single point.
TEST(DrawTrace, RecordsOnePointPerFrameAndStartsAgainAfterTheThousandth) {
    SimulationState state;
    state.statorWaveform = kWaveformContinu;
    state.statorPhaseOn = {1, 0, 0};
    state.traceMode = 1;
    RecordingSurface first = Entered();
    TraceFrame(first, state);
    EXPECT_TRUE(first.primitives.empty());
    EXPECT_EQ(state.traceCount, 1);
    for (int n = 1; n < kTraceCapacity - 1; ++n)
        state.traceBuffer[static_cast<std::size_t>(n)] = Point{n % 400, n / 400};
    state.traceCount = kTraceCapacity - 1;
    RecordingSurface full = Entered();
    TraceFrame(full, state);
    ASSERT_EQ(full.primitives.size(), 999u);
    EXPECT_EQ(full.primitives.front().points, (Points{{263, 150}, {1, 0}}));
    EXPECT_EQ(full.primitives.back().points, (Points{{198, 2}, {263, 150}}));
    EXPECT_EQ(full.primitives.back().pen, kRedPen);
    EXPECT_EQ(full.CurrentPen(), kEntryPen);
    EXPECT_EQ(state.traceCount, 0);

    RecordingSurface next = Entered();
    TraceFrame(next, state);
    EXPECT_TRUE(next.primitives.empty());
    EXPECT_EQ(state.traceCount, 1);
}

// The zero line runs along y = 150 to x = 25; a cell is 240 / 65 pixels high. Cells
// upward start at the zero line with colour 32, cells downward one pixel below it; a
// negative torque under 1/32 shows none, and the bar stops at the ends of the map.
TEST(DrawTorqueBar, CellsAndColoursFollowTheTorque) {
    struct Row {
        double torque;
        int cells;
        Points firstCell, lastCell;
    };
    const Row rows[] = {
        {std::numeric_limits<double>::quiet_NaN(), 0, {}, {}},
        {-0.02, 0, {}, {}},
        {0.02, 1, {{5, 151}, {20, 146}}, {{5, 151}, {20, 146}}},
        {-0.5, 16, {{5, 150}, {20, 154}}, {{5, 205}, {20, 210}}},
        {1.5, 33, {{5, 151}, {20, 146}}, {{5, 32}, {20, 28}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.torque);
        SimulationState state;
        state.torqueValue = row.torque;
        RecordingSurface surface = Entered();
        DrawTorqueBar(surface, state, kGeometry);
        ASSERT_FALSE(surface.primitives.empty());
        EXPECT_EQ(surface.primitives[0].points, (Points{{0, 150}, {25, 150}}));
        EXPECT_EQ(surface.primitives[0].pen, Pen::Solid(1, Rgb{0, 0, 0}));
        const auto cells = surface.OfKind(Primitive::Kind::Rectangle);
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(row.cells));
        EXPECT_EQ(surface.primitives.size(), cells.size() + 1);
        for (int c = 0; c < row.cells; ++c)
            EXPECT_EQ(cells[static_cast<std::size_t>(c)].brush,
                      Brush::Level(row.torque > 0 ? 32 + c : 32 - c))
                << "cell " << c;
        if (row.cells > 0) {
            EXPECT_EQ(cells.front().points, row.firstCell);
            EXPECT_EQ(cells.back().points, row.lastCell);
        }
        EXPECT_EQ(surface.CurrentPen(), kEntryPen);
        EXPECT_EQ(surface.CurrentBrush(), kEntryBrush);
    }
}

}  // namespace
}  // namespace vireflu
