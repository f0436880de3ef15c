#include "simulator_app.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>

#include "about_box.h"
#include "app_icon.h"
#include "build_info.h"
#include "interface_language.h"
#include "main_window.h"

namespace vireflu {

CSimulatorApp::CSimulatorApp() = default;

CSimulatorApp::~CSimulatorApp() {
    QCoreApplication::removeTranslator(&programTexts);
    QCoreApplication::removeTranslator(&qtTexts);
}

void CSimulatorApp::InstallTranslations() {
    const UiLanguage language = ChooseUiLanguage(QLocale::system().uiLanguages());
    // French is the language the texts are written in, so it needs no file of ours.
    if (language != UiLanguage::French &&
        programTexts.load(QStringLiteral(":/i18n/vireflu_") + LanguageCode(language)))
        QCoreApplication::installTranslator(&programTexts);
    // Qt's own texts (standard buttons, the fields' context menu) follow the same language.
    if (qtTexts.load(QStringLiteral("qtbase_") + LanguageCode(language),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
}

void CSimulatorApp::InitInstance() {
    InstallTranslations();
    // The settings store (layout, files used last) lives in ~/.config/vireflu.
    QApplication::setOrganizationName(QStringLiteral("vireflu"));
    QApplication::setApplicationName(QStringLiteral("Vireflu"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // Names the installed desktop file, so Wayland shells find the icon and the menu entry.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    QApplication::setWindowIcon(AppIcon());
    mainWindow = std::make_unique<CMainWindow>(state);
    connect(mainWindow.get(), &CMainWindow::AboutRequested, this, &CSimulatorApp::OnAppAbout);
    mainWindow->show();
    // "vireflu FILE.vireflu" (a double-click in a file manager) opens that setup, once the
    // view has its size: the setup's trace is drawn at it.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        QTimer::singleShot(0, mainWindow.get(),
                           [this, file = arguments.at(1)] { mainWindow->OpenSetupFile(file); });
}

void CSimulatorApp::OnAppAbout() {
    CAboutBox about(mainWindow.get());
    about.exec();
}

}  // namespace vireflu
