#include "description/machine_description.h"

#include <cstring>

#include "machine/display_commands.h"
#include "shell/interface_text.h"
#include "shell/main_menu.h"

namespace vireflu {

namespace {

// Each sentence holds its values as "%1" and "%2", so a translation may put them anywhere.
constexpr const char* kPhasesOn = VIREFLU_UI_TEXT("Description", "%1 : phases %2 en %3.");
constexpr const char* kOnePhaseOn = VIREFLU_UI_TEXT("Description", "%1 : phase %2 en %3.");
constexpr const char* kNoPhaseOn = VIREFLU_UI_TEXT("Description", "%1 : aucun courant.");
constexpr const char* kField = VIREFLU_UI_TEXT("Description", "Champ %1, %2.");
constexpr const char* kNoField = VIREFLU_UI_TEXT("Description", "Pas de champ tournant.");
// A lesson holds the field's sense and speed, or the torque, back until the prediction.
constexpr const char* kFieldWithheld = VIREFLU_UI_TEXT("Description", "Champ : %1.");
constexpr const char* kTorqueWithheld = VIREFLU_UI_TEXT("Description", "Couple : %1.");
constexpr const char* kRotorSpeed = VIREFLU_UI_TEXT("Description", "Rotor à %1.");
constexpr const char* kTorque = VIREFLU_UI_TEXT("Description", "Couple %1.");
constexpr const char* kPresentation = VIREFLU_UI_TEXT("Description", "Présentation : %1.");
// The panels' own names of the windings and waveforms.
constexpr const char* kWindingNames[] = {VIREFLU_UI_TEXT("Panel", "Stator"),
                                         VIREFLU_UI_TEXT("Panel", "Rotor")};
constexpr const char* kWaveformNames[] = {VIREFLU_UI_TEXT("Panel", "sinus"),
                                          VIREFLU_UI_TEXT("Panel", "continu"),
                                          VIREFLU_UI_TEXT("Panel", "rectangulaire")};

std::string Filled(std::string pattern, std::initializer_list<std::string> values) {
    char mark[] = "%1";
    for (const std::string& value : values) {
        if (const std::size_t at = pattern.find(mark); at != std::string::npos)
            pattern.replace(at, 2, value);
        ++mark[1];
    }
    return pattern;
}

std::string ValueOf(const std::vector<MeasureRow>& rows, const char* label) {
    for (const MeasureRow& row : rows)
        if (std::strcmp(row.label, label) == 0) return row.value;
    return {};
}

}  // namespace

std::string DescribeMachine(const SimulationState& state, const Measures& measures,
                            const MeasureWords& words, const TranslateText& translate) {
    const auto translated = [&](const char* context, const char* text) {
        return translate ? translate(context, text) : std::string(text);
    };
    std::string text;
    const auto winding = [&](int index, const std::array<int, 3>& on, int waveform) {
        std::string phases;
        int count = 0;
        for (int phase = 1; phase <= 3; ++phase) {
            if (on[phase - 1] == 0) continue;
            phases += (count++ == 0 ? "" : ", ") + std::to_string(phase);
        }
        const std::string name = translated("Panel", kWindingNames[index]);
        if (count == 0 || waveform < 0 || waveform > 2) {
            text += Filled(translated("Description", kNoPhaseOn), {name}) + " ";
            return;
        }
        text += Filled(translated("Description", count == 1 ? kOnePhaseOn : kPhasesOn),
                       {name, phases, translated("Panel", kWaveformNames[waveform])}) +
                " ";
    };
    winding(0, state.statorPhaseOn, state.statorWaveform);
    winding(1, state.rotorPhaseOn, state.rotorWaveform);

    const std::vector<MeasureRow> rows = MeasureRows(measures, words);
    if (measures.withheld.field)
        text += Filled(translated("Description", kFieldWithheld), {words.withheld});
    else if (measures.numbers.fieldSense == FieldSense::None)
        text += translated("Description", kNoField);
    else
        text += Filled(translated("Description", kField),
                       {ValueOf(rows, "Sens du champ"), ValueOf(rows, "Vitesse de synchronisme")});
    text +=
        " " + Filled(translated("Description", kRotorSpeed), {ValueOf(rows, "Vitesse du rotor")});
    text += " " +
            Filled(translated("Description", measures.withheld.torque ? kTorqueWithheld : kTorque),
                   {ValueOf(rows, "Couple")});

    const int shown = static_cast<int>(ShownPresentation(state));
    for (const Menu& menu : MainMenus())
        for (const MenuItem& item : menu.items)
            if (item.command == MenuCommand::Presentation && item.argument == shown)
                text += " " + Filled(translated("Description", kPresentation),
                                     {translated("Menu", item.text)});
    return text;
}

}  // namespace vireflu
