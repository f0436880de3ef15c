#include "page_language.h"

using emscripten::val;

namespace vireflu {

namespace {

val& Table() {
    static val table = val::undefined();
    return table;
}

}  // namespace

void SpeakTable(val table) {
    Table() = std::move(table);
}

std::string PageText(const char* context, const char* french) {
    const val& table = Table();
    if (!table.isUndefined() && !table.isNull()) {
        const val texts = table[context];
        if (!texts.isUndefined()) {
            const val translated = texts[french];
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
