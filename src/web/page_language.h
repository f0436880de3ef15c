#pragma once

#include <emscripten/val.h>

#include <string>

#include "description/machine_description.h"
#include "measures/measure_rows.h"
#include "shell/interface_text.h"

namespace vireflu {

// The language the page speaks: the catalogue's table of that language (context → French
// text → translation), handed over by the page; none for French, in which the texts are
// written. Every text the core gives the page goes through it.
void SpeakTable(const std::string& code, emscripten::val table);
// The language spoken, by its code: "fr", "de", ...
const std::string& SpokenLanguage();
// Whether a teacher's own lesson shows its English rather than its French.
inline bool LessonsInEnglish() {
    return SpokenLanguage() == "en";
}

// A French text of a context, in the language spoken; as written where the table has none.
std::string PageText(const char* context, const char* french);
// The same, for the core's functions that take a translation of one context, or of any.
Translate PageTexts(const char* context);
TranslateText PageTextsOfAnyContext();

}  // namespace vireflu
