#include "simulator_app.h"

#include <QApplication>

#include "about_box.h"
#include "app_icon.h"
#include "main_window.h"

namespace vireflu {

CSimulatorApp::CSimulatorApp() = default;
CSimulatorApp::~CSimulatorApp() = default;

void CSimulatorApp::InitInstance() {
    QApplication::setApplicationName(QStringLiteral("Vireflu"));
    QApplication::setWindowIcon(AppIcon());
    mainWindow = std::make_unique<CMainWindow>(state);
    connect(mainWindow.get(), &CMainWindow::AboutRequested, this, &CSimulatorApp::OnAppAbout);
    mainWindow->show();
}

void CSimulatorApp::OnAppAbout() {
    CAboutBox about(mainWindow.get());
    about.exec();
}

}  // namespace vireflu
