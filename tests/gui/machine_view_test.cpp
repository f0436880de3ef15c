// The machine view on its own: sizes down to nothing, one frame per
// redraw, and crisp drawing at the screen's device pixel ratio.

#include "machine_view.h"
#include "gui_test_support.h"
#include "simulation/display_commands.h"

using namespace vireflu;

class MachineViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tinySizesDrawWithoutFault_data();
    void tinySizesDrawWithoutFault();
    void oneRedrawDrawsOneFrame();
    void drawsAtDevicePixels();

private:
    // Shows the view at exactly this size, inside a window large enough for every row and
    // small enough for the smallest screen the tests run on (400 x 300 at double density).
    bool ShowView(QSize size);

    SimulationState* state = nullptr;
    QWidget* host = nullptr;
    CMachineView* view = nullptr;
};

void MachineViewTest::init() {
    state = new SimulationState;
    host = new QWidget;
    host->setGeometry(0, 0, 400, 300);
    view = new CMachineView(*state, host);
}

void MachineViewTest::cleanup() {
    delete host;
    delete state;
}

bool MachineViewTest::ShowView(QSize size) {
    view->setGeometry(QRect(QPoint(0, 0), size));
    host->show();
    return QTest::qWaitForWindowExposed(host) && view->size() == size;
}

void MachineViewTest::tinySizesDrawWithoutFault_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("0 x 0") << QSize(0, 0);
    QTest::newRow("1 x 1") << QSize(1, 1);
    QTest::newRow("400 x 0") << QSize(400, 0);
}

void MachineViewTest::tinySizesDrawWithoutFault() {
    QFETCH(QSize, size);
    // Every presentation, with the stator on, so the vectors and the torque are computed.
    ApplyWindingSettings(*state, 0, test::PhaseOneRecord());
    QVERIFY(ShowView(size));
    for (Presentation presentation = Presentation::AirGap; presentation <= Presentation::Torque;
         presentation = Presentation(int(presentation) + 1)) {
        SelectPresentation(*state, presentation);
        view->Redraw();
        if (size.isEmpty()) continue;
        const QImage image = test::OnScreen(*view);
        QCOMPARE(image.size(), size * view->devicePixelRatioF());
        // The torque bar's zero line starts at the left edge, on the centre's row.
        if (presentation != Presentation::Torque)
            QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    }
}

void MachineViewTest::oneRedrawDrawsOneFrame() {
    QVERIFY(ShowView(QSize(300, 300)));
    QCoreApplication::processEvents();
    // In "Trace" presentation every drawing records one point.
    SelectPresentation(*state, Presentation::Trace);
    view->Redraw();
    QCOMPARE(state->traceCount, 1);
    view->Redraw();
    view->Redraw();
    QCOMPARE(state->traceCount, 3);
    // Nothing left over to draw later.
    QCoreApplication::processEvents();
    QCOMPARE(state->traceCount, 3);
    // A paint nobody asked for (the view uncovered) draws the present instant anew.
    view->repaint();
    QCOMPARE(state->traceCount, 4);
}

void MachineViewTest::drawsAtDevicePixels() {
    QVERIFY(ShowView(QSize(300, 300)));
    view->Redraw();
    const QImage image = test::OnScreen(*view);
    const qreal ratio = view->devicePixelRatioF();
    // The high-density run asks for its ratio through the environment.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    QCOMPARE(image.size(), QSize(300, 300) * ratio);

    // Along the row through the centre, every device pixel is either background or the
    // ring's neutral colour: no blending, no blurred edge from scaling.
    const int y = static_cast<int>(150 * ratio);
    int ringPixels = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        QVERIFY2(c == QColor(Qt::white) || c == QColor(0, 0, 31), qPrintable(QString::number(x)));
        ringPixels += c != QColor(Qt::white);
    }
    // Two ring crossings of 15 logical pixels each (radii 105 to 120), give or take the
    // edge pixels.
    QVERIFY(qAbs(ringPixels - 30 * ratio) <= 2 * ratio);
}

VIREFLU_GUI_TEST_MAIN(MachineViewTest)
#include "machine_view_test.moc"
