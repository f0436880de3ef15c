#include <gtest/gtest.h>

#include <tuple>

#include "simulation/simulation_state.h"

namespace vireflu {
namespace {

// Each conversion is one multiplication by the program's own constants, so the results
// are exact doubles: 360 degrees is the turn constant itself.
TEST(ApplyWindingSettings, ConvertsWithTheProgramsConstants) {
    SimulationState state;
    ApplyWindingSettings(state, 0, {1, 1, 0, 0, 120, 360, 50, 77, 180, kWaveformContinu});
    EXPECT_EQ(state.statorPhaseOn, (std::array<int, 3>{1, 1, 0}));
    EXPECT_EQ(state.statorPhaseAngle, (std::array<double, 3>{0, 2.094393333333333, 6.28318}));
    EXPECT_EQ(state.statorPulsation, 314.159);
    EXPECT_EQ(state.statorWaveform, kWaveformContinu);
    // A stator record never reaches the rotation or the initial position.
    EXPECT_EQ(state.rotationPulsation, 0.0);
    EXPECT_EQ(state.initialRotorPosition, 0.0);

    ApplyWindingSettings(state, 1, {1, 0, 0, 240, 0, 0, 100, 50, 90, kWaveformSinus});
    EXPECT_EQ(state.rotorPhaseAngle[0], 4.188786666666666);
    EXPECT_EQ(state.rotorPulsation, 628.318);
    EXPECT_EQ(state.rotationPulsation, 314.159);
    EXPECT_EQ(state.initialRotorPosition, 1.570795);
    EXPECT_EQ(state.statorWaveform, kWaveformContinu);  // left alone by a rotor record
}

TEST(ApplyWindingSettings, UnknownSelectorChangesNoSetting) {
    const auto settings = [](const SimulationState& s) {
        return std::tuple(s.statorPhaseOn, s.statorPhaseAngle, s.statorPulsation, s.statorWaveform,
                          s.rotorPhaseOn, s.rotorPhaseAngle, s.rotorPulsation, s.rotorWaveform,
                          s.rotationPulsation, s.initialRotorPosition);
    };
    SimulationState state;
    for (int selector : {2, -1})
        ApplyWindingSettings(state, selector, {1, 1, 1, 9, 9, 9, 10, 10, 10, kWaveformContinu});
    EXPECT_EQ(settings(state), settings(SimulationState{}));
}

}  // namespace
}  // namespace vireflu
