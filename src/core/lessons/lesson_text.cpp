#include "lessons/lesson_text.h"

#include <algorithm>
#include <cmath>

namespace vireflu {

namespace {

constexpr const char* kFigureNames[] = {"frequency",
                                        "field-sense",
                                        "field-speed",
                                        "field-signed-speed",
                                        "rotor-sense",
                                        "rotor-speed",
                                        "rotor-signed-speed",
                                        "slip",
                                        "slip-speed",
                                        "rotor-frequency",
                                        "harmonic-5-sense",
                                        "harmonic-5-speed",
                                        "harmonic-7-sense",
                                        "harmonic-7-speed",
                                        "harmonic-11-sense",
                                        "harmonic-11-speed",
                                        "harmonic-13-sense",
                                        "harmonic-13-speed",
                                        "stator-angles",
                                        "mean-torque",
                                        "convention",
                                        "torque-bar",
                                        "pole-pairs",
                                        "poles",
                                        "slots",
                                        "coil-pitch",
                                        "full-pitch",
                                        "distribution-factor",
                                        "pitch-factor",
                                        "winding-factor",
                                        "space-harmonic-5-share",
                                        "space-harmonic-7-share",
                                        "cage-torque",
                                        "max-torque",
                                        "start-torque",
                                        "max-torque-slip",
                                        "stator-current",
                                        "load-torque",
                                        "settled-speed"};

constexpr const char* kNoFigure = "\xE2\x80\x94";  // an em dash

// A number as a sentence writes it: at most `decimals` decimals, no trailing zeros, and the
// language's decimal mark.
std::string Figure(double number, int decimals, char decimalMark = '.') {
    std::string figure = FixedText(number, decimals);
    if (figure.find('.') != std::string::npos) {
        figure.erase(figure.find_last_not_of('0') + 1);
        if (figure.back() == '.') figure.pop_back();
    }
    if (figure == "-0") figure = "0";
    if (const auto dot = figure.find('.'); dot != std::string::npos) figure[dot] = decimalMark;
    return figure;
}
// How the sentences of one language write figures.
class Wording {
public:
    explicit Wording(const Translate& inLanguage) : inLanguage(inLanguage) {
        // The translators write each language's decimal mark in place of the French comma.
        const std::string mark = inLanguage(VIREFLU_UI_TEXT("Lesson", ","));
        decimalMark = mark.empty() ? ',' : mark.front();
    }
    std::string Number(double number, int decimals) const {
        return Figure(number, decimals, decimalMark);
    }
    std::string Say(const char* french, std::initializer_list<std::string> arguments) const {
        return WithArguments(inLanguage(french), arguments);
    }
    std::string Rpm(double speed, bool signed_ = false) const {
        const std::string sign = signed_ && Number(speed, 0) != "0" && speed > 0 ? "+" : "";
        return Say(VIREFLU_UI_TEXT("Lesson", "%1 tr/min"), {sign + Number(speed, 0)});
    }
    std::string Hertz(double frequency) const {
        return Say(VIREFLU_UI_TEXT("Lesson", "%1 Hz"), {Number(frequency, 2)});
    }
    std::string Sense(bool clockwise) const {
        return inLanguage(clockwise ? VIREFLU_UI_TEXT("Lesson", "dans le sens horaire")
                                    : VIREFLU_UI_TEXT("Lesson", "dans le sens antihoraire"));
    }
    std::string Text(const char* french) const { return inLanguage(french); }

private:
    const Translate& inLanguage;
    char decimalMark;
};

}  // namespace

std::span<const char* const> LessonFigureNames() {
    return kFigureNames;
}

std::vector<std::string_view> PlaceholdersIn(std::string_view text) {
    std::vector<std::string_view> names;
    for (std::size_t open = text.find('{'); open != std::string_view::npos;
         open = text.find('{', open + 1)) {
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) break;
        const std::string_view name = text.substr(open + 1, close - open - 1);
        const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        });
        if (plain) names.push_back(name);
    }
    return names;
}

