#include "numeric_edit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace {

bool IsAcceptedCharacter(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u' ' || c == u'\b';
}

bool PassesFilter(const QKeyEvent& event) {
    // Ctrl+V pastes as Shift+Insert and the context menu do, through the validator.
    if (event.matches(QKeySequence::Paste)) return true;
    switch (event.key()) {
        // Dialog and editing keys: they type nothing into the field, whatever text the
        // platform attaches to them.
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            return true;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return true;  // caret movement and other keys without a character
    // Other Ctrl shortcuts carry a letter or a control character, so copy, cut and undo
    // are dropped here too.
    return std::all_of(text.begin(), text.end(), IsAcceptedCharacter);
}

}  // namespace

CNumericEdit::CNumericEdit(QWidget* parent) : QLineEdit(parent) {
    // The context menu's paste and drag and drop bypass the key filter; the validator
    // refuses whatever they would insert unless the result is still digits and spaces.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]*")), this));
}

void CNumericEdit::keyPressEvent(QKeyEvent* event) {
    if (PassesFilter(*event)) QLineEdit::keyPressEvent(event);
}
