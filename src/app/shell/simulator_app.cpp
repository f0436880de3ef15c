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

void CSimulatorApp::InstallTranslations(const Language& language) {
    QCoreApplication::removeTranslator(&programTexts);
    QCoreApplication::removeTranslator(&qtTexts);
    const QString code = QString::fromLatin1(language.code);
    // French is the language the texts are written in, so it needs no file of ours.
    if (&language != &Languages().front() &&
        programTexts.load(QStringLiteral(":/i18n/vireflu_") + code))
        QCoreApplication::installTranslator(&programTexts);
    // Qt's own texts (standard buttons, the fields' context menu) follow the same language.
    if (qtTexts.load(QStringLiteral("qtbase_") + code,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    // Menus, panels and dialogs read from right to left in Arabic; the pictures are drawn
    // as physics has them, never mirrored.
    QGuiApplication::setLayoutDirection(language.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

void CSimulatorApp::InitInstance() {
    // The settings store (layout, files used last, language) lives in ~/.config/vireflu.
    QApplication::setOrganizationName(QStringLiteral("vireflu"));
    QApplication::setApplicationName(QStringLiteral("Vireflu"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    InstallTranslations(InterfaceLanguage(QLocale::system().uiLanguages()));
    // Names the installed desktop file, so Wayland shells find the icon and the menu entry.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    QApplication::setWindowIcon(AppIcon());
    MakeMainWindow();
    // "vireflu FILE.vireflu" (a double-click in a file manager) opens that setup, once the
    // view has its size: the setup's trace is drawn at it.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        QTimer::singleShot(0, mainWindow.get(),
                           [this, file = arguments.at(1)] { mainWindow->OpenSetupFile(file); });
    else if (!CMainWindow::WelcomeDismissed())
        mainWindow->ShowWelcome();
}

void CSimulatorApp::MakeMainWindow() {
    mainWindow = std::make_unique<CMainWindow>(session);
    connect(mainWindow.get(), &CMainWindow::AboutRequested, this, &CSimulatorApp::OnAppAbout);
    // Queued: the window that asks is replaced, which its own menu must not see happen.
    connect(mainWindow.get(), &CMainWindow::LanguageChosen, this, &CSimulatorApp::SwitchLanguage,
            Qt::QueuedConnection);
    mainWindow->show();
}

void CSimulatorApp::SwitchLanguage(const QString& code) {
    const Language* language = LanguageOfTag(code.toStdString());
    if (language == nullptr) return;
    RememberLanguage(*language);
    const Setup setup = mainWindow->CurrentSetup();
    const std::optional<Lesson> lesson = mainWindow->ShownLesson();
    const std::optional<CourseRun> course = mainWindow->FollowedCourse();
    const QByteArray geometry = mainWindow->saveGeometry();
    const bool welcome = mainWindow->WelcomeShown();
    mainWindow->SaveLayout();
    mainWindow.reset();
    InstallTranslations(*language);
    MakeMainWindow();
    if (welcome) mainWindow->ShowWelcome();
    mainWindow->restoreGeometry(geometry);
    // A lesson opens again from its start, in the new language, as the page's does; a
    // course goes on at the lesson it stood at.
    if (course)
        mainWindow->FollowCourse(*course);
    else if (lesson)
        mainWindow->OpenLesson(*lesson);
    else
        mainWindow->ApplySetup(setup);
}

void CSimulatorApp::OnAppAbout() {
    CAboutBox about(mainWindow.get());
    about.exec();
}

}  // namespace vireflu
