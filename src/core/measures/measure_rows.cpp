#include "measures/measure_rows.h"

#include <cmath>
#include <cstring>

namespace vireflu {

namespace {

constexpr const char* kDash = "\xE2\x80\x94";  // an em dash

std::string Number(double value, int decimals, const std::string& unit, const MeasureWords& w) {
    // A value that rounds to zero shows no sign.
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
    std::string s = FixedText(value, decimals);
    if (const std::size_t point = s.find('.'); point != std::string::npos)
        s.replace(point, 1, w.decimalMark);
    return unit.empty() ? s : s + " " + unit;
}

std::string Optional(const std::optional<double>& value, int decimals, const std::string& unit,
                     const MeasureWords& w) {
    return value ? Number(*value, decimals, unit, w) : kDash;
}

std::string FieldText(const std::optional<FieldSplit>& split, bool direct, const MeasureWords& w) {
    if (!split) return kDash;
    const RotatingField& f = direct ? split->direct : split->inverse;
    return Number(100 * f.share, 1, "%", w) + "  " + Number(f.angleDeg, 0, "°", w);
}

std::string SpectrumText(const Measures& m, const MeasureWords& w) {
    if (!m.sixStep) return kDash;
    std::string text;
    for (const Harmonic& h : ComputeSixStepSpectrum().harmonics) {
        if (h.order == 1) continue;
        if (!text.empty()) text += ", ";
        // 'h' as a character: GCC 12 takes "h" + text for an overlapping copy.
        text += 'h' + std::to_string(h.order) + " " + Number(100 * h.relative, 1, "%", w) + " " +
                (h.withField ? w.withField : w.againstField);
    }
    return text;
}

std::string HarmonicSpeedsText(const Measures& m, const MeasureWords& w) {
    if (!m.sixStepFieldRpm) return kDash;
    std::string text;
    for (const Harmonic& h : ComputeSixStepSpectrum().harmonics) {
        if (h.order == 1) continue;
        if (!text.empty()) text += ", ";
        const double rpm = HarmonicFieldRpm(h, *m.sixStepFieldRpm);
        text += 'h' + std::to_string(h.order) + " " + (rpm > 0 ? "+" : "") + Number(rpm, 0, "", w);
    }
    return text + " " + w.rpm;
}

std::string SenseText(FieldSense sense, const MeasureWords& w) {
    switch (sense) {
        case FieldSense::Counterclockwise:
            return w.counterclockwise;
        case FieldSense::Clockwise:
            return w.clockwise;
        case FieldSense::Pulsating:
            return w.pulsating;
        case FieldSense::None:
            break;
    }
    return kDash;
}

// One figure against each rotating field: alone, or "g+ ...  g− ..." for the two halves of a
// pulsating field.
template <typename Figure>
std::string PerField(const MachineNumbers& n, const char* symbol, Figure&& figure) {
    if (n.slips.empty()) return kDash;
    if (n.slips.size() == 1) return figure(n.slips[0]);
    return std::string(symbol) + "+ " + figure(n.slips[0]) + "  " + symbol + "− " +
           figure(n.slips[1]);
}

// "h1 0,966, h5 0,259, ..." for one of the winding's factors.
std::string FactorsText(const Measures& m, double WindingFactor::*factor, const MeasureWords& w) {
    std::string text;
    for (const WindingFactor& f : m.windingFactors) {
        if (!text.empty()) text += ", ";
        text += 'h' + std::to_string(f.order) + " " + Number(f.*factor, 3, "", w);
    }
    return text;
}

// The space harmonics above the fundamental: their shares, or their fields' signed speeds.
std::string SpaceHarmonicsText(const Measures& m, bool speeds, const MeasureWords& w) {
    std::string text;
    for (const MmfHarmonic& h : m.mmfHarmonics) {
        if (h.order == 1) continue;
        if (!text.empty()) text += ", ";
        text += 'h' + std::to_string(h.order) + " " +
                (speeds ? (h.rpm > 0 ? "+" : "") + Number(h.rpm, 0, "", w)
                        : Number(100 * h.share, 1, "%", w));
    }
    return speeds ? text + " " + w.rpm : text;
}

}  // namespace

MeasureWords TranslatedMeasureWords(const Translate& translate) {
    MeasureWords words;
    for (std::string* word :
         {&words.decimalMark, &words.rpm, &words.withField, &words.againstField,
          &words.counterclockwise, &words.clockwise, &words.pulsating, &words.withheld})
        *word = translate(word->c_str());
    return words;
}

namespace {

std::vector<MeasureRow> EveryRow(const Measures& m, const MeasureWords& w) {
    const MachineNumbers& n = m.numbers;
    const double thd = ComputeSixStepSpectrum().totalHarmonicDistortion;
    const std::string synchronous =
        n.fieldSense == FieldSense::Pulsating
            ? "±" + Number(n.synchronousRpm, 0, w.rpm, w)
            : PerField(n, "", [&](const Slip& s) { return Number(s.synchronousRpm, 0, w.rpm, w); });
    return {
        {VIREFLU_UI_TEXT("Measures", "Fréquence"), Number(n.supplyHz, 2, "Hz", w),
         VIREFLU_UI_TEXT("Measures", "Fréquence f des courants du stator.")},
        {VIREFLU_UI_TEXT("Measures", "Sens du champ"), SenseText(n.fieldSense, w),
         VIREFLU_UI_TEXT("Measures",
                         "Sens de rotation du champ du stator, celui de sa plus grande "
                         "composante ; pulsant quand les deux sont égales. Vitesses et "
                         "glissements sont positifs dans le sens trigonométrique, celui où "
                         "tourne le rotor pour une fréquence de rotation positive, et négatifs "
                         "dans le sens horaire.")},
        {VIREFLU_UI_TEXT("Measures", "Vitesse de synchronisme"), synchronous,
         VIREFLU_UI_TEXT("Measures",
                         "Vitesse du champ tournant : 60 f pour une paire de pôles, positive "
                         "dans le sens trigonométrique, négative dans le sens horaire.")},
        {VIREFLU_UI_TEXT("Measures", "Vitesse du rotor"), Number(n.rotorRpm, 0, w.rpm, w),
         VIREFLU_UI_TEXT("Measures",
                         "60 fois la fréquence de rotation du rotor, positive dans le sens "
                         "trigonométrique.")},
        {VIREFLU_UI_TEXT("Measures", "Glissement"),
         PerField(n, "g", [&](const Slip& s) { return Number(100 * s.slip, 2, "%", w); }),
         VIREFLU_UI_TEXT("Measures",
                         "g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, 1 à "
                         "l'arrêt, plus de 1 quand le rotor tourne contre le champ (freinage). "
                         "Champ pulsant : g+ et g− contre ses deux moitiés.")},
        {VIREFLU_UI_TEXT("Measures", "Fréquence rotorique"),
         PerField(n, "f", [&](const Slip& s) { return Number(s.rotorCurrentHz, 2, "Hz", w); }),
         VIREFLU_UI_TEXT("Measures",
                         "Fréquence |g| f des courants induits dans le rotor, pour chaque "
                         "moitié d'un champ pulsant.")},
        {VIREFLU_UI_TEXT("Measures", "Couple"), Number(n.torque, 3, "", w),
         VIREFLU_UI_TEXT("Measures",
                         "Indicateur de couple entre les champs du stator et du rotor (sans "
                         "unité), positif quand il pousse le rotor dans le sens trigonométrique. "
                         "La barre de couple monte pour un couple horaire.")},
        {VIREFLU_UI_TEXT("Measures", "Champ résultant"), Number(100 * n.resultantShare, 1, "%", w),
         VIREFLU_UI_TEXT(
             "Measures",
             "Longueur du vecteur champ rapportée à celle d'un champ triphasé équilibré.")},
        {VIREFLU_UI_TEXT("Measures", "Angle du champ"), Optional(n.fieldAngleDeg, 0, "°", w),
         VIREFLU_UI_TEXT("Measures",
                         "Direction du vecteur champ, comptée dans le sens trigonométrique.")},
        {VIREFLU_UI_TEXT("Measures", "Stator direct"), FieldText(m.stator, true, w),
         VIREFLU_UI_TEXT("Measures",
                         "Composante directe : le champ de la séquence dont les phases culminent "
                         "dans l'ordre 1, 2, 3 (angles 0/240/120, qui sont des avances). Elle "
                         "tourne dans le sens trigonométrique.")},
        {VIREFLU_UI_TEXT("Measures", "Stator inverse"), FieldText(m.stator, false, w),
         VIREFLU_UI_TEXT("Measures",
                         "Composante inverse : le champ de la séquence 1, 3, 2 (angles "
                         "0/120/240). Elle tourne dans le sens horaire.")},
        {VIREFLU_UI_TEXT("Measures", "Rotor direct"), FieldText(m.rotor, true, w),
         VIREFLU_UI_TEXT("Measures",
                         "Composante directe du champ du rotor, tournant par rapport au rotor "
                         "dans le sens trigonométrique.")},
        {VIREFLU_UI_TEXT("Measures", "Rotor inverse"), FieldText(m.rotor, false, w),
         VIREFLU_UI_TEXT("Measures",
                         "Composante inverse du champ du rotor, tournant par rapport au rotor "
                         "dans le sens horaire.")},
        {VIREFLU_UI_TEXT("Measures", "Harmoniques"), SpectrumText(m, w),
         VIREFLU_UI_TEXT(
             "Measures",
             "Courant rectangulaire : harmoniques rapportés au fondamental, tournant avec ou "
             "contre le champ.")},
        {VIREFLU_UI_TEXT("Measures", "Vitesse des harmoniques"), HarmonicSpeedsText(m, w),
         VIREFLU_UI_TEXT("Measures",
                         "Vitesse signée du champ de chaque harmonique : l'harmonique n alterne n "
                         "fois plus vite que le fondamental, son champ tourne n fois plus vite, "
                         "avec lui pour 7 et 13, contre lui pour 5 et 11.")},
        {VIREFLU_UI_TEXT("Measures", "Taux de distorsion"),
         m.sixStep ? Number(100 * thd, 1, "%", w) : kDash,
         VIREFLU_UI_TEXT("Measures", "Distorsion harmonique totale du courant rectangulaire.")},
    };
}

// Another winding's own figures, after the others.
void AddWindingRows(std::vector<MeasureRow>& rows, const Measures& m, const MeasureWords& w) {
    if (m.windingFactors.empty()) return;
    rows.push_back(
        {VIREFLU_UI_TEXT("Measures", "Facteur de distribution"),
         FactorsText(m, &WindingFactor::distribution, w),
         VIREFLU_UI_TEXT("Measures",
                         "k_d = sin(n q a / 2) / (q sin(n a / 2)) pour l'harmonique d'espace n, "
                         "a = 180° / 3q étant l'angle électrique entre deux encoches.")});
    rows.push_back({VIREFLU_UI_TEXT("Measures", "Facteur de raccourcissement"),
                    FactorsText(m, &WindingFactor::pitch, w),
                    VIREFLU_UI_TEXT("Measures",
                                    "k_p = sin(n (W / 3q) 90°) pour des bobines de W encoches ; "
                                    "1 au pas diamétral W = 3q.")});
    rows.push_back({VIREFLU_UI_TEXT("Measures", "Facteur de bobinage"),
                    FactorsText(m, &WindingFactor::winding, w),
                    VIREFLU_UI_TEXT("Measures", "k_w = k_d k_p, harmonique par harmonique.")});
    rows.push_back(
        {VIREFLU_UI_TEXT("Measures", "Harmoniques d'espace"), SpaceHarmonicsText(m, false, w),
         VIREFLU_UI_TEXT("Measures",
                         "Harmoniques de la f.m.m. en escalier de l'entrefer, mesurés sur "
                         "elle, rapportés au fondamental : |k_wn| / (n |k_w1|) en théorie.")});
    rows.push_back(
        {VIREFLU_UI_TEXT("Measures", "Vitesse des harmoniques d'espace"),
         SpaceHarmonicsText(m, true, w),
         VIREFLU_UI_TEXT("Measures",
                         "Vitesse signée du champ de l'harmonique d'espace n : ns / n, avec le "
                         "fondamental pour 7 et 13, contre lui pour 5 et 11.")});
}

// A cage rotor's figures from its equivalent circuit, after the others.
void AddInductionRows(std::vector<MeasureRow>& rows, const Measures& m, const MeasureWords& w) {
    if (!m.induction) return;
    const InductionPoint& p = m.induction->point;
    const TorqueLandmarks& t = m.induction->landmarks;
    const auto row = [&](const char* label, std::string value, const char* tip) {
        rows.push_back({label, std::move(value), tip});
    };
    row(VIREFLU_UI_TEXT("Measures", "Couple du moteur"), Number(p.torqueNm, 2, "N·m", w),
        VIREFLU_UI_TEXT("Measures",
                        "Couple du rotor à cage, 3 I2² R2 / (g ωs), compté dans le sens du champ : "
                        "positif en moteur et en freinage, négatif en génératrice."));
    row(VIREFLU_UI_TEXT("Measures", "Courant statorique"), Number(p.statorCurrentA, 2, "A", w),
        VIREFLU_UI_TEXT("Measures", "Courant I1 d'une phase du stator, couplage étoile."));
    row(VIREFLU_UI_TEXT("Measures", "Courant rotorique"), Number(p.rotorCurrentA, 2, "A", w),
        VIREFLU_UI_TEXT("Measures", "Courant I2 du rotor ramené au stator, nul au synchronisme."));
    row(VIREFLU_UI_TEXT("Measures", "Facteur de puissance"), Number(p.powerFactor, 3, "", w),
        VIREFLU_UI_TEXT("Measures", "cos φ entre la tension et le courant d'une phase du stator."));
    row(VIREFLU_UI_TEXT("Measures", "Puissance absorbée"), Number(p.inputPowerW, 0, "W", w),
        VIREFLU_UI_TEXT("Measures", "3 V I1 cos φ, négative quand la machine rend de l'énergie."));
    row(VIREFLU_UI_TEXT("Measures", "Puissance mécanique"), Number(p.mechanicalPowerW, 0, "W", w),
        VIREFLU_UI_TEXT("Measures",
                        "Couple fois vitesse du rotor : positive seulement quand la machine "
                        "entraîne sa charge."));
    row(VIREFLU_UI_TEXT("Measures", "Glissement du couple maximal"),
        Number(t.slipAtMaxTorque, 3, "", w),
        VIREFLU_UI_TEXT("Measures", "R2 / |Zth + jX2|, du schéma de Thévenin exact du stator."));
    row(VIREFLU_UI_TEXT("Measures", "Couple maximal"), Number(t.maxTorqueNm, 1, "N·m", w),
        VIREFLU_UI_TEXT("Measures", "Le plus grand couple en moteur, qui ne dépend pas de R2."));
    row(VIREFLU_UI_TEXT("Measures", "Couple de démarrage"), Number(t.startTorqueNm, 1, "N·m", w),
        VIREFLU_UI_TEXT("Measures", "Le couple à l'arrêt, g = 1."));
}

// The rows that tell a pending lesson's answer, and the figures they belong to.
struct HeldRow {
    const char* label;
    bool Withheld::*figure;
};
constexpr HeldRow kHeldRows[] = {
    {"Sens du champ", &Withheld::field},
    {"Vitesse de synchronisme", &Withheld::field},
    {"Stator direct", &Withheld::field},
    {"Stator inverse", &Withheld::field},
    {"Rotor direct", &Withheld::field},
    {"Rotor inverse", &Withheld::field},
    {"Glissement", &Withheld::slip},
    {"Fréquence rotorique", &Withheld::slip},
    {"Couple", &Withheld::torque},
    {"Harmoniques", &Withheld::harmonics},
    // Signed, the harmonics' speeds tell the fundamental's sense as well as their own.
    {"Vitesse des harmoniques", &Withheld::harmonics},
    {"Vitesse des harmoniques", &Withheld::field},
    {"Facteur de distribution", &Withheld::harmonics},
    {"Facteur de raccourcissement", &Withheld::harmonics},
    {"Facteur de bobinage", &Withheld::harmonics},
    {"Harmoniques d'espace", &Withheld::harmonics},
    {"Vitesse des harmoniques d'espace", &Withheld::harmonics},
    {"Vitesse des harmoniques d'espace", &Withheld::field},
    // A cage's figures tell its torque, its mode and its currents.
    {"Couple du moteur", &Withheld::torque},
    {"Courant statorique", &Withheld::torque},
    {"Courant rotorique", &Withheld::torque},
    {"Facteur de puissance", &Withheld::torque},
    {"Puissance absorbée", &Withheld::torque},
    {"Puissance mécanique", &Withheld::torque},
    {"Glissement du couple maximal", &Withheld::torque},
    {"Couple maximal", &Withheld::torque},
    {"Couple de démarrage", &Withheld::torque},
};

}  // namespace

std::vector<MeasureRow> EveryMeasureRow() {
    Measures m;
    m.windingFactors.emplace_back();
    m.induction.emplace();
    return MeasureRows(m);
}

std::vector<MeasureRow> MeasureRows(const Measures& m, const MeasureWords& w) {
    std::vector<MeasureRow> rows = EveryRow(m, w);
    AddWindingRows(rows, m, w);
    AddInductionRows(rows, m, w);
    for (MeasureRow& row : rows)
        for (const HeldRow& held : kHeldRows)
            if (m.withheld.*held.figure && std::strcmp(row.label, held.label) == 0)
                row.value = w.withheld;
    return rows;
}

}  // namespace vireflu
