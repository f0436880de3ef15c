// The "&Représentation" and "&Couleur" commands: the display flags and colour map they
// set, the picture they redraw, and the clock they leave alone.

#include "gui_test_support.h"
#include "machine_view.h"
#include "main_window.h"

using namespace vireflu;

namespace {

// Where the machine lies in a view of this size: centre and a radius in the middle of the
// air-gap ring (which spans 0.35 to 0.4 of the shorter side).
struct Layout {
    QPoint centre;
    int ringMiddle;
};
Layout LayoutOf(const QWidget& view) {
    const int m = std::min(view.width(), view.height());
    return {QPoint(view.width() / 2, view.height() / 2), static_cast<int>(m * 0.375)};
}

}  // namespace

class PresentationMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void presentationSetsFlagsAndPicture_data();
    void presentationSetsFlagsAndPicture();
    void traceStartsAfreshEachTime();
    void colourMapRecolours_data();
    void colourMapRecolours();
    void commandsLeaveTheClockAlone();

private:
    void Choose(const QString& menu, const QString& item);
    QColor ViewPixel(QPoint at) { return test::ScreenPixel(*view, at); }

    SimulationState* state = nullptr;
    CMainWindow* window = nullptr;
    CMachineView* view = nullptr;
};

void PresentationMenuTest::init() {
    state = new SimulationState;
    window = new CMainWindow(*state);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    view = window->findChild<CMachineView*>();
    QVERIFY(view);
}

void PresentationMenuTest::cleanup() {
    delete window;
    delete state;
}

void PresentationMenuTest::Choose(const QString& menu, const QString& item) {
    QAction* action = test::MenuAction(*window, menu, item);
    QVERIFY2(action, qPrintable(item));
    action->trigger();
}

void PresentationMenuTest::presentationSetsFlagsAndPicture_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QList<int>>("flags");  // airGap, trace, vector, mmf, torque
    QTest::addColumn<bool>("ringShown");    // neutral ring, all phases being off
    QTest::addColumn<bool>("zeroLine");     // the torque bar's zero line at the left edge
    QTest::newRow("air gap") << QStringLiteral("Entrefer:couleur") << QList<int>{1, 0, 0, 0, 0}
                             << true << false;
    QTest::newRow("vector") << QStringLiteral("Vecteur") << QList<int>{0, 0, 1, 0, 0} << false
                            << false;
    QTest::newRow("trace") << QStringLiteral("Trace") << QList<int>{0, 1, 0, 0, 0} << false
                           << false;
    QTest::newRow("mmf") << QStringLiteral("Forces magnéto-motrices") << QList<int>{0, 0, 1, 1, 0}
                         << true << false;
    QTest::newRow("torque") << QStringLiteral("Couple") << QList<int>{0, 0, 1, 1, 1} << true
                            << true;
}

void PresentationMenuTest::presentationSetsFlagsAndPicture() {
    QFETCH(QString, item);
    QFETCH(QList<int>, flags);
    QFETCH(bool, ringShown);
    QFETCH(bool, zeroLine);

    // Start from the presentation furthest from each row, so every flag must be written.
    Choose(QStringLiteral("&Représentation"),
           item == QStringLiteral("Couple") ? QStringLiteral("Trace") : QStringLiteral("Couple"));
    Choose(QStringLiteral("&Représentation"), item);
    QCOMPARE((QList<int>{state->airGapMode, state->traceMode, state->vectorMode, state->mmfMode,
                         state->torqueMode}),
             flags);

    const Layout layout = LayoutOf(*view);
    const QColor neutral(0, 0, 31);
    const QColor white(Qt::white);
    const QPoint ringPoints[] = {
        layout.centre + QPoint(layout.ringMiddle, 0), layout.centre - QPoint(layout.ringMiddle, 0),
        layout.centre + QPoint(0, layout.ringMiddle), layout.centre - QPoint(0, layout.ringMiddle)};
    for (QPoint p : ringPoints) QCOMPARE(ViewPixel(p), ringShown ? neutral : white);
    QCOMPARE(ViewPixel(QPoint(1, layout.centre.y())), zeroLine ? QColor(Qt::black) : white);
    QCOMPARE(ViewPixel(QPoint(1, 1)), white);
}

void PresentationMenuTest::traceStartsAfreshEachTime() {
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    Choose(QStringLiteral("&Représentation"), QStringLiteral("Trace"));
    QCOMPARE(state->traceCount, 1);  // the command's own drawing
    window->OnClockTick();
    window->OnClockTick();
    QCOMPARE(state->traceCount, 3);
    Choose(QStringLiteral("&Représentation"), QStringLiteral("Trace"));
    QCOMPARE(state->traceCount, 1);
}

void PresentationMenuTest::colourMapRecolours_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QColor>("neutral");  // entry 32 of the map
    QTest::newRow("blue black red") << QStringLiteral("Bleu Noir Rouge") << QColor(0, 0, 31);
    QTest::newRow("green black red") << QStringLiteral("Vert NoirRouge") << QColor(0, 31, 0);
    QTest::newRow("cao") << QStringLiteral("CAO") << QColor(255, 70, 0);
}

void PresentationMenuTest::colourMapRecolours() {
    QFETCH(QString, item);
    QFETCH(QColor, neutral);
    // Choosing a map twice rebuilds the same map.
    for (int time = 0; time < 2; ++time) {
        Choose(QStringLiteral("&Couleur"), item);
        const Layout layout = LayoutOf(*view);
        QCOMPARE(ViewPixel(layout.centre + QPoint(layout.ringMiddle, 0)), neutral);
        QCOMPARE(ViewPixel(layout.centre), QColor(Qt::white));
    }
}

void PresentationMenuTest::commandsLeaveTheClockAlone() {
    window->ApplyWindingSettings(0, test::PhaseOneRecord());
    for (int tick = 0; tick < 3; ++tick) window->OnClockTick();
    const double angle = state->statorAngle;
    const double time = state->elapsedTime;
    QVERIFY(angle > 0);

    const QStringList presentations{
        QStringLiteral("Entrefer:couleur"), QStringLiteral("Vecteur"), QStringLiteral("Trace"),
        QStringLiteral("Forces magnéto-motrices"), QStringLiteral("Couple")};
    for (const QString& item : presentations) Choose(QStringLiteral("&Représentation"), item);
    const QStringList maps{QStringLiteral("Bleu Noir Rouge"), QStringLiteral("Vert NoirRouge"),
                           QStringLiteral("CAO")};
    for (const QString& item : maps) Choose(QStringLiteral("&Couleur"), item);

    QCOMPARE(state->statorAngle, angle);
    QCOMPARE(state->elapsedTime, time);
    QCOMPARE(state->statorPhaseOn[0], 1);
}

VIREFLU_GUI_TEST_MAIN(PresentationMenuTest)
#include "presentation_menu_test.moc"
