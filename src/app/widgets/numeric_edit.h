#pragma once

#include <QLineEdit>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;

// A single-line field that only ever holds digits and spaces, so its text reads as a
// non-negative whole number. Typed characters other than digits, the space and the
// backspace are dropped silently, control characters included (so the Ctrl shortcuts
// other than Ctrl+V and Ctrl+A do nothing); keys that type no character (arrows, Delete,
// Home, End) work as usual. Text pasted (Ctrl+V, Shift+Insert, the context menu) or dropped
// is refused whole unless it is digits and spaces. Reached by a click or by Tab, the field
// selects its whole text, so what is typed replaces the value instead of joining it.
class CNumericEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CNumericEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The click that gave the focus places the caret on release; the text is selected after.
    bool selectOnRelease = false;
};
