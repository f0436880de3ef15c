#include "lessons/lesson_grade.h"

#include <cmath>
#include <memory>

#include "lessons/lesson_text.h"
#include "machine/clock.h"
#include "machine/field.h"
#include "machine/period.h"
#include "measures/measures.h"
#include "setup/setup_scenario.h"

namespace vireflu {

namespace {

constexpr const char* kFieldSenses[] = {"horaire", "antihoraire", "pulsant", "immobile", "nul"};
constexpr const char* kTorqueSenses[] = {"antihoraire", "horaire", "nul"};
constexpr const char* kTurns[] = {"horaire", "antihoraire"};
constexpr const char* kModes[] = {"moteur", "generatrice", "frein", "synchronisme"};

constexpr QuantityInfo kQuantities[] = {
    {LessonQuantity::FieldSense, "field-sense", kFieldSenses},
    {LessonQuantity::SynchronousSpeed, "synchronous-speed", {}},
    {LessonQuantity::Slip, "slip", {}},
    {LessonQuantity::RotorCurrentFrequency, "rotor-current-frequency", {}},
    {LessonQuantity::MeanTorque, "mean-torque", kTorqueSenses},
    {LessonQuantity::TorquePosition, "torque-position", {}},
    {LessonQuantity::Harmonic5Sense, "harmonic-5-sense", kTurns},
    {LessonQuantity::Harmonic7Sense, "harmonic-7-sense", kTurns},
    {LessonQuantity::WindingFactor, "winding-factor", {}},
    {LessonQuantity::QuietestPitch5, "harmonic-5-least-pitch", {}},
    {LessonQuantity::CageTorque, "cage-torque", {}},
    {LessonQuantity::SettledSpeed, "settled-speed", {}},
    {LessonQuantity::MaxTorqueSlip, "max-torque-slip", {}},
    {LessonQuantity::StatorCurrent, "stator-current", {}},
    {LessonQuantity::MachineMode, "machine-mode", kModes},
};

// A mean torque smaller than this share of the largest a balanced pair makes (0.9) is none:
// a torque that changes sign averages to a few thousandths over the ticks of one period.
constexpr double kNoTorque = 0.01;
// The figures are taken with the gap's inner radius as the unit of length: torques and
// shares do not depend on it.
constexpr double kGapRadius = 1;

// The machine at the state's instant; the conductors keep what they last carried.
MachineInstant InstantOf(const SimulationState& state, ConductorLevels& conductors) {
    ComputeConductorLevels(state, conductors);
    return ComputeInstant(state, kGapRadius, conductors);
}

double TorqueNow(const SimulationState& state, ConductorLevels& conductors) {
    return CounterclockwiseTorque(InstantOf(state, conductors).torque);
}

std::string TurnName(bool clockwise) {
    return clockwise ? "horaire" : "antihoraire";
}

std::optional<LessonValue> FieldSenseValue(const SimulationState& state, const MachineNumbers& n) {
    LessonValue v;
    v.speedRpm = std::fabs(n.synchronousRpm);
    switch (n.fieldSense) {
        case FieldSense::Clockwise:
            v.name = "horaire";
            break;
        case FieldSense::Counterclockwise:
            v.name = "antihoraire";
            break;
        case FieldSense::Pulsating:
            v.name = "pulsant";
            break;
        case FieldSense::None:
            v.name = state.statorPhaseOn[0] && (state.statorWaveform == kWaveformContinu ||
                                                state.statorPulsation == 0)
                         ? "immobile"
                         : "nul";
    }
    return v;
}

std::optional<LessonValue> AgainstRotor(LessonQuantity quantity, const MachineNumbers& n) {
    if (n.slips.size() != 1) return std::nullopt;
    LessonValue v;
    v.speedRpm = n.slips[0].synchronousRpm;
    v.rotorRpm = n.rotorRpm;
    v.supplyHz = n.supplyHz;
    v.slip = n.slips[0].slip;
    v.number = quantity == LessonQuantity::SynchronousSpeed ? v.speedRpm
               : quantity == LessonQuantity::Slip           ? v.slip
                                                            : n.slips[0].rotorCurrentHz;
    return v;
}

std::optional<LessonValue> MeanTorque(SimulationState& state, ConductorLevels& conductors) {
    const int ticks = PeriodTicks(state).value_or(1);
    double sum = 0;
    for (int tick = 0; tick < ticks; ++tick) {
        sum += TorqueNow(state, conductors);
        AdvanceClock(state);
    }
    LessonValue v;
    v.number = sum / ticks;
    v.name = v.number > kNoTorque ? "antihoraire" : v.number < -kNoTorque ? "horaire" : "nul";
    return v;
}

std::optional<LessonValue> TorquePosition(const Setup& setup) {
    ConductorLevels conductors;
    LessonValue v;
    double largest = 0;
    for (int position = 0; position < kMaxDeg; ++position) {
        Setup turned = setup;
        turned.rotor.initialPositionDeg = position;
        const double torque = TorqueNow(*SetUp(turned), conductors);
        if (torque > largest) {
            largest = torque;
            v.number = position;
        }
    }
    if (largest == 0) return std::nullopt;
    return v;
}

std::optional<LessonValue> HarmonicSense(int index, const SimulationState& state,
                                         const MachineNumbers& n) {
    const bool sixStep = state.statorPhaseOn[2] && state.statorWaveform == kWaveformRectangulaire;
    if (!sixStep || n.slips.size() != 1) return std::nullopt;
    const Harmonic& h = ComputeSixStepSpectrum().harmonics[static_cast<std::size_t>(index)];
    LessonValue v;
    v.speedRpm = HarmonicFieldRpm(h, n.slips[0].synchronousRpm);
    v.name = TurnName(v.speedRpm < 0);
    v.number = h.order;
    v.relative = h.relative;
    return v;
}

LessonValue WindingFactorValue(const WindingDesign& design) {
    LessonValue v;
    v.number = WindingFactorOf(design, 1).winding;
    return v;
}

// Measured on each pitch's stepped magnetomotive force; the shortest of equal ones wins.
LessonValue QuietestPitch(WindingDesign design) {
    LessonValue v;
    double quietest = 2;
    for (int pitch = 1; pitch <= design.FullPitch(); ++pitch) {
        design.coilPitch = pitch;
        const double share = MmfHarmonicsOf(design, 50)[1].share;
        if (share < quietest - 1e-9) {
            quietest = share;
            v.number = pitch;
            v.relative = share;
        }
    }
    return v;
}

// A cage machine's figure at the setup's slip; none without a cage under a rotating field.
std::optional<LessonValue> CageValue(LessonQuantity quantity, const Measures& m) {
    if (!m.induction) return std::nullopt;
    const InductionPoint& p = m.induction->point;
    LessonValue v;
    v.slip = p.slip;
    switch (quantity) {
        case LessonQuantity::CageTorque:
            v.number = p.torqueNm;
            break;
        case LessonQuantity::MaxTorqueSlip:
            v.number = m.induction->landmarks.slipAtMaxTorque;
            break;
        case LessonQuantity::StatorCurrent:
            v.number = p.statorCurrentA;
            break;
        case LessonQuantity::SettledSpeed: {
            if (!m.induction->loadNm) return std::nullopt;
            const std::optional<double> settled =
                SettledRpm(m.induction->circuit, m.induction->supplyHz, m.induction->polePairs,
                           *m.induction->loadNm);
            if (!settled) return std::nullopt;
            v.number = *settled;
            break;
        }
        default:
            v.name = p.slip == 0  ? "synchronisme"
                     : p.slip < 0 ? "generatrice"
                     : p.slip > 1 ? "frein"
                                  : "moteur";
    }
    return v;
}

}  // namespace

LessonNumbers ComputeLessonNumbers(const Setup& setup) {
    const auto state = SetUp(setup);
    ConductorLevels conductors;
    const MachineNumbers n = ComputeMachineNumbers(*state, InstantOf(*state, conductors));
    LessonNumbers numbers;
    numbers.supplyHz = n.supplyHz;
    numbers.fieldAlternates = n.fieldSense != FieldSense::None;
    numbers.synchronousRpm = n.synchronousRpm;
    numbers.rotorRpm = n.rotorRpm;
    if (n.slips.size() == 1) {
        numbers.fieldRpm = n.slips[0].synchronousRpm;
        numbers.slip = n.slips[0].slip;
        numbers.rotorCurrentHz = n.slips[0].rotorCurrentHz;
        const bool sixStep =
            state->statorPhaseOn[2] && state->statorWaveform == kWaveformRectangulaire;
        const auto& harmonics = ComputeSixStepSpectrum().harmonics;
        for (std::size_t h = 1; sixStep && h < harmonics.size(); ++h)
            numbers.harmonicRpm[h - 1] = HarmonicFieldRpm(harmonics[h], *numbers.fieldRpm);
    }
    if (state->statorPhaseOn[0] && state->rotorPhaseOn[0])
        numbers.meanTorque = MeanTorque(*state, conductors)->number;
    numbers.winding = setup.winding;
    numbers.cage = ComputeMeasures(*state, InstantOf(*state, conductors)).induction;
    for (int p = 0; p < setup.stator.phases; ++p)
        numbers.statorAnglesDeg.push_back(setup.stator.anglesDeg[static_cast<std::size_t>(p)]);
    return numbers;
}

std::span<const QuantityInfo> LessonQuantities() {
    return kQuantities;
}

const QuantityInfo& InfoOf(LessonQuantity quantity) {
    for (const QuantityInfo& info : kQuantities)
        if (info.quantity == quantity) return info;
    return kQuantities[0];
}

std::optional<LessonValue> ComputeLessonValue(const Lesson& lesson) {
    if (lesson.quantity == LessonQuantity::TorquePosition) return TorquePosition(lesson.setup);
    const auto state = SetUp(lesson.setup);
    ConductorLevels conductors;
    const MachineNumbers n = ComputeMachineNumbers(*state, InstantOf(*state, conductors));
    switch (lesson.quantity) {
        case LessonQuantity::FieldSense:
            return FieldSenseValue(*state, n);
        case LessonQuantity::SynchronousSpeed:
        case LessonQuantity::Slip:
        case LessonQuantity::RotorCurrentFrequency:
            return AgainstRotor(lesson.quantity, n);
        case LessonQuantity::MeanTorque:
            return MeanTorque(*state, conductors);
        case LessonQuantity::Harmonic5Sense:
            return HarmonicSense(1, *state, n);
        case LessonQuantity::Harmonic7Sense:
            return HarmonicSense(2, *state, n);
        case LessonQuantity::WindingFactor:
            return WindingFactorValue(lesson.setup.winding);
        case LessonQuantity::QuietestPitch5:
            return QuietestPitch(lesson.setup.winding);
        case LessonQuantity::CageTorque:
        case LessonQuantity::SettledSpeed:
        case LessonQuantity::MaxTorqueSlip:
        case LessonQuantity::StatorCurrent:
        case LessonQuantity::MachineMode:
            return CageValue(lesson.quantity,
                             ComputeMeasures(*state, InstantOf(*state, conductors)));
        case LessonQuantity::TorquePosition:
            break;
    }
    return std::nullopt;
}

std::optional<SetupError> UndecidedQuestion(const Lesson& lesson) {
    const std::optional<LessonValue> value = ComputeLessonValue(lesson);
    const std::string quantity = InfoOf(lesson.quantity).key;
    if (!value)
        return SetupError{SetupFault::NoValue, "quantity", "", quantity,
                          "the setup gives \"" + quantity + "\" no value to decide the answer"};
    if (!lesson.choices.empty() && !RightChoice(lesson, *value))
        return SetupError{
            SetupFault::NotOneRight, "choices", "", ValueText(*value),
            "not exactly one choice is " + ValueText(*value) + ", the simulator's value"};
    return std::nullopt;
}

bool IsRightChoice(const Lesson& lesson, const LessonValue& value, const LessonChoice& choice) {
    if (!InfoOf(lesson.quantity).names.empty()) return choice.name == value.name;
    return IsRightNumber(lesson, value, choice.number);
}

bool IsRightNumber(const Lesson& lesson, const LessonValue& value, double typed) {
    return std::fabs(typed - value.number) <= lesson.tolerance;
}

std::optional<double> TypedNumber(std::string_view typed) {
    while (!typed.empty() && typed.front() == ' ') typed.remove_prefix(1);
    while (!typed.empty() && typed.back() == ' ') typed.remove_suffix(1);
    const bool negative = !typed.empty() && typed.front() == '-';
    if (!typed.empty() && (typed.front() == '-' || typed.front() == '+')) typed.remove_prefix(1);
    // Every digit into one whole number (exact below 2^53), divided once by its power of ten:
    // "0,04" reads as 4 / 100, the double nearest 0.04.
    double digits = 0, scale = 1;
    bool mark = false, anyDigit = false;
    for (const char c : typed) {
        if ((c == ',' || c == '.') && !mark) {
            mark = true;
        } else if (c >= '0' && c <= '9') {
            digits = digits * 10 + (c - '0');
            scale *= mark ? 10 : 1;
            anyDigit = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) return std::nullopt;
    return (negative ? -digits : digits) / scale;
}

std::optional<std::size_t> RightChoice(const Lesson& lesson, const LessonValue& value) {
    std::optional<std::size_t> right;
    for (std::size_t i = 0; i < lesson.choices.size(); ++i) {
        if (!IsRightChoice(lesson, value, lesson.choices[i])) continue;
        if (right) return std::nullopt;
        right = i;
    }
    return right;
}

}  // namespace vireflu
