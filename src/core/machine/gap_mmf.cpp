#include "machine/gap_mmf.h"

#include <cmath>

#include "machine/constants.h"
#include "machine/six_step.h"
#include "machine/winding_field.h"

namespace vireflu {

namespace {

using namespace constants;
using Sectors = std::array<int, kGapSectors>;

// phi_k: the start angle of sector k on the view's 2-degree grid.
double SectorAngle(int k) {
    return (2 * k) * kViewDegreeFactor;
}

// Writes entry k from value(k) for k = 0..89 and the opposite side with the opposite level,
// or, for an even number of pole pairs, the same one.
template <typename Value>
void FillHalfTable(Sectors& sectors, Value&& value, bool opposite = true) {
    for (int k = 0; k < 90; ++k) {
        const int level = Trunc(value(k));
        sectors[static_cast<std::size_t>(k)] = level;
        sectors[static_cast<std::size_t>(k + 90)] = opposite ? 64 - level : level;
    }
}

std::array<double, 3> Currents(double angle, const std::array<double, 3>& phaseAngle) {
    return {std::sin(angle + phaseAngle[0]), std::sin(angle + phaseAngle[1]),
            std::sin(angle + phaseAngle[2])};
}

// Three-phase stator pattern; the grouping of the sum is part of the result's last bit.
void FillThreePhaseStator(Sectors& sectors, const AngleTables& tables, double i1, double i2,
                          double i3) {
    FillHalfTable(sectors, [&](int k) {
        const double phi = SectorAngle(k);
        return 32 + 16 * (i1 * tables.cosTable[static_cast<std::size_t>(k)] +
                          (i3 * std::cos(phi - kDeg240) + i2 * std::cos(phi - kDeg120)));
    });
}

// Another winding's stepped magnetomotive force: sector k takes the step at its middle,
// 2k + 1 degrees.
void ComputeWindingStator(const SimulationState& s, Sectors& sectors) {
    const std::vector<double> steps = MmfSteps(SlotsOf(s.winding), WindingCurrents(s));
    for (int k = 0; k < kGapSectors; ++k)
        sectors[static_cast<std::size_t>(k)] = MmfLevel(s.winding, StepAt(steps, 2 * k + 1));
}

void ComputeStator(const SimulationState& s, const AngleTables& tables, Sectors& sectors) {
    if (OtherWinding(s)) return ComputeWindingStator(s, sectors);
    const auto& on = s.statorPhaseOn;
    const int waveform = s.statorWaveform;
    const auto i = Currents(s.statorAngle, s.statorPhaseAngle);
    const auto cosk = [&](int k) { return tables.cosTable[static_cast<std::size_t>(k)]; };

    if (!on[0]) sectors.fill(32);
    if (!on[1] && waveform == kWaveformContinu)
        FillHalfTable(sectors, [&](int k) { return (cosk(k) + 1) * 32; });
    if (on[0] && waveform == kWaveformSinus && !on[1])
        FillHalfTable(sectors, [&](int k) { return (i[0] * cosk(k) + 1) * 32; });
    if (on[1] && waveform == kWaveformSinus && !on[2]) {
        FillHalfTable(sectors, [&](int k) {
            return 32 + 22.624 * (i[0] * cosk(k) + i[1] * std::cos(SectorAngle(k) - kQuarterTurn));
        });
    }
    if (on[2] && waveform == kWaveformSinus)
        FillThreePhaseStator(sectors, tables, i[0], i[1], i[2]);
    if (on[2] && waveform == kWaveformRectangulaire) {
        // Past the last step the currents are those of the first, where the clock goes next.
        const auto steps = SixStepCurrents(s.statorAngle).value_or(std::array<int, 3>{0, -1, +1});
        FillThreePhaseStator(sectors, tables, steps[0], steps[1], steps[2]);
    }
}

void ComputeRotor(const SimulationState& s, Sectors& sectors) {
    const auto& on = s.rotorPhaseOn;
    const int waveform = s.rotorWaveform;
    auto j = Currents(s.rotorAngle, s.rotorPhaseAngle);
    for (double& current : j) current *= s.rotorAmplitude;
    // With p pole pairs the pattern repeats p times around the gap.
    const int pairs = s.winding.polePairs;
    const double p = pairs * s.rotorPosition;
    const bool odd = pairs % 2 == 1;
    const auto at = [pairs](int k) { return pairs * SectorAngle(k); };

    if (!on[0]) sectors.fill(32);
    if (!on[1] && waveform == kWaveformContinu)
        FillHalfTable(
            sectors, [&](int k) { return (std::cos(at(k) - p) + 1) * 32; }, odd);
    if (on[0] && waveform == kWaveformSinus && !on[1])
        FillHalfTable(
            sectors, [&](int k) { return (j[0] * std::cos(at(k) - p) + 1) * 32; }, odd);
    if (on[1] && !on[2]) {
        FillHalfTable(
            sectors,
            [&](int k) {
                const double phi = at(k);
                return 32 + 22.624 * (j[0] * std::cos(phi - p) +
                                      j[1] * std::cos(phi - kQuarterTurn - p));
            },
            odd);
    }
    if (on[2]) {
        FillHalfTable(
            sectors,
            [&](int k) {
                const double phi = at(k);
                return 32 + 16 * (j[2] * std::cos(phi - kDeg240 - p) +
                                  (j[0] * std::cos(phi - p) + j[1] * std::cos(phi - kDeg120 - p)));
            },
            odd);
    }
}

}  // namespace

AngleTables::AngleTables() {
    for (int i = 0; i <= 360; i += 2) {
        cosTable[static_cast<std::size_t>(i / 2)] = std::cos(i * constants::kViewDegreeFactor);
        sinTable[static_cast<std::size_t>(i / 2)] = std::sin(i * constants::kViewDegreeFactor);
    }
}

const AngleTables& GapAngleTables() {
    static const AngleTables tables;
    return tables;
}

AirGapLevels::AirGapLevels() {
    stator.fill(32);
    rotor.fill(32);
    combined.fill(32);
}

void ComputeAirGapLevels(const SimulationState& state, const AngleTables& tables,
                         AirGapLevels& levels) {
    ComputeStator(state, tables, levels.stator);
    ComputeRotor(state, levels.rotor);
    for (std::size_t k = 0; k < kGapSectors; ++k)
        levels.combined[k] = CombinedLevel(state, levels.stator[k], levels.rotor[k]);
}

int CombinedLevel(const SimulationState& state, int stator, int rotor) {
    const bool statorOn = state.statorPhaseOn[0] != 0;
    const bool rotorOn = state.rotorPhaseOn[0] != 0;
    if (rotorOn && statorOn) return (stator + rotor) / 2;
    return rotorOn ? rotor : stator;
}

}  // namespace vireflu
