#pragma once

#include <QStringList>

namespace vireflu {

// The interface is written in French; English is its one translation.
enum class UiLanguage { French, English };

// The user's first language that the program speaks, from the system's preferred languages
// in order ("de-DE", "en-GB", ...); French when none of them is English or French.
UiLanguage ChooseUiLanguage(const QStringList& preferredLanguages);

// The file base name of the language, as the translation files are named: "fr", "en".
QString LanguageCode(UiLanguage language);

}  // namespace vireflu
