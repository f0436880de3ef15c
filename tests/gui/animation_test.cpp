// The clock as the main window drives it: the "&Animation" / "&Stop" button and its
// rules, the 150 ms timer, "&Initialisation", and the ticks as the view shows them.

#include <QTimer>

#include "gui_test_support.h"
#include "machine_view.h"
#include "main_window.h"

using namespace vireflu;

Q_DECLARE_METATYPE(vireflu::WindingSettings)

namespace {

constexpr double kDegreeFactor = 0.017453277777777776;

WindingSettings Off() {
    return WindingSettings{};
}

}  // namespace

class AnimationTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void animationNeedsAPhaseOne_data();
    void animationNeedsAPhaseOne();
    void secondClickStops();
    void switchingPhasesOffKeepsTheClockRunning();
    void timerTicksEvery150Milliseconds();
    void resetWhileRunningKeepsRunning();
    void resetWhileStoppedRepaintsAtZero();
    void settingsResetTheClock_data();
    void settingsResetTheClock();
    void ticksSeenInTheView_data();
    void ticksSeenInTheView();
    void statorAngleWrapsOnTheFortiethTick();
    void rotorPositionFollowsRotation();

private:
    QTimer* Timer() const { return window->findChild<QTimer*>(QStringLiteral("clockTimer")); }
    QString Caption() const { return animation->text(); }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    SimulationState* state = nullptr;
    CMainWindow* window = nullptr;
    CMachineView* view = nullptr;
    QPushButton* animation = nullptr;
    QPushButton* reset = nullptr;
};

void AnimationTest::init() {
    state = new SimulationState;
    window = new CMainWindow(*state);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    view = window->findChild<CMachineView*>();
    animation = test::Button(*window, QStringLiteral("&Animation"));
    reset = test::Button(*window, QStringLiteral("&Initialisation"));
    QVERIFY(view && animation && reset && Timer());
    QVERIFY(!Timer()->isActive());
}

void AnimationTest::cleanup() {
    delete window;
    delete state;
}

void AnimationTest::animationNeedsAPhaseOne_data() {
    QTest::addColumn<int>("selector");
    QTest::addColumn<WindingSettings>("record");
    QTest::addColumn<bool>("starts");
    WindingSettings phaseTwoOnly;
    phaseTwoOnly.phase2On = 1;
    phaseTwoOnly.waveform = kWaveformSinus;
    QTest::newRow("nothing on") << 0 << Off() << false;
    QTest::newRow("stator phase 1") << 0 << test::PhaseOneRecord() << true;
    QTest::newRow("rotor phase 1") << 1 << test::PhaseOneRecord() << true;
    QTest::newRow("stator phase 2 alone") << 0 << phaseTwoOnly << false;
}

void AnimationTest::animationNeedsAPhaseOne() {
    QFETCH(int, selector);
    QFETCH(WindingSettings, record);
    QFETCH(bool, starts);
    window->ApplyWindingSettings(selector, record);
    Click(animation);
    QCOMPARE(Timer()->isActive(), starts);
    QCOMPARE(Caption(), starts ? QStringLiteral("&Stop") : QStringLiteral("&Animation"));
}

void AnimationTest::secondClickStops() {
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    Click(animation);
    QVERIFY(Timer()->isActive());
    Click(animation);
    QVERIFY(!Timer()->isActive());
    QCOMPARE(Caption(), QStringLiteral("&Animation"));
}

void AnimationTest::switchingPhasesOffKeepsTheClockRunning() {
    window->ApplyWindingSettings(1, test::PhaseOneRecord());
    Click(animation);
    window->ApplyWindingSettings(1, Off());
    QVERIFY(Timer()->isActive());
    QCOMPARE(Caption(), QStringLiteral("&Stop"));
    // "&Stop" does nothing until a phase 1 is on again.
    Click(animation);
    QVERIFY(Timer()->isActive());
    QCOMPARE(Caption(), QStringLiteral("&Stop"));
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    Click(animation);
    QVERIFY(!Timer()->isActive());
    QCOMPARE(Caption(), QStringLiteral("&Animation"));
}

void AnimationTest::timerTicksEvery150Milliseconds() {
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    Click(animation);
    QCOMPARE(Timer()->interval(), 150);
    QVERIFY(!Timer()->isSingleShot());
    // The ticks reach the clock: 50 Hz turns the stator by 0.1570795 per tick.
    QTRY_VERIFY(state->elapsedTime >= 2 * 0.0005 - 1e-12);
    QVERIFY(state->statorAngle >= 2 * 0.1570795 - 1e-12);
}

void AnimationTest::resetWhileRunningKeepsRunning() {
    WindingSettings rotor = test::PhaseOneRecord();
    rotor.initialPositionDeg = 30;
    window->ApplyWindingSettings(1, rotor);
    Click(animation);
    QTRY_VERIFY(state->elapsedTime > 0);
    Click(reset);
    QCOMPARE(state->elapsedTime, 0.0);
    QCOMPARE(state->statorAngle, 0.0);
    QCOMPARE(state->rotorAngle, 0.0);
    QCOMPARE(state->rotorPosition, 30 * kDegreeFactor);
    QVERIFY(Timer()->isActive());
    QCOMPARE(Caption(), QStringLiteral("&Stop"));
    QTRY_VERIFY(state->elapsedTime > 0);  // and the clock goes on from zero
}

