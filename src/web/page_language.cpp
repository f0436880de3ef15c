#include "page_language.h"

using emscripten::val;

namespace vireflu {

namespace {

val& Table() {
    static val table = val::undefined();
    return table;
}

std::string& Code() {
    static std::string code = "fr";
    return code;
}

}  // namespace

void SpeakTable(const std::string& code, val table) {
    Code() = code;
    Table() = std::move(table);
}

const std::string& SpokenLanguage() {
    return Code();
}

std::string PageText(const char* context, const char* french) {
    const val& table = Table();
    if (!table.isUndefined() && !table.isNull()) {
        const val texts = table[std::string(context)];
        if (!texts.isUndefined()) {
            const val translated = texts[std::string(french)];
            if (translated.isString()) return translated.as<std::string>();
        }
    }
    return french;
}

Translate PageTexts(const char* context) {
    return [context](const char* french) { return PageText(context, french); };
}

TranslateText PageTextsOfAnyContext() {
    return [](const char* context, const char* french) { return PageText(context, french); };
}

}  // namespace vireflu
