#include "gui_test.h"

#include <QApplication>

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
    const int mainWindow = vireflu::test::RunMainWindowTests(argc, argv);
    const int panels = vireflu::test::RunPanelsTests(argc, argv);
    return vireflu::test::RunLanguagesTests(argc, argv) | panels | mainWindow;
}
