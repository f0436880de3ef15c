#include "quoted_text.h"

#include <cstdio>
#include <vector>

#include "shell/interface_text.h"

namespace vireflu {

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    unsigned code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    // C1 controls (U+0080..U+009F) drive terminals as much as the ASCII ones.
    const bool control = code <= 0x9F;
    if (code < minimum || code > 0x10FFFF || surrogate || control) return 0;
    return length;
}

std::string Escape(unsigned char c) {
    switch (c) {
        case '\n':
            return "\\n";
        case '\t':
            return "\\t";
        case '\r':
            return "\\r";
        case '\\':
            return "\\\\";
        default:
            break;
    }
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02x", c);
    return hex;
}

// The text cut into what is shown for each character: the character itself, or its escape.
// A backslash is escaped only inside quotes, where the escapes are read.
std::vector<std::string> Shown(std::string_view text, bool quoted) {
    std::vector<std::string> pieces;
    while (!text.empty()) {
        const auto c = static_cast<unsigned char>(text[0]);
        const bool plain = c >= 0x20 && c < 0x7F && (c != '\\' || !quoted);
        const std::size_t length = plain ? 1 : Utf8Length(text);
        pieces.push_back(length > 0 ? std::string(text.substr(0, length)) : Escape(c));
        text.remove_prefix(length > 0 ? length : 1);
    }
    return pieces;
}

}  // namespace

std::string Quoted(std::string_view value) {
    const std::vector<std::string> pieces = Shown(value, true);
    // Quotes as characters: GCC 12 takes "'" + text for an overlapping copy.
    std::string quoted = '\'' + Shortened(pieces) + '\'';
    if (pieces.size() > kShownCharacters) quoted += " (" + std::to_string(value.size()) + " bytes)";
    return quoted;
}

std::string EscapeControls(std::string_view text) {
    std::string escaped;
    for (const std::string& piece : Shown(text, false)) escaped += piece;
    return escaped;
}

}  // namespace vireflu
