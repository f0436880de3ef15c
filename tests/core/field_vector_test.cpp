#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "view/field_vector.h"

namespace vireflu {
namespace {

constexpr std::array<double, 3> kInPhase{0, 0, 0};
constexpr std::array<double, 3> kQuadrature{0, 1.570795, 0};
constexpr std::array<double, 3> kThreePhase{0, 2.094393333333333, 4.188786666666666};

struct Supply {
    int waveform = kWaveformSinus;
    std::array<int, 3> on{0, 0, 0};
    std::array<double, 3> phaseAngle = kInPhase;
    double angle = 0;
};
const Supply kOff;
const Supply kContinu{kWaveformContinu, {1, 0, 0}};

// Ra = 100 unless given: a single coil at its peak gives 0.6 x 100 x sin(1.570795), just
// under 60, truncated to 59. Y grows downward, so a vector pointing up has a negative y.
Resultant ResultantOf(const Supply& stator, const Supply& rotor, double rotorPosition,
                      int gapInnerRadius = 100) {
    SimulationState state;
    state.statorWaveform = stator.waveform;
    state.statorPhaseOn = stator.on;
    state.statorPhaseAngle = stator.phaseAngle;
    state.statorAngle = stator.angle;
    state.rotorWaveform = rotor.waveform;
    state.rotorPhaseOn = rotor.on;
    state.rotorPhaseAngle = rotor.phaseAngle;
    state.rotorAngle = rotor.angle;
    state.rotorPosition = rotorPosition;
    ViewGeometry geometry;
    geometry.gapInnerRadius = gapInnerRadius;
    ConductorLevels levels;
    ComputeConductorLevels(state, levels);
    return ComputeResultant(state, geometry, levels);
}

TEST(ComputeResultant, OneWindingAloneMakesNoTorque) {
    struct Row {
        const char* name;
        Supply supply;
        bool rotor;
        double position;
        Point vector;
    };
    const int sinus = kWaveformSinus, sixStep = kWaveformRectangulaire;
    const std::vector<Row> rows{
        {"nothing on", kOff, false, 0, {0, 0}},
        {"continu", kContinu, false, 0, {60, 0}},
        {"one phase, peak", {sinus, {1, 0, 0}, kInPhase, 1.570795}, false, 0, {59, 0}},
        {"one phase, trough", {sinus, {1, 0, 0}, kInPhase, 4.712385}, false, 0, {-59, 0}},
        {"two-phase", {sinus, {1, 1, 0}, kQuadrature, 0}, false, 0, {0, -59}},
        {"three-phase", {sinus, {1, 1, 1}, kThreePhase, 1.570795}, false, 0, {60, 0}},
        {"six-step, second step", {sixStep, {1, 1, 1}, kInPhase, 0.6}, false, 0, {59, 34}},
        {"continu, phase 2: no rule", {kWaveformContinu, {1, 1, 0}}, false, 0, {0, 0}},
        {"rotor continu", kContinu, true, 0, {60, 0}},
        {"rotor continu, 90 degrees", kContinu, true, 1.570795, {0, -59}},
        {"rotor one phase, 180", {sinus, {1, 0, 0}, kInPhase, 1.570795}, true, 3.14159, {-59, 0}},
        {"rotor two-phase", {sinus, {1, 1, 0}, kQuadrature, 0}, true, 0, {0, -59}},
        {"rotor three-phase", {sinus, {1, 1, 1}, kThreePhase, 1.570795}, true, 0, {60, 0}},
        {"rotor three, 90", {sinus, {1, 1, 1}, kThreePhase, 1.570795}, true, 1.570795, {0, -60}},
    };
    for (const Row& row : rows) {
        const Resultant r = row.rotor ? ResultantOf(kOff, row.supply, row.position)
                                      : ResultantOf(row.supply, kOff, row.position);
        EXPECT_EQ((Point{r.x, r.y}), row.vector) << row.name;
        EXPECT_EQ(r.torque, 0.0) << row.name;
    }
}

TEST(ComputeResultant, ThreePhaseStatorTurnsAtConstantLength) {
    for (double angle : {0.0, 0.7, 2.0, 4.0, 5.5}) {
        const Resultant r = ResultantOf({kWaveformSinus, {1, 1, 1}, kThreePhase, angle}, kOff, 0);
        EXPECT_NEAR(std::hypot(r.x, r.y), 60, 1.5) << angle;
    }
}

// The stator's (60, 0) and the rotor's (0, -60) at 90 degrees are at right angles at
// their usual length: the half-sum is shown and the torque is 0.9. Aligned, there is no
// torque; with no view to speak of (Ra = 0) the torque has no value.
TEST(ComputeResultant, BothWindingsShowTheHalfSumAndMakeTorque) {
    const Resultant quarter = ResultantOf(kContinu, kContinu, 1.570795);
    EXPECT_EQ((Point{quarter.x, quarter.y}), (Point{30, -29}));
    EXPECT_NEAR(quarter.torque, 0.9, 1e-9);
    const Resultant aligned = ResultantOf(kContinu, kContinu, 0);
    EXPECT_EQ((Point{aligned.x, aligned.y}), (Point{60, 0}));
    EXPECT_EQ(aligned.torque, 0.0);
    const Resultant tiny = ResultantOf(kContinu, kContinu, 1.570795, 0);
    EXPECT_EQ((Point{tiny.x, tiny.y}), (Point{0, 0}));
    EXPECT_TRUE(std::isnan(tiny.torque));
}

}  // namespace
}  // namespace vireflu
