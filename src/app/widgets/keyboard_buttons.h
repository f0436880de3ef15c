#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;

// Space is the program's key for the animation in every window, yet it is also how a
// check box, a radio button or a push button is pressed without a mouse. The button the
// user reached with the keyboard (Tab, a mnemonic) keeps Space, so every control stays
// usable from the keyboard; a button that took the focus from a click or from its window
// opening leaves Space to the animation, as the teacher who clicked a check box and then
// presses Space means it. Installed on the application, it sees every window's keys.
class KeyboardButtons : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QAbstractButton> reached;
};
