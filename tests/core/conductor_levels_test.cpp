#include <gtest/gtest.h>

#include <cmath>

#include "simulation/conductor_levels.h"

namespace vireflu {
namespace {

using Levels = std::array<int, 6>;

// Levels no computation produces, to see which ones a computation leaves alone.
constexpr Levels kOld{7, 8, 9, 10, 11, 12};

ConductorLevels Computed(const SimulationState& state) {
    ConductorLevels levels{kOld, kOld};
    ComputeConductorLevels(state, levels);
    return levels;
}

TEST(ConductorLevels, StartNeutral) {
    EXPECT_EQ(ConductorLevels{}.stator, (Levels{32, 32, 32, 32, 32, 32}));
    EXPECT_EQ(ConductorLevels{}.rotor, (Levels{32, 32, 32, 32, 32, 32}));
}

// Phase angles 0, 120 and 240 degrees. The forward level truncates 32 + 32 sin, the
// return level 32 - 32 sin: just under the peak, 32 x sin(1.570795) drops the forward
// level to 63; 32 x sin(120 degrees) is about 27.71. A winding not set up keeps its levels.
TEST(ConductorLevels, WaveformsAndSwitchesDecideWhichLevelsAreWritten) {
    enum Which { kStator, kRotor, kBoth };
    struct Row {
        const char* name;
        Which which;
        double angle;
        int waveform;
        std::array<int, 3> on;
        Levels expected;
    };
    const auto phase1 = [](int forward, int back) { return Levels{forward, back, 9, 10, 11, 12}; };
    const int sinus = kWaveformSinus, continu = kWaveformContinu;
    const Row rows[] = {
        {"sinus at 0", kBoth, 0, sinus, {1, 0, 0}, phase1(32, 32)},
        {"sinus under the peak", kBoth, 1.570795, sinus, {1, 0, 0}, phase1(63, 0)},
        {"sinus at half a turn", kBoth, 3.14159, sinus, {1, 0, 0}, phase1(32, 31)},
        {"sinus at the trough", kBoth, 4.712385, sinus, {1, 0, 0}, phase1(0, 63)},
        {"three-phase", kBoth, 0, sinus, {1, 1, 1}, {32, 32, 59, 4, 4, 59}},
        {"phase 3 only with phase 2", kBoth, 0, sinus, {1, 0, 1}, phase1(32, 32)},
        {"everything off", kBoth, 0, sinus, {0, 0, 0}, kOld},
        {"no waveform chosen", kBoth, 0, kWaveformNone, {1, 1, 1}, kOld},
        {"continu, even with phase 1 off", kStator, 0.6, continu, {0, 0, 0}, phase1(64, 0)},
        {"continu skips the sinus step", kRotor, 0.6, continu, {1, 1, 1}, phase1(64, 0)},
        {"rectangulaire without phase 3", kStator, 0.6, kWaveformRectangulaire, {1, 1, 0}, kOld},
    };
    for (const Row& row : rows) {
        SimulationState state;
        state.statorPhaseAngle = state.rotorPhaseAngle = {0, 2.094393333333333, 4.188786666666666};
        state.statorAngle = state.rotorAngle = row.angle;
        if (row.which != kRotor) {
            state.statorWaveform = row.waveform;
            state.statorPhaseOn = row.on;
        }
        if (row.which != kStator) {
            state.rotorWaveform = row.waveform;
            state.rotorPhaseOn = row.on;
        }
        const ConductorLevels levels = Computed(state);
        EXPECT_EQ(levels.stator, row.which != kRotor ? row.expected : kOld) << row.name;
        EXPECT_EQ(levels.rotor, row.which != kStator ? row.expected : kOld) << row.name;
    }
}

// A six-step row applies from its lower bound (inclusive) to its upper bound (exclusive),
// with the stored bounds exactly as written; from 6.283179999999999 on no row applies.
TEST(ConductorLevels, RectangulaireFollowsTheSixStepRows) {
    const auto below = [](double bound) { return std::nextafter(bound, 0.0); };
    const Levels first{32, 32, 0, 64, 64, 0}, second{64, 0, 0, 64, 32, 32};
    const std::pair<double, Levels> rows[] = {
        {0, first},
        {below(0.5235983333333333), first},
        {0.5235983333333333, second},
        {0.6, second},
        {below(1.5707949999999997), second},
        {1.5707949999999997, {64, 0, 32, 32, 0, 64}},
        {2.6179916666666667, {32, 32, 64, 0, 0, 64}},
        {3.665188333333333, {0, 64, 64, 0, 32, 32}},
        {4.712385, {0, 64, 32, 32, 64, 0}},
        {5.759581666666667, first},
        {below(6.283179999999999), first},
        {6.283179999999999, kOld},
        {6.28318, kOld},
    };
    for (const auto& [angle, expected] : rows) {
        SimulationState state;
        state.statorWaveform = kWaveformRectangulaire;
        state.statorPhaseOn = {1, 1, 1};
        state.statorPhaseAngle = {1.0, 2.0, 3.0};  // play no part
        state.statorAngle = angle;
        EXPECT_EQ(Computed(state).stator, expected) << std::hexfloat << angle;
    }
}

}  // namespace
}  // namespace vireflu
