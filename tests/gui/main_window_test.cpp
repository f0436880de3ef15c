// The main window as the user drives it: its texts, menus and placement, the presentation
// and colour commands, the "&Animation" / "&Stop" clock and "&Initialisation", and how it
// copes with being shrunk, minimised and closed.

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include "gui_test_support.h"
#include "machine_view.h"
#include "main_window.h"
#include "simulation/clock.h"
#include "window_placement.h"

using namespace vireflu;

Q_DECLARE_METATYPE(vireflu::WindingSettings)

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void titleIconAndPlainMenuItems();
    void initialFrameRect_data();
    void initialFrameRect();
    void opensWhereThePlacementRuleSays();
    void survivesShrinkingAndMinimising();
    void quitClosesTheWindow();
    void presentationSetsFlagsAndPicture_data();
    void presentationSetsFlagsAndPicture();
    void eachCommandDrawsOneFrame();
    void colourMapRecolours_data();
    void colourMapRecolours();
    void animationNeedsAPhaseOne_data();
    void animationNeedsAPhaseOne();
    void stopNeedsAPhaseOneToo();
    void paceChangesOnlyThePeriod_data();
    void paceChangesOnlyThePeriod();
    void resetWhileRunningKeepsRunning();
    void tickSeenInTheView();

private:
    void Choose(const QString& menu, const QString& item) {
        QAction* action = test::MenuAction(*window, menu, item);
        QVERIFY2(action, qPrintable(item));
        action->trigger();
    }
    QColor ViewPixel(QPoint at) const { return test::ScreenPixel(*view, at); }
    QPoint Centre() const { return QPoint(view->width() / 2, view->height() / 2); }
    // The middle of the air-gap ring (radii 0.35 to 0.4 of the shorter side), right of
    // the centre.
    QColor RingPixel() const {
        const int middle = static_cast<int>(std::min(view->width(), view->height()) * 0.375);
        return ViewPixel(Centre() + QPoint(middle, 0));
    }
    QTimer* Timer() const { return window->findChild<QTimer*>(QStringLiteral("clockTimer")); }
    void ClickAnimation() { QTest::mouseClick(animation, Qt::LeftButton); }
    void ExpectRunning(bool running) {
        QCOMPARE(Timer()->isActive(), running);
        QCOMPARE(animation->text(),
                 running ? QStringLiteral("&Stop") : QStringLiteral("&Animation"));
    }

    SimulationState* state = nullptr;
    CMainWindow* window = nullptr;
    CMachineView* view = nullptr;
    QPushButton* animation = nullptr;
};

void MainWindowTest::init() {
    state = new SimulationState;
    window = new CMainWindow(*state);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    view = window->findChild<CMachineView*>();
    animation = test::Button(*window, QStringLiteral("&Animation"));
    QVERIFY(view && animation && Timer());
    ExpectRunning(false);
}

void MainWindowTest::cleanup() {
    delete window;
    delete state;
}

void MainWindowTest::titleIconAndPlainMenuItems() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Vireflu"));
    QVERIFY(!window->windowIcon().isNull());
    // Only "Projection" and the paces are checkable ("Cadence x1" checked); no item is greyed
    // or has a shortcut of its own; language_test reads the texts.
    for (QAction* title : window->menuBar()->actions()) {
        for (QAction* item : title->menu()->actions()) {
            const QString text = item->text();
            const bool checkable = text == "Projection" || text.startsWith("Cadence");
            QVERIFY2(item->isCheckable() == checkable && item->isEnabled() &&
                         item->isChecked() == (text == "Cadence x1") && item->shortcut().isEmpty(),
                     qPrintable(text));
        }
    }
    QStringList keys;
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>())
        keys << shortcut->key().toString();
    QCOMPARE(keys, (QStringList{"Space", "Home", "F11"}));
}

void MainWindowTest::initialFrameRect_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("odd width truncates")
        << QRect(0, 0, 1281, 1024) << QRect(0, 0, 1281, 1024) << QRect(0, 0, 640, 640);
    QTest::newRow("wide screen, largest square that fits")
        << QRect(0, 0, 3840, 1080) << QRect(0, 0, 3840, 1040) << QRect(0, 0, 1040, 1040);
    QTest::newRow("desktop panel at the top")
        << QRect(0, 0, 1920, 1080) << QRect(0, 32, 1920, 1048) << QRect(0, 32, 960, 960);
}

void MainWindowTest::initialFrameRect() {
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QRect, expected);
    QCOMPARE(InitialFrameRect(screen, available), expected);
}

