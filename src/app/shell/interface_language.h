#pragma once

#include <QMenu>
#include <QStringList>

#include <functional>

#include "catalogue.h"
#include "shell/languages.h"

namespace vireflu {

// The language to speak: the one chosen in "Langue" at an earlier run, otherwise the first
// of the session's preferred languages (QLocale::uiLanguages) that the catalogue holds,
// French when it holds none of them.
const Language& InterfaceLanguage(const QStringList& sessionLanguages);
// Remembers the choice for the next runs.
void RememberLanguage(const Language& language);

// Adds "&Langue" to a menu: each language under its own name, the one spoken checked.
void AddLanguageMenu(QMenu* menu, const Language& spoken,
                     const std::function<void(const Language&)>& chosen);

}  // namespace vireflu
