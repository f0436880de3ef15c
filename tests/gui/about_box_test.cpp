// The about box: its texts and icon, how it closes, and that it is modal while the clock
// goes on ticking behind it.

#include <QLabel>
#include <QTimer>

#include "about_box.h"
#include "gui_test_support.h"
#include "main_window.h"
#include "simulator_app.h"

using namespace vireflu;

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsIconAndDefaultOK();
    void closes_data();
    void closes();
    void menuCommandRunsItModallyWhileTheClockTicks();
};

void AboutBoxTest::showsIconAndDefaultOK() {
    CAboutBox box;
    QVERIFY(box.isModal());

    // An icon drawn with some opaque pixels that are not white; language_test reads the texts.
    int inked = 0;
    int iconWidth = 0;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        const QImage icon = label->pixmap().toImage();
        iconWidth = std::max(iconWidth, icon.width());
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                inked += icon.pixelColor(x, y).alpha() == 255 &&
                         icon.pixelColor(x, y) != QColor(Qt::white);
    }
    QVERIFY(iconWidth > 0 && inked > iconWidth);
    QPushButton* ok = test::Button(box, QStringLiteral("OK"));
    QVERIFY(ok && ok->isDefault());
}

void AboutBoxTest::closes_data() {
    QTest::addColumn<int>("key");  // 0: click "OK"
    QTest::newRow("OK") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void AboutBoxTest::closes() {
    QFETCH(int, key);
    CAboutBox box;
    bool shown = false;
    QTimer::singleShot(0, &box, [&] {
        shown = box.isVisible();
        if (key == 0)
            QTest::mouseClick(test::Button(box, QStringLiteral("OK")), Qt::LeftButton);
        else
            QTest::keyClick(&box, Qt::Key(key));
    });
    // A failure to close would hang here; the watchdog ends the test.
    box.exec();
    QVERIFY(shown);
    QVERIFY(!box.isVisible());
}

void AboutBoxTest::menuCommandRunsItModallyWhileTheClockTicks() {
    CSimulatorApp app;
    app.InitInstance();
    CMainWindow* window = app.MainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const SimulationState& state = app.State();
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    QPushButton* reset = test::Button(*window, QStringLiteral("&Initialisation"));
    QTest::mouseClick(test::Button(*window, QStringLiteral("&Animation")), Qt::LeftButton);

    // Seen from inside the box's own event loop.
    bool aboutBoxShown = false;
    bool modal = false;
    double timeWhenOpened = -1;
    double timeAfterWaiting = -1;
    double timeAfterClickingBehind = -1;
    QTimer::singleShot(0, window, [&] {
        auto* box = qobject_cast<CAboutBox*>(QApplication::activeModalWidget());
        aboutBoxShown = box && box->isVisible();
        if (!box) return;
        modal = box->windowModality() != Qt::NonModal;
        timeWhenOpened = state.elapsedTime;
        if (!QTest::qWaitFor([&] { return state.elapsedTime > timeWhenOpened + 0.0005; })) return;
        timeAfterWaiting = state.elapsedTime;
        // The main window takes no input meanwhile: a click on "&Initialisation", sent to
        // the main window as the platform would, does not reset the clock.
        const QPoint centre = reset->mapTo(window, reset->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, centre);
        timeAfterClickingBehind = state.elapsedTime;
        QTest::mouseClick(test::Button(*box, QStringLiteral("OK")), Qt::LeftButton);
    });
    // Returns once the box is closed.
    test::MenuAction(*window, "&?", "&A propos de Vireflu...")->trigger();

    QVERIFY(aboutBoxShown && modal);
    QVERIFY(timeAfterWaiting > timeWhenOpened);
    QVERIFY(timeAfterClickingBehind >= timeAfterWaiting);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

VIREFLU_GUI_TEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
