#include <gtest/gtest.h>

#include "simulation/clock.h"

namespace vireflu {
namespace {

void Tick(SimulationState& state, int ticks) {
    for (int i = 0; i < ticks; ++i) AdvanceClock(state);
}

// At 50 Hz one tick adds 0.0005 x 314.159 = 0.1570795; rounding takes the 40th sum just
// above 6.28318, so it wraps to a tiny remainder.
TEST(Clock, FiftyHertzWrapsOnTheFortiethTick) {
    SimulationState state;
    Tick(state, 39);
    EXPECT_EQ(state.statorAngle, 6.126100500000001);
    EXPECT_EQ(state.rotorAngle, 6.126100500000001);
    Tick(state, 1);
    EXPECT_NEAR(state.statorAngle, 8.881784197001252e-16, 1e-30);
    EXPECT_NEAR(state.rotorAngle, 8.881784197001252e-16, 1e-30);
    EXPECT_NEAR(state.elapsedTime, 0.02, 1e-15);
}

TEST(Clock, AnAngleExactlyOnTheTurnIsNotWrapped) {
    SimulationState state;
    state.statorPulsation = state.rotorPulsation = 0;
    state.statorAngle = state.rotorAngle = 6.28318;
    Tick(state, 1);
    EXPECT_EQ(state.statorAngle, 6.28318);
    EXPECT_EQ(state.rotorAngle, 6.28318);
}

// The rotor position grows past a turn without wrapping; the reset brings it back to the
// initial position and leaves settings and trace alone.
TEST(Clock, RotorPositionAndReset) {
    SimulationState state;
    state.initialRotorPosition = state.rotorPosition = 1.0;
    Tick(state, 10);
    EXPECT_EQ(state.rotorPosition, 1.0);
    state.rotationPulsation = 628.318;  // 0.314159 per tick
    state.traceCount = 12;
    Tick(state, 30);
    EXPECT_NEAR(state.rotorPosition, 1.0 + 30 * 0.314159, 1e-12);
    ResetClockState(state);
    EXPECT_EQ(state.elapsedTime + state.statorAngle + state.rotorAngle, 0.0);
    EXPECT_EQ(state.rotorPosition, 1.0);
    EXPECT_EQ(state.rotationPulsation, 628.318);
    EXPECT_EQ(state.traceCount, 12);
}

TEST(Clock, AnimationTogglesOnlyWithAPhaseOneOn) {
    struct Row {
        std::array<int, 3> stator, rotor;
        bool expected;
    };
    for (const Row& row : {Row{{0, 0, 0}, {0, 0, 0}, false}, Row{{1, 0, 0}, {0, 0, 0}, true},
                           Row{{0, 0, 0}, {1, 0, 0}, true}, Row{{0, 1, 1}, {0, 1, 1}, false}}) {
        SimulationState state;
        state.statorPhaseOn = row.stator;
        state.rotorPhaseOn = row.rotor;
        EXPECT_EQ(CanToggleAnimation(state), row.expected) << row.stator[0] << row.rotor[0];
    }
}

}  // namespace
}  // namespace vireflu