void MainWindowTest::opensWhereThePlacementRuleSays() {
    const QScreen* screen = window->screen();
    QCOMPARE(window->frameGeometry(),
             InitialFrameRect(screen->geometry(), screen->availableGeometry()));
}

void MainWindowTest::survivesShrinkingAndMinimising() {
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    // "Couple" computes vectors and the torque, whose unit is the ring's radius.
    Choose("&Représentation", "Couple");
    window->resize(1, 1);
    QCoreApplication::processEvents();
    window->OnClockTick();
    window->showMinimized();
    QCoreApplication::processEvents();
    window->OnClockTick();
    // Back to a usable size the machine fills the view again; at angle 0 phase 1 carries
    // no current, so the ring is neutral.
    window->showNormal();
    window->resize(400, 400);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(view->height() > 200);
    window->ResetClock();
    QCOMPARE(RingPixel(), QColor(0, 0, 31));
}

void MainWindowTest::quitClosesTheWindow() {
    QApplication::setQuitOnLastWindowClosed(false);
    Choose("&Général", "&Quitter");
    QVERIFY(!window->isVisible());
}

void MainWindowTest::presentationSetsFlagsAndPicture_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QList<int>>("flags");  // airGap, trace, vector, mmf, torque
    QTest::addColumn<bool>("ringShown");    // neutral ring, all phases being off
    QTest::addColumn<bool>("zeroLine");     // the torque bar's zero line at the left edge
    QTest::newRow("air gap") << "Entrefer:couleur" << QList<int>{1, 0, 0, 0, 0} << true << false;
    QTest::newRow("vector") << "Vecteur" << QList<int>{0, 0, 1, 0, 0} << false << false;
    QTest::newRow("trace") << "Trace" << QList<int>{0, 1, 0, 0, 0} << false << false;
    QTest::newRow("mmf") << "Forces magnéto-motrices" << QList<int>{0, 0, 1, 1, 0} << true << false;
    QTest::newRow("torque") << "Couple" << QList<int>{0, 0, 1, 1, 1} << true << true;
}

void MainWindowTest::presentationSetsFlagsAndPicture() {
    QFETCH(QString, item);
    QFETCH(QList<int>, flags);
    QFETCH(bool, ringShown);
    QFETCH(bool, zeroLine);
    // Start from the presentation furthest from each row, so every flag must be written.
    Choose("&Représentation", item == "Couple" ? "Trace" : "Couple");
    Choose("&Représentation", item);
    QCOMPARE((QList<int>{state->airGapMode, state->traceMode, state->vectorMode, state->mmfMode,
                         state->torqueMode}),
             flags);
    const QColor white(Qt::white);
    QCOMPARE(RingPixel(), ringShown ? QColor(0, 0, 31) : white);
    QCOMPARE(ViewPixel(QPoint(1, Centre().y())), zeroLine ? QColor(Qt::black) : white);
}

void MainWindowTest::eachCommandDrawsOneFrame() {
    // In "Trace" presentation every drawing records one point, and choosing it again
    // starts the trace afresh.
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    Choose("&Représentation", "Trace");
    QCOMPARE(state->traceCount, 1);
    window->OnClockTick();
    Choose("&Couleur", "CAO");
    QCOMPARE(state->traceCount, 3);
    Choose("&Représentation", "Trace");
    QCOMPARE(state->traceCount, 1);
}

void MainWindowTest::colourMapRecolours_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QColor>("neutral");  // entry 32 of the map
    QTest::newRow("blue black red") << "Bleu Noir Rouge" << QColor(0, 0, 31);
    QTest::newRow("green black red") << "Vert NoirRouge" << QColor(0, 31, 0);
    QTest::newRow("cao") << "CAO" << QColor(255, 70, 0);
    QTest::newRow("blue white orange") << "Bleu Blanc Orange" << QColor(230, 230, 230);
}

void MainWindowTest::colourMapRecolours() {
    QFETCH(QString, item);
    QFETCH(QColor, neutral);
    Choose("&Couleur", item);
    QCOMPARE(RingPixel(), neutral);
    QCOMPARE(ViewPixel(Centre()), QColor(Qt::white));
}

