#include "machine/winding_field.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "machine/constants.h"
#include "machine/six_step.h"

namespace vireflu {

bool OtherWinding(const SimulationState& state) {
    return state.winding != WindingDesign{};
}

std::array<double, 3> WindingCurrents(const SimulationState& state) {
    std::array<double, 3> currents{};
    const auto& on = state.statorPhaseOn;
    if (state.statorWaveform == kWaveformSinus)
        for (std::size_t k = 0; k < 3; ++k)
            currents[k] = on[k] ? std::sin(state.statorAngle + state.statorPhaseAngle[k]) : 0;
    if (state.statorWaveform == kWaveformContinu) currents[0] = 1;
    if (state.statorWaveform == kWaveformRectangulaire && on[2]) {
        const auto steps =
            SixStepCurrents(state.statorAngle).value_or(std::array<int, 3>{0, -1, 1});
        for (std::size_t k = 0; k < 3; ++k) currents[k] = steps[k];
    }
    const int cut = state.winding.cutPhase;
    if (cut < 1 || cut > 3) return currents;
    const auto c = static_cast<std::size_t>(cut - 1);
    const std::size_t a = (c + 1) % 3;
    const std::size_t b = (c + 2) % 3;
    const double series = (currents[a] - currents[b]) / 2;
    currents[c] = 0;
    currents[a] = series;
    currents[b] = -series;
    return currents;
}

int MmfLevel(const WindingDesign& design, double mmf) {
    constexpr double kLevelsPerStep = 24;
    return std::clamp(Trunc(32 + kLevelsPerStep * mmf / design.slotsPerPolePerPhase), 0, 64);
}

FieldVector WindingVector(const WindingDesign& design, const std::array<double, 3>& currents,
                          double ra) {
    const std::vector<Slot> slots = SlotsOf(design);
    const int perPair = design.Slots() / design.polePairs;
    const std::complex<double> now = MmfCoefficient(slots, perPair, currents, 1);
    // Balanced currents' fundamental is the same at every instant: phase 1 at its peak.
    const double balanced = std::abs(MmfCoefficient(slots, perPair, {1, -0.5, -0.5}, 1));
    if (balanced == 0) return {};
    const double length = 0.6 * ra * std::abs(now) / balanced;
    const double angle = -std::arg(now) / design.polePairs;  // the crest, mechanical
    return {length * std::cos(angle), -length * std::sin(angle)};
}

}  // namespace vireflu