LessonFigures LessonFiguresOf(const LessonNumbers& n, const Translate& inLanguage) {
    const Wording w(inLanguage);
    LessonFigures f;
    for (const char* name : kFigureNames) f[name] = kNoFigure;
    f["frequency"] = w.Hertz(n.supplyHz);
    if (n.fieldAlternates) f["field-speed"] = w.Rpm(std::fabs(n.synchronousRpm));
    if (n.fieldRpm) {
        f["field-sense"] = w.Sense(*n.fieldRpm < 0);
        f["field-signed-speed"] = w.Rpm(*n.fieldRpm, true);
        f["slip-speed"] = w.Rpm(std::fabs(*n.fieldRpm - n.rotorRpm));
    }
    if (n.rotorRpm != 0) f["rotor-sense"] = w.Sense(n.rotorRpm < 0);
    f["rotor-speed"] = w.Rpm(std::fabs(n.rotorRpm));
    f["rotor-signed-speed"] = w.Rpm(n.rotorRpm, true);
    if (n.slip) f["slip"] = w.Number(*n.slip, 3);
    if (n.rotorCurrentHz) f["rotor-frequency"] = w.Hertz(*n.rotorCurrentHz);
    constexpr int kOrders[] = {5, 7, 11, 13};
    for (std::size_t h = 0; h < n.harmonicRpm.size(); ++h) {
        if (!n.harmonicRpm[h]) continue;
        const std::string name = "harmonic-" + std::to_string(kOrders[h]);
        f[name + "-sense"] = w.Sense(*n.harmonicRpm[h] < 0);
        f[name + "-speed"] = w.Rpm(std::fabs(*n.harmonicRpm[h]));
    }
    std::string angles;
    for (const int angle : n.statorAnglesDeg)
        angles += (angles.empty() ? "" : ", ") + std::to_string(angle) + "°";
    if (!angles.empty()) f["stator-angles"] = angles;
    if (n.meanTorque) f["mean-torque"] = w.Number(*n.meanTorque, 2);
    const WindingDesign& d = n.winding;
    f["pole-pairs"] = std::to_string(d.polePairs);
    f["poles"] = std::to_string(2 * d.polePairs);
    f["slots"] = std::to_string(d.Slots());
    f["coil-pitch"] = std::to_string(d.coilPitch);
    f["full-pitch"] = std::to_string(d.FullPitch());
    const WindingFactor k = WindingFactorOf(d, 1);
    f["distribution-factor"] = w.Number(k.distribution, 3);
    f["pitch-factor"] = w.Number(k.pitch, 3);
    f["winding-factor"] = w.Number(k.winding, 3);
    const std::vector<MmfHarmonic> harmonics = MmfHarmonicsOf(d, n.supplyHz);
    f["space-harmonic-5-share"] = w.Number(100 * harmonics[1].share, 1) + " %";
    f["space-harmonic-7-share"] = w.Number(100 * harmonics[2].share, 1) + " %";
    if (n.cage) {
        const auto newtonMetres = [&](double t) { return w.Number(t, 1) + " N·m"; };
        f["cage-torque"] = newtonMetres(n.cage->point.torqueNm);
        f["max-torque"] = newtonMetres(n.cage->landmarks.maxTorqueNm);
        f["start-torque"] = newtonMetres(n.cage->landmarks.startTorqueNm);
        f["max-torque-slip"] = w.Number(n.cage->landmarks.slipAtMaxTorque, 3);
        f["stator-current"] = w.Number(n.cage->point.statorCurrentA, 1) + " A";
        if (n.cage->loadNm) {
            f["load-torque"] = newtonMetres(*n.cage->loadNm);
            const std::optional<double> settled =
                SettledRpm(n.cage->circuit, n.cage->supplyHz, n.cage->polePairs, *n.cage->loadNm);
            if (settled) f["settled-speed"] = w.Rpm(*settled);
        }
    }
    f["convention"] = w.Text(VIREFLU_UI_TEXT(
        "Lesson",
        "Vitesses, glissements, angles et couples sont comptés positifs dans le sens "
        "antihoraire, celui où tourne le rotor pour une fréquence de rotation positive."));
    f["torque-bar"] = w.Text(VIREFLU_UI_TEXT(
        "Lesson",
        "La barre de couple monte quand le couple pousse le rotor dans le sens horaire et "
        "descend quand il le pousse dans le sens antihoraire."));
    return f;
}

std::string FillLessonText(std::string_view text, const LessonFigures& figures) {
    std::string filled;
    std::size_t from = 0;
    for (const std::string_view name : PlaceholdersIn(text)) {
        const auto found = figures.find(name);
        if (found == figures.end()) continue;
        const std::size_t open = static_cast<std::size_t>(name.data() - text.data()) - 1;
        filled.append(text.substr(from, open - from)).append(found->second);
        from = open + name.size() + 2;
    }
    return filled.append(text.substr(from));
}

namespace {

const char* ModeWord(const std::string& mode) {
    if (mode == "generatrice") return VIREFLU_UI_TEXT("Lesson", "génératrice");
    if (mode == "frein") return VIREFLU_UI_TEXT("Lesson", "frein");
    if (mode == "synchronisme") return VIREFLU_UI_TEXT("Lesson", "synchronisme, sans couple");
    return VIREFLU_UI_TEXT("Lesson", "moteur");
}

}  // namespace

std::string ValueText(const LessonValue& value) {
    return value.name.empty() ? Figure(value.number, 4) : value.name;
}

