#include "numeric_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QValidator>

#include "panels/panel_model.h"

namespace {

// Whatever a paste or a drop would leave in the field must still be an angle text.
class AngleTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return vireflu::IsAngleFieldText(input.toStdString()) ? Acceptable : Invalid;
    }
};

bool PassesFilter(const QKeyEvent& event) {
    // Ctrl+V pastes as Shift+Insert and the context menu do, through the validator.
    if (event.matches(QKeySequence::Paste) || event.matches(QKeySequence::SelectAll)) return true;
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
    return text == u"\b" || vireflu::IsAngleFieldText(text.toStdString());
}

}  // namespace

CNumericEdit::CNumericEdit(QWidget* parent) : QLineEdit(parent) {
    // The context menu's paste and drag and drop bypass the key filter; the validator
    // refuses whatever they would insert unless the result is still digits and spaces.
    setValidator(new AngleTextValidator(this));
}

void CNumericEdit::keyPressEvent(QKeyEvent* event) {
    if (PassesFilter(*event)) QLineEdit::keyPressEvent(event);
}

void CNumericEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);  // selects the text when reached by Tab
    selectOnRelease = event->reason() == Qt::MouseFocusReason;
}

void CNumericEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    // A drag that chose part of the text keeps its choice.
    if (selectOnRelease && !hasSelectedText()) selectAll();
    selectOnRelease = false;
}
