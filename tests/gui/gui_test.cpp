#include "gui_test.h"

#include <QApplication>
#include <QStandardPaths>

namespace vireflu::test {

QPushButton* Button(const QWidget& window, const QString& caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

WindingSettings PhaseOneRecord() {
    return {1, 0, 0, 0, 0, 0, 50, 0, 0, kWaveformSinus};
}

}  // namespace vireflu::test

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The answers' log and every other data file go to Qt's test folders, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    const int mainWindow = vireflu::test::RunMainWindowTests(argc, argv);
    const int panels = vireflu::test::RunPanelsTests(argc, argv);
    return vireflu::test::RunLanguagesTests(argc, argv) | panels | mainWindow;
}