std::string LessonSentence(LessonQuantity quantity, const LessonValue& v,
                           const Translate& inLanguage) {
    const Wording w(inLanguage);
    switch (quantity) {
        case LessonQuantity::FieldSense:
            if (v.name == "pulsant")
                return w.Say(VIREFLU_UI_TEXT("Lesson",
                                             "Le champ pulse sur un axe fixe : ses deux moitiés "
                                             "tournent en sens opposés à %1"),
                             {w.Rpm(v.speedRpm)});
            if (v.name == "immobile")
                return w.Text(VIREFLU_UI_TEXT(
                    "Lesson", "Le champ reste immobile : rien n'alterne dans le stator"));
            if (v.name == "nul")
                return w.Text(VIREFLU_UI_TEXT("Lesson", "Le stator ne crée aucun champ"));
            return w.Say(VIREFLU_UI_TEXT("Lesson", "Le champ tourne %1 à %2"),
                         {w.Sense(v.name == "horaire"), w.Rpm(v.speedRpm)});
        case LessonQuantity::SynchronousSpeed:
            return w.Say(
                VIREFLU_UI_TEXT("Lesson", "Le champ tourne %1 à %2 : vitesse signée %3"),
                {w.Sense(v.speedRpm < 0), w.Rpm(std::fabs(v.speedRpm)), w.Rpm(v.speedRpm, true)});
        case LessonQuantity::Slip:
            return w.Say(
                VIREFLU_UI_TEXT("Lesson", "Le glissement vaut %1 : champ à %2, rotor à %3"),
                {w.Number(v.slip, 3), w.Rpm(v.speedRpm, true), w.Rpm(v.rotorRpm, true)});
        case LessonQuantity::RotorCurrentFrequency:
            return w.Say(VIREFLU_UI_TEXT("Lesson",
                                         "Les courants du rotor ont une fréquence de %1 (%2 × %3)"),
                         {w.Hertz(v.number), w.Number(std::fabs(v.slip), 3), w.Hertz(v.supplyHz)});
        case LessonQuantity::MeanTorque:
            if (v.name == "nul")
                return w.Say(VIREFLU_UI_TEXT("Lesson",
                                             "Sur une période, le couple moyen est nul (%1) : il "
                                             "change de signe"),
                             {w.Number(v.number, 2)});
            return w.Say(VIREFLU_UI_TEXT(
                             "Lesson", "Sur une période, le couple moyen pousse le rotor %1 (%2)"),
                         {w.Sense(v.name == "horaire"), w.Number(v.number, 2)});
        case LessonQuantity::TorquePosition:
            return w.Say(VIREFLU_UI_TEXT("Lesson",
                                         "Le couple antihoraire est le plus grand avec le rotor à "
                                         "%1°"),
                         {w.Number(v.number, 0)});
        case LessonQuantity::Harmonic5Sense:
        case LessonQuantity::Harmonic7Sense:
            return w.Say(VIREFLU_UI_TEXT("Lesson",
                                         "L'harmonique %1 (%2 % du fondamental) tourne %3 à %4, %1 "
                                         "fois la vitesse du fondamental"),
                         {w.Number(v.number, 0), w.Number(100 * v.relative, 0),
                          w.Sense(v.name == "horaire"), w.Rpm(std::fabs(v.speedRpm))});
        case LessonQuantity::CageTorque:
            return w.Say(
                VIREFLU_UI_TEXT("Lesson", "Le rotor à cage reçoit %1 N·m au glissement %2"),
                {w.Number(v.number, 2), w.Number(v.slip, 3)});
        case LessonQuantity::SettledSpeed:
            return w.Say(VIREFLU_UI_TEXT("Lesson", "Le moteur se stabilise à %1"),
                         {w.Rpm(v.number)});
        case LessonQuantity::MaxTorqueSlip:
            return w.Say(VIREFLU_UI_TEXT("Lesson", "Le couple est maximal au glissement %1"),
                         {w.Number(v.number, 3)});
        case LessonQuantity::StatorCurrent:
            return w.Say(VIREFLU_UI_TEXT("Lesson", "Une phase du stator absorbe %1 A"),
                         {w.Number(v.number, 1)});
        case LessonQuantity::MachineMode:
            return w.Say(VIREFLU_UI_TEXT("Lesson", "Au glissement %1, la machine fonctionne en %2"),
                         {w.Number(v.slip, 3), w.Text(ModeWord(v.name))});
        case LessonQuantity::WindingFactor:
            return w.Say(VIREFLU_UI_TEXT("Lesson", "Le facteur de bobinage vaut %1"),
                         {w.Number(v.number, 3)});
        case LessonQuantity::QuietestPitch5:
            return w.Say(VIREFLU_UI_TEXT("Lesson",
                                         "Des bobines de %1 encoches laissent le moins "
                                         "d'harmonique 5 : %2 % du fondamental"),
                         {w.Number(v.number, 0), w.Number(100 * v.relative, 1)});
    }
    return "";
}

}  // namespace vireflu
