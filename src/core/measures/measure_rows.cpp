#include "measures/measure_rows.h"

#include <cmath>
#include <cstdio>

namespace vireflu {

namespace {

constexpr const char* kDash = "\xE2\x80\x94";  // an em dash

std::string Number(double value, int decimals, const char* unit) {
    // A value that rounds to zero shows no sign.
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    for (char& c : s)
        if (c == '.') c = ',';
    return *unit ? s + " " + unit : s;
}

std::string Optional(const std::optional<double>& value, int decimals, const char* unit) {
    return value ? Number(*value, decimals, unit) : kDash;
}

std::string FieldText(const std::optional<FieldSplit>& split, bool direct) {
    if (!split) return kDash;
    const RotatingField& f = direct ? split->direct : split->inverse;
    return Number(100 * f.share, 1, "%") + "  " + Number(f.angleDeg, 0, "\xC2\xB0");
}

std::string SpectrumText(const Measures& m) {
    if (!m.sixStep) return kDash;
    std::string text;
    for (const Harmonic& h : ComputeSixStepSpectrum().harmonics) {
        if (h.order == 1) continue;
        if (!text.empty()) text += ", ";
        text += "h" + std::to_string(h.order) + " " + Number(100 * h.relative, 1, "%") +
                (h.withField ? " avec" : " contre");
    }
    return text;
}

}  // namespace

std::vector<MeasureRow> MeasureRows(const Measures& m) {
    const MachineNumbers& n = m.numbers;
    const double thd = ComputeSixStepSpectrum().totalHarmonicDistortion;
    return {
        {"Fr\xC3\xA9quence", Number(n.supplyHz, 2, "Hz"),
         "Fr\xC3\xA9quence f des courants du stator."},
        {"Vitesse de synchronisme", Number(n.synchronousRpm, 0, "tr/min"),
         "Vitesse du champ tournant : 60 f pour une paire de p\xC3\xB4les."},
        {"Vitesse du rotor", Number(n.rotorRpm, 0, "tr/min"),
         "60 fois la fr\xC3\xA9quence de rotation du rotor."},
        {"Glissement", Optional(n.slip ? std::optional(100 * *n.slip) : std::nullopt, 2, "%"),
         "g = (f - f rotation) / f : retard du rotor sur le champ tournant."},
        {"Fr\xC3\xA9quence rotorique", Optional(n.rotorCurrentHz, 2, "Hz"),
         "Fr\xC3\xA9quence g f des courants induits dans le rotor."},
        {"Couple", Number(n.torque, 3, ""),
         "Indicateur de couple entre les champs du stator et du rotor (sans unit\xC3\xA9)."},
        {"Champ r\xC3\xA9sultant", Number(100 * n.resultantShare, 1, "%"),
         "Longueur du vecteur champ rapport\xC3\xA9"
         "e \xC3\xA0 celle d'un champ triphas\xC3\xA9 "
         "\xC3\xA9quilibr\xC3\xA9."},
        {"Angle du champ", Optional(n.fieldAngleDeg, 0, "\xC2\xB0"),
         "Direction du vecteur champ, compt\xC3\xA9"
         "e dans le sens trigonom\xC3\xA9trique."},
        {"Stator direct", FieldText(m.stator, true),
         "Champ tournant dans le sens de la s\xC3\xA9quence 0/120/240 (composante directe)."},
        {"Stator inverse", FieldText(m.stator, false),
         "Champ tournant en sens oppos\xC3\xA9 (composante inverse)."},
        {"Rotor direct", FieldText(m.rotor, true),
         "Champ du rotor tournant dans le sens de sa s\xC3\xA9quence 0/120/240."},
        {"Rotor inverse", FieldText(m.rotor, false),
         "Champ du rotor tournant en sens oppos\xC3\xA9."},
        {"Harmoniques", SpectrumText(m),
         "Courant rectangulaire : harmoniques rapport\xC3\xA9s au fondamental, tournant avec "
         "ou contre le champ."},
        {"Taux de distorsion", m.sixStep ? Number(100 * thd, 1, "%") : kDash,
         "Distorsion harmonique totale du courant rectangulaire."},
    };
}

}  // namespace vireflu
