#pragma once

#include <functional>
#include <initializer_list>
#include <string>

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

}  // namespace vireflu
