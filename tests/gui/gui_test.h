#pragma once

#include <QPushButton>
#include <QTest>

#include "machine/simulation_state.h"

namespace vireflu::test {

// The push button with this caption inside a window; null if absent.
QPushButton* Button(const QWidget& window, const QString& caption);

// The settings a panel sends for a winding with phase 1 alone on, "sinus", 50 Hz, angle 0.
WindingSettings PhaseOneRecord();

// Each fixture's run, as QTest::qExec returns it.
int RunMainWindowTests(int argc, char* argv[]);
int RunPanelsTests(int argc, char* argv[]);
int RunLanguagesTests(int argc, char* argv[]);

}  // namespace vireflu::test