void MainWindowTest::animationNeedsAPhaseOne_data() {
    QTest::addColumn<int>("selector");
    QTest::addColumn<WindingSettings>("record");
    QTest::addColumn<bool>("starts");
    WindingSettings phaseTwoOnly;
    phaseTwoOnly.phase2On = 1;
    phaseTwoOnly.waveform = kWaveformSinus;
    QTest::newRow("nothing on") << 0 << WindingSettings{} << false;
    QTest::newRow("stator phase 1") << 0 << test::PhaseOneRecord() << true;
    QTest::newRow("rotor phase 1") << 1 << test::PhaseOneRecord() << true;
    QTest::newRow("stator phase 2 alone") << 0 << phaseTwoOnly << false;
}

void MainWindowTest::animationNeedsAPhaseOne() {
    QFETCH(int, selector);
    QFETCH(WindingSettings, record);
    QFETCH(bool, starts);
    window->ApplyWindingSettings(selector, record);
    ClickAnimation();
    ExpectRunning(starts);
}

void MainWindowTest::stopNeedsAPhaseOneToo() {
    window->ApplyWindingSettings(1, test::PhaseOneRecord());
    ClickAnimation();
    // Switching the phases off keeps the clock running, and "&Stop" does nothing until a
    // phase 1 is on again.
    window->ApplyWindingSettings(1, WindingSettings{});
    ExpectRunning(true);
    ClickAnimation();
    ExpectRunning(true);
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    ClickAnimation();
    ExpectRunning(false);
}

void MainWindowTest::paceChangesOnlyThePeriod_data() {
    QTest::addColumn<QString>("pace");
    QTest::addColumn<int>("periodMs");
    QTest::newRow("x1/4") << "Cadence x1/4" << 600;
    QTest::newRow("x1 (start-up)") << "" << 150;
    QTest::newRow("x2") << "Cadence x2" << 75;
    QTest::newRow("x4") << "Cadence x4" << 37;
}

void MainWindowTest::paceChangesOnlyThePeriod() {
    QFETCH(QString, pace);
    QFETCH(int, periodMs);
    if (!pace.isEmpty()) Choose("&Vue", pace);
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    SimulationState withoutTimer = *state;
    QList<double> angles;
    connect(Timer(), &QTimer::timeout, window, [&] { angles << state->statorAngle; });
    // Space and Home are the window's own keys.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Space);
    ExpectRunning(true);
    QCOMPARE(Timer()->interval(), periodMs);
    QTRY_VERIFY_WITH_TIMEOUT(angles.size() >= 3, 5000);
    QTest::keyClick(window, Qt::Key_Space);
    ExpectRunning(false);
    for (double angle : angles) {
        AdvanceClock(withoutTimer);
        QVERIFY(angle == withoutTimer.statorAngle);
    }
    QTest::keyClick(window, Qt::Key_Home);
    QCOMPARE(state->elapsedTime, 0.0);
}

void MainWindowTest::resetWhileRunningKeepsRunning() {
    WindingSettings rotor = test::PhaseOneRecord();
    rotor.initialPositionDeg = 30;
    rotor.rotationHz = 50;
    window->ApplyWindingSettings(1, rotor);
    const double position = state->rotorPosition;
    QVERIFY(position > 0);
    ClickAnimation();
    QTRY_VERIFY(state->rotorPosition > position);
    QTest::mouseClick(test::Button(*window, QStringLiteral("&Initialisation")), Qt::LeftButton);
    QCOMPARE(state->elapsedTime, 0.0);
    QCOMPARE(state->statorAngle, 0.0);
    QCOMPARE(state->rotorAngle, 0.0);
    QCOMPARE(state->rotorPosition, position);
    ExpectRunning(true);
    QTRY_VERIFY(state->elapsedTime > 0);  // and the clock goes on from zero
}

void MainWindowTest::tickSeenInTheView() {
    // Stator phase 1 alone, 50 Hz: ten ticks reach a = 1.570795, where the forward
    // conductor (top, 0.45 m from the centre) has level trunc(32 sin a + 32) = 63 and the
    // return one (bottom) level 0; "Bleu Noir Rouge" shows them as (241, 0, 0) and
    // (0, 0, 255).
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    for (int tick = 0; tick < 10; ++tick) window->OnClockTick();
    const int ring = static_cast<int>(std::min(view->width(), view->height()) * 0.45);
    QCOMPARE(ViewPixel(Centre() - QPoint(0, ring)), QColor(241, 0, 0));
    QCOMPARE(ViewPixel(Centre() + QPoint(0, ring)), QColor(0, 0, 255));
    QCOMPARE(ViewPixel(Centre() + QPoint(ring, 0)), QColor(Qt::white));
}

VIREFLU_GUI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
