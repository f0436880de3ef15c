#include "panels/panel_labels.h"

#include <string_view>

namespace vireflu {

namespace {

constexpr const char* kLabelPatterns[] = {
    VIREFLU_UI_TEXT("Panel", "fréquence stator: %1 Hz"),
    VIREFLU_UI_TEXT("Panel", "fréquence rotor: %1 Hz"),
    VIREFLU_UI_TEXT("Panel", "fréquence de rotation: %1 Hz"),
    VIREFLU_UI_TEXT("Panel", "position initiale: %1 degré"),
};

}  // namespace

std::string TranslatedLabel(const std::string& label, const Translate& translate) {
    const std::string_view text = label;
    for (const char* pattern : kLabelPatterns) {
        const std::string_view french = pattern;
        const std::size_t at = french.find("%1");
        const std::string_view before = french.substr(0, at);
        const std::string_view after = french.substr(at + 2);
        if (text.size() > before.size() + after.size() && text.starts_with(before) &&
            text.ends_with(after))
            return WithArguments(
                translate(pattern),
                {std::string(text.substr(at, text.size() - before.size() - after.size()))});
    }
    return label;
}

}  // namespace vireflu
