#include "interface_language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QSettings>

#include <string>
#include <vector>

namespace vireflu {

namespace {

const auto kLanguageKey = QStringLiteral("language");

}  // namespace

const Language& InterfaceLanguage(const QStringList& sessionLanguages) {
    std::vector<std::string> preferred;
    const QString chosen = QSettings().value(kLanguageKey).toString();
    if (!chosen.isEmpty()) preferred.push_back(chosen.toStdString());
    for (const QString& tag : sessionLanguages) preferred.push_back(tag.toStdString());
    return ChooseLanguage(preferred);
}

void RememberLanguage(const Language& language) {
    QSettings().setValue(kLanguageKey, QString::fromLatin1(language.code));
}

void AddLanguageMenu(QMenu* menu, const Language& spoken,
                     const std::function<void(const Language&)>& chosen) {
    QMenu* languages = menu->addMenu(QCoreApplication::translate("Menu", kLanguageMenuTitle));
    auto* oneOf = new QActionGroup(languages);
    for (const Language& language : Languages()) {
        QAction* action = languages->addAction(QString::fromUtf8(language.name));
        action->setCheckable(true);
        action->setChecked(&language == &spoken);
        oneOf->addAction(action);
        QObject::connect(action, &QAction::triggered, menu,
                         [&language, chosen] { chosen(language); });
    }
}

}  // namespace vireflu
