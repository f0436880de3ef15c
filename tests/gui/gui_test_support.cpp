#include "gui_test_support.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace vireflu::test {

void ChooseGuiPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QAction* MenuAction(const QMainWindow& window, const QString& menuTitle, const QString& itemText) {
    for (QAction* title : window.menuBar()->actions()) {
        if (title->text() != menuTitle || !title->menu()) continue;
        for (QAction* item : title->menu()->actions())
            if (item->text() == itemText) return item;
    }
    return nullptr;
}

QPushButton* Button(const QWidget& window, const QString& caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == caption) return button;
    return nullptr;
}

QImage OnScreen(const QWidget& widget) {
    const QPoint origin = widget.mapTo(widget.window(), QPoint(0, 0));
    return widget.screen()
        ->grabWindow(widget.window()->winId(), origin.x(), origin.y(), widget.width(),
                     widget.height())
        .toImage();
}

QColor ScreenPixel(const QWidget& widget, QPoint logical) {
    const QImage image = OnScreen(widget);
    return image.pixelColor(logical * image.devicePixelRatio());
}

WindingSettings PhaseOneRecord() {
    WindingSettings record;
    record.phase1On = 1;
    record.frequencyHz = 50;
    record.waveform = kWaveformSinus;
    return record;
}

}  // namespace vireflu::test
