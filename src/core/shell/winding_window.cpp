#include "shell/winding_window.h"

#include <algorithm>

namespace vireflu {

std::array<WindingControl, 4> WindingControls(const WindingDesign& d) {
    return {{
        {WindingValue::PolePairs, VIREFLU_UI_TEXT("Winding", "Paires de pôles"),
         VIREFLU_UI_TEXT("Winding", "p : le champ a 2p pôles et tourne à 60 f / p tr/min."), 1,
         kMaxPolePairs, d.polePairs},
        {WindingValue::SlotsPerPolePerPhase,
         VIREFLU_UI_TEXT("Winding", "Encoches par pôle et par phase"),
         VIREFLU_UI_TEXT("Winding",
                         "q : chaque phase occupe q encoches voisines sous chaque pôle ; le "
                         "stator en a 6pq."),
         1, kMaxSlotsPerPolePerPhase, d.slotsPerPolePerPhase},
        {WindingValue::CoilPitch, VIREFLU_UI_TEXT("Winding", "Pas des bobines (encoches)"),
         VIREFLU_UI_TEXT("Winding",
                         "Largeur d'une bobine en encoches : 3q est le pas diamétral ; un pas "
                         "plus court fait un bobinage à deux couches."),
         1, d.FullPitch(), d.coilPitch},
        {WindingValue::CutPhase, VIREFLU_UI_TEXT("Winding", "Phase coupée"),
         VIREFLU_UI_TEXT("Winding",
                         "Un fil de ligne coupé : les trois bobines restent, les deux autres "
                         "phases portent un même courant, opposé dans l'une et l'autre."),
         0, 3, d.cutPhase, VIREFLU_UI_TEXT("Winding", "aucune")},
    }};
}

WindingDesign WithWindingValue(WindingDesign d, WindingValue value, int chosen) {
    switch (value) {
        case WindingValue::PolePairs:
            d.polePairs = std::clamp(chosen, 1, kMaxPolePairs);
            break;
        case WindingValue::SlotsPerPolePerPhase: {
            const bool full = d.coilPitch == d.FullPitch();
            d.slotsPerPolePerPhase = std::clamp(chosen, 1, kMaxSlotsPerPolePerPhase);
            d.coilPitch = full ? d.FullPitch() : std::min(d.coilPitch, d.FullPitch());
            break;
        }
        case WindingValue::CoilPitch:
            d.coilPitch = std::clamp(chosen, 1, d.FullPitch());
            break;
        case WindingValue::CutPhase:
            d.cutPhase = std::clamp(chosen, 0, 3);
            break;
    }
    return d;
}

namespace {

void Replace(std::string& text, const char* mark, const std::string& by) {
    if (const std::size_t at = text.find(mark); at != std::string::npos)
        text.replace(at, std::char_traits<char>::length(mark), by);
}

}  // namespace

std::string WindingSummary(const WindingDesign& d, const Translate& translate) {
    constexpr const char* kSummary = VIREFLU_UI_TEXT("Winding", "%1 encoches, %2 pôles, pas %3/%4");
    std::string text = translate(kSummary);
    Replace(text, "%1", std::to_string(d.Slots()));
    Replace(text, "%2", std::to_string(2 * d.polePairs));
    Replace(text, "%3", std::to_string(d.coilPitch));
    Replace(text, "%4", std::to_string(d.FullPitch()));
    return text;
}

}  // namespace vireflu
