#pragma once

#include <string>
#include <vector>

#include "measures/measures.h"
#include "shell/interface_text.h"

namespace vireflu {

// One line of the "Mesures" window's numbers: the French label, the value with its unit
// (a dash when the figure is undefined) and a one-line explanation shown on hover. The
// desktop window, the command-line tool and the page list the same rows; a front-end that
// speaks another language translates the label and the explanation in the "Measures"
// context.
struct MeasureRow {
    const char* label;
    std::string value;
    const char* tip;
};

// Said in place of a figure that a lesson holds back until the student's prediction.
inline constexpr const char* kWithheldText = VIREFLU_UI_TEXT("Measures", "après votre réponse");

// What the values are written with besides digits: the decimal mark (translated like a
// word, so the English file turns it into a point), the speed unit, the sense of a
// harmonic's field and the senses of the stator's field. French as written; a front-end passes its
// translations.
struct MeasureWords {
    std::string decimalMark = VIREFLU_UI_TEXT("Measures", ",");
    std::string rpm = VIREFLU_UI_TEXT("Measures", "tr/min");
    std::string withField = VIREFLU_UI_TEXT("Measures", "avec");
    std::string againstField = VIREFLU_UI_TEXT("Measures", "contre");
    std::string counterclockwise = VIREFLU_UI_TEXT("Measures", "sens trigonométrique");
    std::string clockwise = VIREFLU_UI_TEXT("Measures", "sens horaire");
    std::string pulsating = VIREFLU_UI_TEXT("Measures", "pulsant");
    std::string withheld = kWithheldText;
};

// The words in the user's language (context "Measures").
MeasureWords TranslatedMeasureWords(const Translate& translate);

// The rows a pending lesson holds back (`Measures::withheld`) say `words.withheld` instead.
std::vector<MeasureRow> MeasureRows(const Measures& measures, const MeasureWords& words = {});
// Every row a machine may show, for a window laid out once: the rows of another winding than
// the teaching machine's, then a cage rotor's, come last and only for them.
std::vector<MeasureRow> EveryMeasureRow();

}  // namespace vireflu
