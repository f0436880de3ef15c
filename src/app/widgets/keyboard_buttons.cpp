#include "keyboard_buttons.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>

bool KeyboardButtons::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr) return false;
    if (event->type() == QEvent::FocusIn) {
        switch (static_cast<QFocusEvent*>(event)->reason()) {
            case Qt::TabFocusReason:
            case Qt::BacktabFocusReason:
            case Qt::ShortcutFocusReason:
                reached = button;
                break;
            case Qt::MouseFocusReason:
                reached = nullptr;
                break;
            default:  // a window coming back to the front keeps what its focus was
                break;
        }
    } else if (event->type() == QEvent::KeyPress) {
        // Tab in a window whose only stop is this button leaves the focus where it is, with no
        // focus event: the key itself says the keyboard reached the button.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) reached = button;
    } else if (event->type() == QEvent::ShortcutOverride && button == reached) {
        // Accepting the override hands the key to the button instead of the shortcut.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) event->accept();
    }
    return false;
}
