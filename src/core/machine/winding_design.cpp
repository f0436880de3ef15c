#include "machine/winding_design.h"

#include <cmath>
#include <complex>

#include "machine/constants.h"

namespace vireflu {

namespace {

using constants::kDegreeFactor;

// The six 60-degree phase belts of a pole pair, from 0 degrees: which side of which phase.
// Phase 1's coil lies at 90 and 270 degrees, its axis horizontal; phases 2 and 3 follow at 120
// and 240 degrees, so that the direct sequence turns counterclockwise.
constexpr std::array<CoilSide, 6> kBelts{{{1, -1}, {0, +1}, {2, -1}, {1, +1}, {0, -1}, {2, +1}}};

double SlotAngleDeg(const WindingDesign& design) {
    return 60.0 / design.slotsPerPolePerPhase;
}

double Step(const Slot& slot, const std::array<double, 3>& currents) {
    return -0.5 * (slot.top.sign * currents[static_cast<std::size_t>(slot.top.phase)] +
                   slot.bottom.sign * currents[static_cast<std::size_t>(slot.bottom.phase)]);
}

// Balanced currents of the direct sequence at electrical angle wt (degrees): sin(wt + angle)
// with the angles 0, 240 and 120.
std::array<double, 3> DirectCurrents(double wtDeg) {
    return {std::sin(wtDeg * kDegreeFactor), std::sin((wtDeg + 240) * kDegreeFactor),
            std::sin((wtDeg + 120) * kDegreeFactor)};
}

}  // namespace

std::vector<double> MmfSteps(const std::vector<Slot>& slots,
                             const std::array<double, 3>& currents) {
    std::vector<double> levels;
    double level = 0;
    double sum = 0;
    for (const Slot& slot : slots) {
        level += Step(slot, currents);
        levels.push_back(level);
        sum += level;
    }
    for (double& each : levels) each -= sum / static_cast<double>(levels.size());
    return levels;
}

double StepAt(const std::vector<double>& steps, double mechanicalDeg) {
    const auto count = static_cast<int>(steps.size());
    const int slot = static_cast<int>(std::floor(mechanicalDeg * count / 360.0 - 0.5));
    return steps[static_cast<std::size_t>((slot % count + count) % count)];
}

// A step at a slot's centre adds step e^-jv theta / (j v) to the coefficient.
std::complex<double> MmfCoefficient(const std::vector<Slot>& slots, int slotsPerPair,
                                    const std::array<double, 3>& currents, int order) {
    std::complex<double> sum;
    for (int s = 0; s < slotsPerPair; ++s) {
        const Slot& slot = slots[static_cast<std::size_t>(s)];
        sum += Step(slot, currents) * std::polar(1.0, -order * slot.electricalDeg * kDegreeFactor);
    }
    return sum / std::complex<double>(0, order);
}

std::vector<Slot> SlotsOf(const WindingDesign& design) {
    const int count = design.Slots();
    const double slotDeg = SlotAngleDeg(design);
    std::vector<Slot> slots(static_cast<std::size_t>(count));
    for (int s = 0; s < count; ++s) {
        Slot& slot = slots[static_cast<std::size_t>(s)];
        slot.electricalDeg = (s + 0.5) * slotDeg;
        const int belt = static_cast<int>(std::fmod(slot.electricalDeg, 360.0) / 60.0);
        slot.top = kBelts[static_cast<std::size_t>(belt)];
    }
    for (int s = 0; s < count; ++s) {
        const CoilSide& start =
            slots[static_cast<std::size_t>((s - design.coilPitch % count + count) % count)].top;
        slots[static_cast<std::size_t>(s)].bottom = {start.phase, -start.sign};
    }
    return slots;
}

WindingFactor WindingFactorOf(const WindingDesign& design, int order) {
    const int q = design.slotsPerPolePerPhase;
    const double halfSlot = order * SlotAngleDeg(design) / 2 * kDegreeFactor;
    WindingFactor factor{
        order, std::sin(q * halfSlot) / (q * std::sin(halfSlot)),
        std::sin(order * design.coilPitch * 90.0 / design.FullPitch() * kDegreeFactor), 0};
    factor.winding = factor.distribution * factor.pitch;
    return factor;
}

std::vector<MmfHarmonic> MmfHarmonicsOf(const WindingDesign& design, double frequencyHz) {
    const std::vector<Slot> slots = SlotsOf(design);
    const int perPair = design.Slots() / design.polePairs;
    // Two instants a degree apart tell which way each wave moves: its crest lies at -arg / v.
    const auto at = [&](double wtDeg, int order) {
        return MmfCoefficient(slots, perPair, DirectCurrents(wtDeg), order);
    };
    const double fundamental = std::abs(at(0, 1));
    std::vector<MmfHarmonic> harmonics;
    for (const int order : kSpaceHarmonicOrders) {
        const std::complex<double> now = at(0, order);
        const double turn = std::arg(at(1, order) / now);  // minus the crest's move, times v
        const double sense = turn < 0 ? 1 : -1;
        harmonics.push_back({order, fundamental > 0 ? std::abs(now) / fundamental : 0,
                             sense * SynchronousRpm(design, frequencyHz) / order});
    }
    return harmonics;
}

double SynchronousRpm(const WindingDesign& design, double frequencyHz) {
    return 60 * frequencyHz / design.polePairs;
}

}  // namespace vireflu
