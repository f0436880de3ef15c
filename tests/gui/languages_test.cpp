// Languages on the desktop: a switch in "Langue" speaks at once, keeps the setup shown and is
// remembered; Arabic mirrors the windows but not the machine; and a pseudo-language 40 %
// longer than French, accents added, fits every control.
#include <QAbstractButton>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QTranslator>

#include "gui_test.h"
#include "lessons/lesson_library.h"
#include "machine_view.h"
#include "main_window.h"
#include "measures_panel.h"
#include "simulator_app.h"
#include "winding_panel.h"

namespace vireflu::test {

namespace {

// Every text accented and about 40 % longer; access keys and placeholders kept.
class PseudoLanguage : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        QString text = QString::fromUtf8(source);
        text.replace('a', QChar(0xE2)).replace('e', QChar(0xEB)).replace('o', QChar(0xF6));
        return text + QString(text.size() * 2 / 5, QChar(0xE9));
    }
};

void OpenWindows(CMainWindow& window) {
    window.ApplyWindingSettings(0, WindingSettings{1, 1, 1, 0, 120, 240, 50, 0, 0, 0});
    window.ApplyWindingSettings(1, PhaseOneRecord());
    QMenu* view = window.menuBar()->actions()[3]->menu();
    for (int item = 0; item < 3; ++item) view->actions()[item]->trigger();
}

// The texts of buttons and one-line labels that their control cannot show whole.
QStringList Clipped(const CMainWindow& window) {
    QStringList clipped;
    QList<QWidget*> windows{const_cast<CMainWindow*>(&window)};
    for (QWidget* dialog : window.findChildren<QDialog*>()) windows << dialog;
    for (QWidget* top : windows)
        for (QWidget* widget : top->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const bool text =
                qobject_cast<QAbstractButton*>(widget) || (label && !label->wordWrap());
            if (text && widget->isVisibleTo(top) && widget->sizeHint().width() > widget->width())
                clipped << widget->objectName() + " " + widget->property("text").toString();
        }
    return clipped;
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void switchedAtOnceMirroredInArabic();
    void pseudoLanguageFitsEveryControl();
};

void LanguagesTest::switchedAtOnceMirroredInArabic() {
    QSettings("vireflu", "Vireflu")
        .setValue("welcomeDismissed", true);  // its width is the language's
    CSimulatorApp app;
    app.InitInstance();
    OpenWindows(*app.MainWindow());
    const Setup before = app.MainWindow()->CurrentSetup();
    const QImage french = app.MainWindow()->findChild<CMachineView*>()->grab().toImage();

    app.SwitchLanguage("de");
    CMainWindow* window = app.MainWindow();
    QCOMPARE(window->menuBar()->actions()[0]->text(), QStringLiteral("A&llgemein"));
    QCOMPARE(window->CurrentSetup().stator.anglesDeg, before.stator.anglesDeg);
    QVERIFY(window->findChild<CMeasuresPanel*>()->isVisible());
    QCOMPARE(QSettings().value("language").toString(), QStringLiteral("de"));
    QVERIFY(window->grab().save(QStringLiteral(VIREFLU_ARTEFACTS "/desktop-de.png")));

    app.SwitchLanguage("ar");
    window = app.MainWindow();
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    auto* stator = window->findChild<CWindingPanel*>();
    const QWidget* check = stator->findChild<QWidget*>("phase1Check");
    QVERIFY2(check->geometry().center().x() > stator->width() / 2, "the check boxes on the right");
    QCOMPARE(window->findChild<CMachineView*>()->grab().toImage(), french);
    window->menuBar()->actions()[3]->menu()->actions()[4]->trigger();  // "Panneaux à côté"
    QCOMPARE(window->dockWidgetArea(window->findChild<QDockWidget*>()), Qt::LeftDockWidgetArea);
    QVERIFY(window->grab().save(QStringLiteral(VIREFLU_ARTEFACTS "/desktop-ar.png")));

    window->OpenLesson(*FindLesson("trois-phases"));  // a lesson outlives the switch
    app.SwitchLanguage("fr");
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    const QLabel* title = app.MainWindow()->findChild<QLabel*>("lessonTitle");
    QVERIFY(title != nullptr && title->isVisible());
    QCOMPARE(title->text(), QStringLiteral("Trois phases"));
    for (const char* key : {"language", "layout"}) QSettings().remove(key);
}

void LanguagesTest::pseudoLanguageFitsEveryControl() {
    PseudoLanguage pseudo;
    QCoreApplication::installTranslator(&pseudo);
    Session session;
    CMainWindow window(session);
    window.show();
    OpenWindows(window);
    QVERIFY(window.menuBar()->actions()[0]->text().endsWith(QChar(0xE9)));
    const QStringList clipped = Clipped(window);
    QCoreApplication::removeTranslator(&pseudo);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
}

int RunLanguagesTests(int argc, char* argv[]) {
    LanguagesTest fixture;
    return QTest::qExec(&fixture, argc, argv);
}

}  // namespace vireflu::test

#include "languages_test.moc"
