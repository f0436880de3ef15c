#pragma once

#include <QWidget>

class QToolButton;

// The small up/down control beside a numeric field. It reports steps and leaves the
// arithmetic to its owner, who writes the new number into the field: one step per click
// of an arrow (repeating while held) or per up or down arrow key typed in the field.
class CSpinButton : public QWidget {
    Q_OBJECT

public:
    explicit CSpinButton(QWidget* parent = nullptr);

    // Takes `buddy` (a sibling) as the field it steps, on the field's own arrow keys too.
    // The panel template places the two side by side.
    void SetBuddy(QWidget* buddy);
    // What a screen reader calls the two arrows.
    void SetAccessibleNames(const QString& upName, const QString& downName);

signals:
    void Stepped(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up;
    QToolButton* down;
};
