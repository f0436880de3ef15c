#include "lessons/lesson_grade.h"

#include "shell/interface_text.h"

#include <cmath>
#include <cstdio>
#include <memory>

#include "measures/measures.h"
#include "setup/setup_state.h"
#include "shell/interface_text.h"
#include "simulation/clock.h"
#include "simulation/period.h"
#include "view/field_vector.h"
#include "view/machine_scene.h"

namespace vireflu {

namespace {

constexpr const char* kFieldSenses[] = {"horaire", "antihoraire", "pulsant", "immobile", "nul"};
constexpr const char* kTorqueSenses[] = {"antihoraire", "horaire", "nul"};
constexpr const char* kTurns[] = {"horaire", "antihoraire"};

constexpr QuantityInfo kQuantities[] = {
    {LessonQuantity::FieldSense, "field-sense", kFieldSenses},
    {LessonQuantity::SynchronousSpeed, "synchronous-speed", {}},
    {LessonQuantity::Slip, "slip", {}},
    {LessonQuantity::RotorCurrentFrequency, "rotor-current-frequency", {}},
    {LessonQuantity::MeanTorque, "mean-torque", kTorqueSenses},
    {LessonQuantity::TorquePosition, "torque-position", {}},
    {LessonQuantity::Harmonic5Sense, "harmonic-5-sense", kTurns},
    {LessonQuantity::Harmonic7Sense, "harmonic-7-sense", kTurns},
};

// A mean torque smaller than this share of the largest a balanced pair makes (0.9) is none:
// a torque that changes sign averages to a few thousandths over the ticks of one period.
constexpr double kNoTorque = 0.01;
// The view the figures are taken in: torques and shares do not depend on its size.
constexpr int kViewSize = 300;

// The state the front-ends show when the lesson opens, with the conductor levels of its
// instant.
std::unique_ptr<SimulationState> Opened(const Setup& setup, MachineScene& scene) {
    auto state = std::make_unique<SimulationState>();
    OpenSetup(setup, *state, scene);
    scene.ComputeConductorLevels(*state);
    return state;
}

// The torque on the rotor, positive counterclockwise: the drawn figure pulls the rotor
// towards the stator's field clockwise when positive.
double CounterclockwiseTorque(const SimulationState& state, MachineScene& scene) {
    scene.ComputeConductorLevels(state);
    return -ComputeResultant(state, scene.Geometry(), scene.Levels()).torque;
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

std::optional<LessonValue> MeanTorque(SimulationState& state, MachineScene& scene) {
    const int ticks = PeriodTicks(state).value_or(1);
    double sum = 0;
    for (int tick = 0; tick < ticks; ++tick) {
        sum += CounterclockwiseTorque(state, scene);
        AdvanceClock(state);
    }
    LessonValue v;
    v.number = sum / ticks;
    v.name = v.number > kNoTorque ? "antihoraire" : v.number < -kNoTorque ? "horaire" : "nul";
    return v;
}

std::optional<LessonValue> TorquePosition(const Setup& setup, MachineScene& scene) {
    LessonValue v;
    double largest = 0;
    for (int position = 0; position < kMaxDeg; ++position) {
        Setup turned = setup;
        turned.rotor.initialPositionDeg = position;
        const double torque = CounterclockwiseTorque(*Opened(turned, scene), scene);
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
    const bool clockwise = n.fieldSense == FieldSense::Clockwise;
    if (!sixStep || (!clockwise && n.fieldSense != FieldSense::Counterclockwise))
        return std::nullopt;
    const Harmonic& h = ComputeSixStepSpectrum().harmonics[static_cast<std::size_t>(index)];
    LessonValue v;
    v.name = TurnName(h.withField == clockwise);
    v.number = h.order;
    v.speedRpm = n.synchronousRpm / h.order;
    v.relative = h.relative;
    return v;
}

// A number as a sentence writes it: at most `decimals` decimals, no trailing zeros, and the
// language's decimal mark.
std::string Figure(double number, int decimals, char decimalMark = '.') {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, number);
    std::string figure = text;
    if (figure.find('.') != std::string::npos) {
        figure.erase(figure.find_last_not_of('0') + 1);
        if (figure.back() == '.') figure.pop_back();
    }
    if (figure == "-0") figure = "0";
    if (const auto dot = figure.find('.'); dot != std::string::npos) figure[dot] = decimalMark;
    return figure;
}

}  // namespace

std::span<const QuantityInfo> LessonQuantities() {
    return kQuantities;
}

const QuantityInfo& InfoOf(LessonQuantity quantity) {
    for (const QuantityInfo& info : kQuantities)
        if (info.quantity == quantity) return info;
    return kQuantities[0];
}

std::optional<LessonValue> ComputeLessonValue(const Lesson& lesson) {
    MachineScene scene;
    scene.Resize(kViewSize, kViewSize);
    if (lesson.quantity == LessonQuantity::TorquePosition)
        return TorquePosition(lesson.setup, scene);
    const auto state = Opened(lesson.setup, scene);
    const MachineNumbers n = ComputeMachineNumbers(*state, scene.Geometry(), scene.Levels());
    switch (lesson.quantity) {
        case LessonQuantity::FieldSense:
            return FieldSenseValue(*state, n);
        case LessonQuantity::SynchronousSpeed:
        case LessonQuantity::Slip:
        case LessonQuantity::RotorCurrentFrequency:
            return AgainstRotor(lesson.quantity, n);
        case LessonQuantity::MeanTorque:
            return MeanTorque(*state, scene);
        case LessonQuantity::Harmonic5Sense:
            return HarmonicSense(1, *state, n);
        case LessonQuantity::Harmonic7Sense:
            return HarmonicSense(2, *state, n);
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

std::optional<std::size_t> RightChoice(const Lesson& lesson, const LessonValue& value) {
    std::optional<std::size_t> right;
    for (std::size_t i = 0; i < lesson.choices.size(); ++i) {
        if (!IsRightChoice(lesson, value, lesson.choices[i])) continue;
        if (right) return std::nullopt;
        right = i;
    }
    return right;
}

std::string ValueText(const LessonValue& value) {
    return value.name.empty() ? Figure(value.number, 4) : value.name;
}

std::string LessonSentence(LessonQuantity quantity, const LessonValue& v,
                           const Translate& inLanguage) {
    // The translators write each language's decimal mark in place of the French comma.
    const std::string mark = inLanguage(VIREFLU_UI_TEXT("Lesson", ","));
    const auto figure = [&](double number, int decimals) {
        return Figure(number, decimals, mark.empty() ? ',' : mark.front());
    };
    const auto say = [&](const char* french, std::initializer_list<std::string> arguments) {
        return WithArguments(inLanguage(french), arguments);
    };
    const auto rpm = [&](double speed) {
        return say(VIREFLU_UI_TEXT("Lesson", "%1 tr/min"), {figure(speed, 0)});
    };
    const auto sense = [&](const std::string& name) {
        return inLanguage(name == "horaire"
                              ? VIREFLU_UI_TEXT("Lesson", "dans le sens horaire")
                              : VIREFLU_UI_TEXT("Lesson", "dans le sens antihoraire"));
    };
    switch (quantity) {
        case LessonQuantity::FieldSense:
            if (v.name == "pulsant")
                return say(VIREFLU_UI_TEXT("Lesson",
                                           "Le champ pulse sur un axe fixe : ses deux moitiés "
                                           "tournent en sens opposés à %1"),
                           {rpm(v.speedRpm)});
            if (v.name == "immobile")
                return inLanguage(VIREFLU_UI_TEXT(
                    "Lesson", "Le champ reste immobile : rien n'alterne dans le stator"));
            if (v.name == "nul")
                return inLanguage(VIREFLU_UI_TEXT("Lesson", "Le stator ne crée aucun champ"));
            return say(VIREFLU_UI_TEXT("Lesson", "Le champ tourne %1 à %2"),
                       {sense(v.name), rpm(v.speedRpm)});
        case LessonQuantity::SynchronousSpeed:
            return say(VIREFLU_UI_TEXT("Lesson", "Le champ tourne %1 à %2 : vitesse signée %3"),
                       {sense(v.speedRpm < 0 ? "horaire" : "antihoraire"),
                        rpm(std::fabs(v.speedRpm)), rpm(v.speedRpm)});
        case LessonQuantity::Slip:
            return say(VIREFLU_UI_TEXT("Lesson", "Le glissement vaut %1 : champ à %2, rotor à %3"),
                       {figure(v.slip, 3), rpm(v.speedRpm), rpm(v.rotorRpm)});
        case LessonQuantity::RotorCurrentFrequency:
            return say(VIREFLU_UI_TEXT("Lesson",
                                       "Les courants du rotor ont une fréquence de %1 Hz "
                                       "(%2 × %3 Hz)"),
                       {figure(v.number, 2), figure(std::fabs(v.slip), 3), figure(v.supplyHz, 2)});
        case LessonQuantity::MeanTorque:
            if (v.name == "nul")
                return say(VIREFLU_UI_TEXT("Lesson",
                                           "Sur une période, le couple moyen est nul (%1) : il "
                                           "change de signe"),
                           {figure(v.number, 2)});
            return say(VIREFLU_UI_TEXT("Lesson",
                                       "Sur une période, le couple moyen pousse le rotor %1 (%2)"),
                       {sense(v.name), figure(v.number, 2)});
        case LessonQuantity::TorquePosition:
            return say(VIREFLU_UI_TEXT("Lesson",
                                       "Le couple antihoraire est le plus grand avec le rotor à "
                                       "%1°"),
                       {figure(v.number, 0)});
        case LessonQuantity::Harmonic5Sense:
        case LessonQuantity::Harmonic7Sense:
            return say(
                VIREFLU_UI_TEXT("Lesson", "L'harmonique %1 (%2 % du fondamental) tourne %3 à %4"),
                {figure(v.number, 0), figure(100 * v.relative, 0), sense(v.name),
                 rpm(std::fabs(v.speedRpm))});
    }
    return "";
}

}  // namespace vireflu
