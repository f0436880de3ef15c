#pragma once

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include "simulation/simulation_state.h"

namespace vireflu::test {

// Widget tests run headless on the offscreen platform unless the environment names a
// platform or a display.
void ChooseGuiPlatform();

// The action of a menu item, by the menu's title and the item's text; null if absent.
QAction* MenuAction(const QMainWindow& window, const QString& menuTitle, const QString& itemText);

// The push button with this caption inside a window; null if absent.
QPushButton* Button(const QWidget& window, const QString& caption);

// What the screen shows of a widget, as the platform holds it: reading it paints nothing.
// The image is in device pixels, with the widget's device pixel ratio.
QImage OnScreen(const QWidget& widget);

// The colour the screen shows at a logical pixel of a widget.
QColor ScreenPixel(const QWidget& widget, QPoint logical);

// The settings a panel sends for a winding with phase 1 alone on, "sinus", 50 Hz, angle 0.
WindingSettings PhaseOneRecord();

}  // namespace vireflu::test

// main() of a widget test fixture.
#define VIREFLU_GUI_TEST_MAIN(Fixture)             \
    int main(int argc, char* argv[]) {             \
        vireflu::test::ChooseGuiPlatform();        \
        QApplication application(argc, argv);      \
        Fixture fixture;                           \
        return QTest::qExec(&fixture, argc, argv); \
    }
