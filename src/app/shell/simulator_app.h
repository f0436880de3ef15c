#pragma once

#include <QObject>
#include <QTranslator>
#include <memory>

#include "simulation/simulation_state.h"

namespace vireflu {

class CMainWindow;

// The application: owns the one simulation state of the process and the main window,
// and answers "&A propos de Vireflu...". Lives inside a running QApplication.
class CSimulatorApp : public QObject {
    Q_OBJECT

public:
    CSimulatorApp();
    ~CSimulatorApp() override;

    // Speaks the system's language, then builds the main window and shows it.
    void InitInstance();
    CMainWindow* MainWindow() const { return mainWindow.get(); }
    const SimulationState& State() const { return state; }

public slots:
    // Runs the about box modally; the clock keeps ticking behind it.
    void OnAppAbout();

private:
    // Installs the program's and Qt's own translations for the chosen language.
    void InstallTranslations();

    QTranslator programTexts;
    QTranslator qtTexts;
    SimulationState state;
    std::unique_ptr<CMainWindow> mainWindow;
};

}  // namespace vireflu
