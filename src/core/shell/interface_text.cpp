#include "shell/interface_text.h"

#include <clocale>
#include <cstdio>
#include <vector>

namespace vireflu {

std::string WithArguments(const std::string& text, std::initializer_list<std::string> arguments) {
    const std::vector<std::string> values(arguments);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool mark =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto index = mark ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (index < values.size()) {
            result += values[index];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string Shortened(const std::vector<std::string>& characters) {
    constexpr std::size_t kHead = 56, kTail = 20;
    const auto join = [&](std::size_t from, std::size_t to) {
        std::string joined;
        for (std::size_t i = from; i < to; ++i) joined += characters[i];
        return joined;
    };
    if (characters.size() <= kShownCharacters) return join(0, characters.size());
    return join(0, kHead) + "..." + join(characters.size() - kTail, characters.size());
}

std::string Shortened(std::string_view text) {
    std::vector<std::string> characters;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t next = at + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
            ++next;
        characters.emplace_back(text.substr(at, next - at));
        at = next;
    }
    return Shortened(characters);
}

std::string FixedText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string fixed = text;
    const std::string_view mark = std::localeconv()->decimal_point;
    if (const std::size_t at = fixed.find(mark); mark != "." && at != std::string::npos)
        fixed.replace(at, mark.size(), ".");
    return fixed;
}

}  // namespace vireflu
