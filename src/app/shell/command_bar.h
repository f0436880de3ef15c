#pragma once

#include <QFrame>
#include <QPushButton>

namespace vireflu {

// The bar along the bottom of the main window with the two clock buttons.
class CommandBar : public QFrame {
    Q_OBJECT

public:
    explicit CommandBar(QWidget* parent = nullptr);

    // The animation button offers to stop a running clock and to start a stopped one.
    void ShowClockRunning(bool running);

    QPushButton* resetButton;      // "&Initialisation"
    QPushButton* animationButton;  // "&Animation", "&Stop" while the clock runs
};

}  // namespace vireflu
