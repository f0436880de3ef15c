#pragma once

#include <QString>
#include <QWidget>

namespace vireflu {

// A warning box that shows its text as written: a file's name or key that holds markup
// ("<a href=...>", "&lt;") stays text, never a link or a format.
void ShowPlainWarning(QWidget* parent, const QString& text);

}  // namespace vireflu
