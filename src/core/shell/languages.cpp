#include "shell/languages.h"

#include <algorithm>
#include <cctype>

namespace vireflu {

namespace {

constexpr Language kLanguages[] = {
    {"fr", "Français", false}, {"en", "English", false},  {"de", "Deutsch", false},
    {"es", "Español", false},  {"it", "Italiano", false}, {"pt", "Português", false},
    {"ar", "العربية", true},
};

}  // namespace

std::span<const Language> Languages() {
    return kLanguages;
}

const Language* LanguageOfTag(std::string_view tag) {
    const std::string_view primary = tag.substr(0, tag.find_first_of("-_"));
    for (const Language& language : kLanguages) {
        const std::string_view code = language.code;
        if (primary.size() == code.size() &&
            std::equal(primary.begin(), primary.end(), code.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            }))
            return &language;
    }
    return nullptr;
}

const Language& ChooseLanguage(std::span<const std::string> preferred) {
    for (const std::string& tag : preferred)
        if (const Language* language = LanguageOfTag(tag)) return *language;
    return Languages().front();
}

}  // namespace vireflu
