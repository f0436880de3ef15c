#include "session/setup_history.h"

#include <bit>

namespace vireflu {

namespace {

// Enough to take back a lesson's worth of changes; the oldest go first.
constexpr std::size_t kRemembered = 200;

// One bit per value a user can change: eight per winding, then the rest.
enum : std::uint32_t {
    kPhases = 1u << 0,
    kAngles = 7u << 1,  // one bit per phase
    kFrequency = 1u << 4,
    kWaveform = 1u << 5,
    kRotation = 1u << 6,
    kPosition = 1u << 7,
    kRotorShift = 8,
    kOthers = 16,
};

std::uint32_t WindingChanges(const WindingSetup& a, const WindingSetup& b) {
    std::uint32_t changed = 0;
    if (a.phases != b.phases) changed |= kPhases;
    for (std::size_t p = 0; p < 3; ++p)
        if (a.anglesDeg[p] != b.anglesDeg[p]) changed |= 1u << (1 + p);
    if (a.frequencyHz != b.frequencyHz) changed |= kFrequency;
    if (a.waveform != b.waveform) changed |= kWaveform;
    if (a.rotationHz != b.rotationHz) changed |= kRotation;
    if (a.initialPositionDeg != b.initialPositionDeg) changed |= kPosition;
    return changed;
}

// The values that differ; the clock's ticks and whether it runs are none of them.
std::uint32_t Changes(const Setup& a, const Setup& b) {
    std::uint32_t changed = WindingChanges(a.stator, b.stator) | WindingChanges(a.rotor, b.rotor)
                                                                     << kRotorShift;
    const bool others[] = {a.presentation != b.presentation,
                           a.colourMap != b.colourMap,
                           a.projection != b.projection,
                           a.sequences != b.sequences,
                           a.pacePeriodMs != b.pacePeriodMs,
                           a.statorWindow != b.statorWindow,
                           a.rotorWindow != b.rotorWindow,
                           a.measuresWindow != b.measuresWindow,
                           a.winding != b.winding,
                           a.windingWindow != b.windingWindow,
                           a.cage != b.cage};
    for (std::uint32_t i = 0; i < std::size(others); ++i)
        if (others[i]) changed |= 1u << (kOthers + i);
    return changed;
}

// A value a slider or an angle field moves through step by step.
bool Gradual(std::uint32_t change) {
    constexpr std::uint32_t kGradual = kAngles | kFrequency | kRotation | kPosition;
    return std::popcount(change) == 1 && (change & (kGradual | kGradual << kRotorShift)) != 0;
}

}  // namespace

void SetupHistory::Remember(const Setup& shown) {
    const std::uint32_t change = present ? Changes(*present, shown) : 0;
    const bool goesOn = change == lastChange && Gradual(change) && !past.empty();
    if (change != 0 && !goesOn) {
        past.push_back(*present);
        if (past.size() > kRemembered) past.erase(past.begin());
        lastChange = change;
    }
    if (change != 0) future.clear();
    present = shown;
    if (!kept) kept = shown;
}

bool SetupHistory::Changed() const {
    return present && kept && Changes(*present, *kept) != 0;
}

std::optional<Setup> SetupHistory::Undo() {
    if (past.empty()) return std::nullopt;
    future.push_back(*present);
    present = past.back();
    past.pop_back();
    lastChange = 0;
    return present;
}

std::optional<Setup> SetupHistory::Redo() {
    if (future.empty()) return std::nullopt;
    past.push_back(*present);
    present = future.back();
    future.pop_back();
    lastChange = 0;
    return present;
}

}  // namespace vireflu
