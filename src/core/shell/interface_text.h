#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Marks a text the user reads, as written (in French). A front-end with translations looks it
// up by `context` and the text itself; Qt's lupdate collects it under the same context, as it
// collects QT_TRANSLATE_NOOP (-tr-function-alias QT_TRANSLATE_NOOP+=VIREFLU_UI_TEXT).
#define VIREFLU_UI_TEXT(context, text) text

namespace vireflu {

// A front-end's translation of a marked text of one context into the user's language; the
// text itself where the catalogue has none.
using Translate = std::function<std::string(const char*)>;
// The same for texts of any context.
using TranslateText = std::function<std::string(const char* context, const char* text)>;

// The text with %1, %2, ... %9 replaced by the arguments in that order, in one pass, so an
// argument that holds "%2" stays as it is.
std::string WithArguments(const std::string& text, std::initializer_list<std::string> arguments);

// A value from a file or a command line as a message quotes it, kept within a line: past
// `kShownCharacters` characters, its first 56 and its last 20 around "...". `characters` is
// the value cut into what shows as one character each.
constexpr std::size_t kShownCharacters = 80;
std::string Shortened(const std::vector<std::string>& characters);
// The same for a UTF-8 text, each character a lead byte and the continuation bytes after it.
std::string Shortened(std::string_view text);

// `value` with `decimals` decimals after a point, whatever the C locale: a Qt program on a
// French desktop runs under one whose printf writes a comma.
std::string FixedText(double value, int decimals);

}  // namespace vireflu
