#include "machine/winding_field.h"

#include <cmath>
#include <complex>
#include <vector>

#include "machine/constants.h"

namespace vireflu {

bool OtherWinding(const SimulationState& state) {
    return state.winding != WindingDesign{};
}

std::array<double, 3> WindingCurrents(const SimulationState& state, const ConductorLevels& levels) {
    std::array<double, 3> currents{};
    for (std::size_t k = 0; k < 3; ++k) currents[k] = (levels.stator[2 * k] - 32) / 32.0;
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
