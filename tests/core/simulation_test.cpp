#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <span>
#include <tuple>
#include <vector>

#include "machine/clock.h"
#include "machine/conductor_levels.h"
#include "machine/period.h"
#include "machine/simulation_state.h"
#include "view/air_gap.h"

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

    // An angle exactly on the turn is not wrapped.
    SimulationState still;
    still.statorPulsation = still.rotorPulsation = 0;
    still.statorAngle = still.rotorAngle = 6.28318;
    Tick(still, 1);
    EXPECT_EQ(still.statorAngle, 6.28318);
    EXPECT_EQ(still.rotorAngle, 6.28318);
}

// The rotor position grows past a turn without wrapping; the reset brings it back to the
// initial position and leaves settings and trace alone.
TEST(Clock, RotorPositionAndReset) {
    SimulationState state;
    state.initialRotorPosition = state.rotorPosition = 1.0;
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

using Levels = std::array<int, 6>;

// Levels no computation produces, to see which ones a computation leaves alone.
constexpr Levels kOld{7, 8, 9, 10, 11, 12};

ConductorLevels Computed(const SimulationState& state) {
    ConductorLevels levels{kOld, kOld};
    ComputeConductorLevels(state, levels);
    return levels;
}

// Phase angles 0, 120 and 240 degrees. The forward level truncates 32 + 32 sin, the
// return level 32 - 32 sin: just under the peak, 32 x sin(1.570795) drops the forward
// level to 63; 32 x sin(120 degrees) is about 27.71. A winding not set up keeps its levels.
TEST(ConductorLevels, WaveformsAndSwitchesDecideWhichLevelsAreWritten) {
    struct Row {
        const char* name;
        double angle;
        int waveform;
        std::array<int, 3> on;
        Levels expected;
    };
    const auto phase1 = [](int forward, int back) { return Levels{forward, back, 9, 10, 11, 12}; };
    const int sinus = kWaveformSinus, continu = kWaveformContinu;
    const Row rows[] = {
        {"sinus under the peak", 1.570795, sinus, {1, 0, 0}, phase1(63, 0)},
        {"sinus at half a turn", 3.14159, sinus, {1, 0, 0}, phase1(32, 31)},
        {"sinus at the trough", 4.712385, sinus, {1, 0, 0}, phase1(0, 63)},
        {"three-phase", 0, sinus, {1, 1, 1}, {32, 32, 59, 4, 4, 59}},
        {"phase 3 only with phase 2", 0, sinus, {1, 0, 1}, phase1(32, 32)},
        {"everything off", 0, sinus, {0, 0, 0}, kOld},
        {"no waveform chosen", 0, kWaveformNone, {1, 1, 1}, kOld},
        {"continu, even with phase 1 off", 0.6, continu, {0, 0, 0}, phase1(64, 0)},
        {"continu skips the sinus step", 0.6, continu, {1, 1, 1}, phase1(64, 0)},
        {"rectangulaire without phase 3", 0.6, kWaveformRectangulaire, {1, 1, 0}, kOld},
    };
    for (const Row& row : rows) {
        SimulationState state;
        state.statorPhaseAngle = state.rotorPhaseAngle = {0, 2.094393333333333, 4.188786666666666};
        state.statorAngle = state.rotorAngle = row.angle;
        state.statorWaveform = state.rotorWaveform = row.waveform;
        state.statorPhaseOn = state.rotorPhaseOn = row.on;
        const ConductorLevels levels = Computed(state);
        EXPECT_EQ(levels.stator, row.expected) << row.name;
        EXPECT_EQ(levels.rotor, row.expected) << row.name;
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
        {below(1.5707949999999997), second},
        {1.5707949999999997, {64, 0, 32, 32, 0, 64}},
        {2.6179916666666667, {32, 32, 64, 0, 0, 64}},
        {3.665188333333333, {0, 64, 64, 0, 32, 32}},
        {4.712385, {0, 64, 32, 32, 64, 0}},
        {below(6.283179999999999), first},
        {6.283179999999999, kOld},
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

// Records as the panels send them: phases on, angles, frequency, rotation, waveform.
WindingSettings Record(std::array<int, 3> on, int hz, int waveform, int rotationHz = 0) {
    return {on[0], on[1], on[2], 0, 120, 240, hz, rotationHz, 0, waveform};
}

// Every conductor and air-gap level at the state's instant, in one list.
std::vector<int> AllLevels(const SimulationState& state) {
    ConductorLevels c;
    AirGapLevels gap;
    ComputeConductorLevels(state, c);
    ComputeAirGapLevels(state, AngleTables(), gap);
    std::vector<int> all(c.stator.begin(), c.stator.end());
    // Room for all at once, which also keeps GCC 12 from warning of a copy out of bounds.
    all.reserve(c.stator.size() + c.rotor.size() + gap.combined.size());
    all.insert(all.end(), c.rotor.begin(), c.rotor.end());
    all.insert(all.end(), gap.combined.begin(), gap.combined.end());
    return all;
}

// 1 / (f x 0.0005) ticks, to the nearest: 40 at 50 Hz, 285.71 at 7 Hz, 333.33 at 6 Hz. When
// it is whole and the rotor stands, an animation of ticks 0 .. n-1 loops without a jump:
// one tick after its last frame every level is back, within the one level that the
// 6.28318 turn allows.
TEST(Period, WholeTicksOfTheAlternatingSupplyBringTheLevelsBack) {
    const struct {
        const char* name;
        WindingSettings stator;
        WindingSettings rotor;
        std::optional<int> ticks;
        bool repeats = false;
    } rows[] = {
        {"stator 50 Hz", Record({1, 1, 1}, 50, kWaveformSinus), {}, 40, true},
        {"stator rectangulaire 25 Hz", Record({1, 1, 1}, 25, kWaveformRectangulaire), {}, 80, true},
        {"rotor alone 10 Hz", {}, Record({1, 1, 1}, 10, kWaveformSinus), 200, true},
        {"stator sets it over the rotor", Record({1, 0, 0}, 7, kWaveformSinus),
         Record({1, 0, 0}, 10, kWaveformSinus), 286},
        {"rotor past a continu stator", Record({1, 0, 0}, 50, kWaveformContinu),
         Record({1, 0, 0}, 6, kWaveformSinus, 3), 333},
        {"continu only", Record({1, 0, 0}, 50, kWaveformContinu),
         Record({1, 0, 0}, 50, kWaveformContinu), std::nullopt},
        {"stator at 0 Hz", Record({1, 1, 1}, 0, kWaveformSinus), {}, std::nullopt},
        {"nothing on, rotor turning", {}, Record({0, 0, 0}, 50, kWaveformNone, 5), std::nullopt},
    };
    for (const auto& row : rows) {
        SimulationState state;
        ApplyWindingSettings(state, 0, row.stator);
        ApplyWindingSettings(state, 1, row.rotor);
        ResetClockState(state);
        EXPECT_EQ(PeriodTicks(state), row.ticks) << row.name;
        if (!row.repeats) continue;
        const std::vector<int> first = AllLevels(state);
        Tick(state, *row.ticks);
        const std::vector<int> last = AllLevels(state);
        for (std::size_t i = 0; i < first.size(); ++i)
            EXPECT_NEAR(first[i], last[i], 1) << row.name << ", level " << i;
    }
}

}  // namespace
}  // namespace vireflu
