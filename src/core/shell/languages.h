#pragma once

#include <span>
#include <string>
#include <string_view>

#include "shell/interface_text.h"

namespace vireflu {

// A language the interface speaks: French, in which the texts are written, and each
// translation of the catalogue (src/app/translations/vireflu_<code>.ts).
struct Language {
    const char* code;  // as the catalogue's files and BCP 47 name it: "fr", "de", "ar"
    const char* name;  // in the language itself, as its speakers look for it in a list
    bool rightToLeft;
};

// The languages, French first, in the order "Langue" lists them.
std::span<const Language> Languages();

// "?" › "Langue" in both front-ends.
inline constexpr const char* kLanguageMenuTitle = VIREFLU_UI_TEXT("Menu", "&Langue");

// The language of a tag ("de-CH", "pt_BR", "EN"): the one whose code is the tag's first
// part, whatever its case; none when the interface does not speak it.
const Language* LanguageOfTag(std::string_view tag);

// The first of the user's preferred languages, in order, that the interface speaks; French
// when it speaks none of them.
const Language& ChooseLanguage(std::span<const std::string> preferred);

}  // namespace vireflu
