#include "interface_language.h"

namespace vireflu {

UiLanguage ChooseUiLanguage(const QStringList& preferredLanguages) {
    for (const QString& tag : preferredLanguages) {
        const QString language = tag.section(QLatin1Char('-'), 0, 0).toLower();
        if (language == QLatin1String("fr")) return UiLanguage::French;
        if (language == QLatin1String("en")) return UiLanguage::English;
    }
    return UiLanguage::French;
}

QString LanguageCode(UiLanguage language) {
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("fr");
}

}  // namespace vireflu
