#pragma once

#include <QLineEdit>

class QKeyEvent;

// A single-line field that only ever holds digits and spaces, so its text reads as a
// non-negative whole number. Typed characters other than digits, the space and the
// backspace are dropped silently, control characters included (so the Ctrl shortcuts
// other than Ctrl+V do nothing); keys that type no character (arrows, Delete, Home, End)
// work as usual. Text pasted (Ctrl+V, Shift+Insert, the context menu) or dropped is
// refused whole unless it is digits and spaces.
class CNumericEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CNumericEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
