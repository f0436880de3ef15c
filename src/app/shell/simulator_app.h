#pragma once

#include <QObject>
#include <QTranslator>
#include <memory>

#include "session/session.h"
#include "shell/languages.h"

namespace vireflu {

class CMainWindow;

// The application: owns the one session of the process and the main window,
// and answers "&A propos de Vireflu...". Lives inside a running QApplication.
class CSimulatorApp : public QObject {
    Q_OBJECT

public:
    CSimulatorApp();
    ~CSimulatorApp() override;

    // Speaks the chosen or the session's language, then builds the main window and shows it.
    void InitInstance();
    CMainWindow* MainWindow() const { return mainWindow.get(); }
    const SimulationState& State() const { return session.State(); }

public slots:
    // Runs the about box modally; the clock keeps ticking behind it.
    void OnAppAbout();
    // Speaks `language` at once and from now on: the windows are made anew in it, showing
    // the same setup, and the choice is kept for the next runs.
    void SwitchLanguage(const QString& code);

private:
    // Installs the program's and Qt's own translations of a language, and its direction.
    void InstallTranslations(const Language& language);
    void MakeMainWindow();

    QTranslator programTexts;
    QTranslator qtTexts;
    Session session;
    std::unique_ptr<CMainWindow> mainWindow;
};

}  // namespace vireflu
