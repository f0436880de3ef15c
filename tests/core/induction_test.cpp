#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "machine/clock.h"
#include "machine/field.h"
#include "machine/induction_circuit.h"
#include "measures/cage_currents.h"

namespace vireflu {
namespace {

// A 460 V, 60 Hz, four-pole motor of the textbooks: the exact Thevenin equivalent gives the
// slip of largest torque 0.2014, that torque 230.8 N m and 106.6 N m at standstill (worked
// by hand, and by a search of the curve for its peak).
const EquivalentCircuit kTextbook{0.641, 1.106, 0.332, 0.464, 26.3, 460};

TEST(Induction, TextbookLandmarks) {
    const TorqueLandmarks t = LandmarksOf(kTextbook, 60, 2);
    EXPECT_NEAR(t.slipAtMaxTorque, 0.2014, 1e-4);
    EXPECT_NEAR(t.maxTorqueNm, 230.8, 0.05);
    EXPECT_NEAR(t.startTorqueNm, 106.6, 0.05);
    EXPECT_NEAR(OperatingPointAt(kTextbook, 60, 2, t.slipAtMaxTorque).torqueNm, t.maxTorqueNm,
                1e-9);
    for (const double g : {0.19, 0.21})
        EXPECT_LT(OperatingPointAt(kTextbook, 60, 2, g).torqueNm, t.maxTorqueNm);
}

// Power flows as the circuit says at every slip: what the stator takes, less its copper
// losses, crosses the gap as T w_s, and T w_s (1 - g) of it turns the shaft. Motoring, the
// torque and both powers are positive; generating (g < 0) all three are negative; braking
// against the field (g > 1) the torque stays positive and the shaft gives power.
TEST(Induction, PowerBalanceAndSigns) {
    const double ws = 2 * std::numbers::pi * 60 / 2;
    for (const double g : {-0.05, 0.03, 0.5, 1.0, 1.8}) {
        const InductionPoint p = OperatingPointAt(kTextbook, 60, 2, g);
        const double statorLosses = 3 * p.statorCurrentA * p.statorCurrentA * kTextbook.r1;
        EXPECT_NEAR(p.inputPowerW - statorLosses, p.torqueNm * ws, 1e-6 * p.statorCurrentA * 460);
        EXPECT_NEAR(p.mechanicalPowerW, p.torqueNm * ws * (1 - g), 1e-6);
        EXPECT_EQ(p.torqueNm > 0, g > 0) << g;
        EXPECT_EQ(p.mechanicalPowerW > 0, g > 0 && g < 1) << g;
        EXPECT_EQ(p.inputPowerW > 0, g > 0) << g;
        EXPECT_GT(p.powerFactor, g > 0 ? 0 : -1);
    }
    // At synchronism nothing is induced: the stator draws its magnetising current alone.
    const InductionPoint synchronous = OperatingPointAt(kTextbook, 60, 2, 0);
    EXPECT_EQ(synchronous.torqueNm, 0);
    EXPECT_EQ(synchronous.rotorCurrentA, 0);
    EXPECT_NEAR(synchronous.statorCurrentA,
                460 / std::numbers::sqrt3 / std::hypot(0.641, 1.106 + 26.3), 1e-9);
    EXPECT_TRUE(InRange(kTextbook));
    EXPECT_FALSE(InRange({0.641, 1.106, 0, 0.464, 26.3, 460}));
    EXPECT_FALSE(InRange({0.641, 1.106, 0.332, 0.464, 26.3, 0.5}));
}

// A cage under the direct sequence's field: below synchronism its conductors carry currents
// whose field keeps one angle to the stator's, tick after tick, whatever the rotor's speed
// (it turns with the stator's), and the torque pushes the rotor the field's way; at
// synchronism nothing is induced and nothing pushes.
TEST(Induction, CageCurrentsFollowTheField) {
    const auto cage = [](int rotationHz) {
        SimulationState state;
        state.cage.on = true;
        ApplyWindingSettings(state, 0, {1, 1, 1, 0, 240, 120, 50, 0, 0, kWaveformSinus});
        ApplyWindingSettings(state, 1, {0, 0, 0, 0, 0, 0, 0, rotationHz, 30, kWaveformSinus});
        InduceCageCurrents(state);
        ResetClockState(state);
        return state;
    };
    for (const int rotationHz : {0, 20, 48}) {
        SimulationState state = cage(rotationHz);
        double first = 0;
        for (int tick = 0; tick < 30; ++tick) {
            const FieldVector s = StatorVector(state, 1, {});
            const FieldVector r = ElectricalRotorVector(state, 1);
            const double between =
                std::remainder(std::atan2(r.y, r.x) - std::atan2(s.y, s.x), 2 * std::numbers::pi);
            if (tick == 0) first = between;
            EXPECT_NEAR(between, first, 1e-4) << rotationHz << " " << tick;
            EXPECT_GT(std::hypot(r.x, r.y), 0.1) << rotationHz;
            AdvanceClock(state);
        }
        EXPECT_LT(ComputeInstant(state, 1, {}).torque, 0) << rotationHz;  // counterclockwise
    }
    // Free, under a load, it starts from standstill and settles where T(g) meets the load:
    // the slip found by halving [0, g of largest torque] on the circuit alone.
    SimulationState free = cage(0);
    free.cage.free = true;
    free.cage.loadNm = 8;
    for (int tick = 0; tick < 6000; ++tick) {
        AdvanceClock(free);
        StepFreeRotor(free);
    }
    const EquivalentCircuit& c = free.cage.circuit;
    double low = 0, high = LandmarksOf(c, 50, 1).slipAtMaxTorque;
    for (int step = 0; step < 60; ++step)
        (OperatingPointAt(c, 50, 1, (low + high) / 2).torqueNm < 8 ? low : high) = (low + high) / 2;
    const double settled = 60 * free.rotationPulsation / 6.28318;
    EXPECT_NEAR(settled, 3000 * (1 - low), 3000 * (1 - low) * 0.005);
    SimulationState synchronous = cage(50);
    EXPECT_EQ(synchronous.rotorAmplitude, 0);
    EXPECT_EQ(ComputeInstant(synchronous, 1, {}).torque, 0);
}

}  // namespace
}  // namespace vireflu