void AnimationTest::resetWhileStoppedRepaintsAtZero() {
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    for (int tick = 0; tick < 5; ++tick) window->OnClockTick();
    const int m = std::min(view->width(), view->height());
    const QPoint forward(view->width() / 2, view->height() / 2 - static_cast<int>(m * 0.45));
    QVERIFY(test::ScreenPixel(*view, forward) != QColor(0, 0, 31));
    Click(reset);
    QCOMPARE(state->statorAngle, 0.0);
    QVERIFY(!Timer()->isActive());
    // At angle 0 the phase 1 conductors carry no current: neutral.
    QCOMPARE(test::ScreenPixel(*view, forward), QColor(0, 0, 31));
}

void AnimationTest::settingsResetTheClock_data() {
    QTest::addColumn<int>("selector");
    QTest::newRow("stator") << 0;
    QTest::newRow("rotor") << 1;
    QTest::newRow("unknown selector") << 7;
}

void AnimationTest::settingsResetTheClock() {
    QFETCH(int, selector);
    window->ApplyWindingSettings(1, test::PhaseOneRecord());
    for (int tick = 0; tick < 4; ++tick) window->OnClockTick();
    WindingSettings record = test::PhaseOneRecord();
    record.rotationHz = 1;
    record.initialPositionDeg = 90;
    window->ApplyWindingSettings(selector, record);
    QCOMPARE(state->elapsedTime, 0.0);
    QCOMPARE(state->statorAngle, 0.0);
    QCOMPARE(state->rotorAngle, 0.0);
    QCOMPARE(state->rotorPosition, selector == 1 ? 90 * kDegreeFactor : 0.0);
}

void AnimationTest::ticksSeenInTheView_data() {
    // Stator phase 1 alone, 50 Hz, angle 0: 0.1570795 per tick. The forward conductor
    // (top) has level trunc(32 sin a + 32), the return one (bottom) trunc(32 - 32 sin a);
    // "Bleu Noir Rouge" shows level L <= 32 as (0, 0, 255 - 7L), above as (7L - 200, 0, 0).
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QColor>("forward");
    QTest::addColumn<QColor>("back");
    // sin 0 = 0: levels 32 and 32.
    QTest::newRow("0 ticks") << 0 << QColor(0, 0, 31) << QColor(0, 0, 31);
    // a = 0.7853975, 32 sin a = 22.627: levels 54 and 9.
    QTest::newRow("5 ticks") << 5 << QColor(178, 0, 0) << QColor(0, 0, 192);
    // a = 1.570795, 32 sin a just below 32: levels 63 and 0.
    QTest::newRow("10 ticks") << 10 << QColor(241, 0, 0) << QColor(0, 0, 255);
    // a = 3.14159, sin a just above 0: levels 32 and 31.
    QTest::newRow("20 ticks") << 20 << QColor(0, 0, 31) << QColor(0, 0, 38);
    // a = 4.712385, 32 sin a just above -32: levels 0 and 63.
    QTest::newRow("30 ticks") << 30 << QColor(0, 0, 255) << QColor(241, 0, 0);
}

void AnimationTest::ticksSeenInTheView() {
    QFETCH(int, ticks);
    QFETCH(QColor, forward);
    QFETCH(QColor, back);
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    for (int tick = 0; tick < ticks; ++tick) window->OnClockTick();

    // The phase 1 conductors sit straight above and below the centre, 0.45 m away.
    const int m = std::min(view->width(), view->height());
    const QPoint centre(view->width() / 2, view->height() / 2);
    const int ring = static_cast<int>(m * 0.45);
    QCOMPARE(test::ScreenPixel(*view, centre - QPoint(0, ring)), forward);
    QCOMPARE(test::ScreenPixel(*view, centre + QPoint(0, ring)), back);
    // Beside them, outside the ring, the background.
    QCOMPARE(test::ScreenPixel(*view, centre + QPoint(ring, 0)), QColor(Qt::white));
}

void AnimationTest::statorAngleWrapsOnTheFortiethTick() {
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    for (int tick = 0; tick < 39; ++tick) window->OnClockTick();
    QCOMPARE(state->statorAngle, 6.126100500000001);
    window->OnClockTick();
    QVERIFY(state->statorAngle >= 0);
    QVERIFY(state->statorAngle < 1e-14);
    // Time does not wrap: 40 steps of 0.0005.
    QVERIFY(qAbs(state->elapsedTime - 0.02) < 1e-15);
}

void AnimationTest::rotorPositionFollowsRotation() {
    WindingSettings rotor = test::PhaseOneRecord();
    rotor.rotationHz = 50;
    rotor.initialPositionDeg = 90;
    window->ApplyWindingSettings(1, rotor);
    const double start = 90 * kDegreeFactor;
    QCOMPARE(state->rotorPosition, start);
    window->OnClockTick();
    QCOMPARE(state->rotorPosition, start + 0.0005 * (50 * 6.28318));
    // Past a turn the rotor position keeps growing, unwrapped.
    for (int tick = 1; tick < 50; ++tick) window->OnClockTick();
    QVERIFY(state->rotorPosition > 6.28318);
}

VIREFLU_GUI_TEST_MAIN(AnimationTest)
#include "animation_test.moc"
