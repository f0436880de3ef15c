#include <QLineEdit>

#include "panel_test_support.h"

using vireflu::Winding;
using vireflu::panels_test::OpenPanel;
using vireflu::panels_test::PixelAt;

Q_DECLARE_METATYPE(Winding)

// The phase pictures as they appear in the panel: colours probed at picture coordinates
// (origin at the picture's top-left corner, 4 pixels inside its 105 x 65 frame, so a
// picture is 97 x 57) after the panel redrew at a given clock angle.
class PhasePicturesTest : public QObject {
    Q_OBJECT

private slots:
    void probes_data();
    void probes();
};

void PhasePicturesTest::probes_data() {
    QTest::addColumn<Winding>("winding");
    QTest::addColumn<QString>("angle1");  // typed into phase 1's field after the first click
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<double>("currentAngle");
    QTest::addColumn<int>("phase");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("colour");

    const Winding S = Winding::Stator;
    const Winding R = Winding::Rotor;
    const QStringList p1{"phase1Check"};
    const QStringList all{"phase1Check", "phase2Check", "phase3Check"};
    const QStringList rectangulaire{"phase1Check", "rectangulaire"};
    const QStringList continu{"phase1Check", "continu"};

    // The picture fills its frame less 4 pixels on each side.
    QTest::newRow("top-left corner") << S << "" << p1 << 0.0 << 1 << QPoint(0, 0) << "white";
    QTest::newRow("bottom-right corner") << S << "" << p1 << 0.0 << 1 << QPoint(96, 56) << "white";
    QTest::newRow("left of the picture")
        << S << "" << p1 << 0.0 << 1 << QPoint(-1, 20) << "background";
    QTest::newRow("right of the picture")
        << S << "" << p1 << 0.0 << 1 << QPoint(97, 20) << "background";
    QTest::newRow("above the picture")
        << S << "" << p1 << 0.0 << 1 << QPoint(20, -1) << "background";
    QTest::newRow("below the picture")
        << S << "" << p1 << 0.0 << 1 << QPoint(20, 57) << "background";

    // The time cursor: x = 10 + trunc((97 - 15) * angle / 6.28318), from y 5 to y 51.
    QTest::newRow("cursor on the axis at 0")
        << S << "" << p1 << 0.0 << 1 << QPoint(10, 15) << "black";
    QTest::newRow("no cursor mid-picture at 0")
        << S << "" << p1 << 0.0 << 1 << QPoint(51, 15) << "white";
    QTest::newRow("cursor mid-picture at 3.14159")
        << S << "" << p1 << 3.14159 << 1 << QPoint(51, 15) << "black";
    QTest::newRow("axis bare at 3.14159")
        << S << "" << p1 << 3.14159 << 1 << QPoint(10, 15) << "red";
    QTest::newRow("cursor top at y 5") << S << "" << p1 << 3.14159 << 1 << QPoint(51, 5) << "black";
    QTest::newRow("nothing above y 5") << S << "" << p1 << 3.14159 << 1 << QPoint(51, 4) << "white";
    QTest::newRow("cursor bottom at y 51")
        << S << "" << p1 << 3.14159 << 1 << QPoint(51, 51) << "black";
    QTest::newRow("nothing at y 52") << S << "" << p1 << 3.14159 << 1 << QPoint(51, 52) << "white";
    QTest::newRow("cursor at w - 5 after a turn")
        << S << "" << p1 << 6.28318 << 1 << QPoint(92, 15) << "black";
    QTest::newRow("same cursor in phase 2")
        << S << "" << all << 3.14159 << 2 << QPoint(51, 15) << "black";
    QTest::newRow("same cursor in phase 3")
        << R << "" << all << 3.14159 << 3 << QPoint(51, 15) << "black";

    // Sine, angle 0: crest at (30, 5), trough at (71, 51); angle 90 reaches (51, 51).
    QTest::newRow("sine crest") << S << "" << p1 << 0.0 << 1 << QPoint(30, 5) << "blue";
    QTest::newRow("sine trough") << S << "" << p1 << 0.0 << 1 << QPoint(71, 51) << "blue";
    QTest::newRow("sine at 90 degrees") << S << "90" << p1 << 0.0 << 1 << QPoint(51, 51) << "blue";
    QTest::newRow("no crest at 90 degrees")
        << S << "90" << p1 << 0.0 << 1 << QPoint(30, 5) << "white";
    QTest::newRow("rotor phase 2 sine") << R << "" << all << 0.0 << 2 << QPoint(30, 5) << "blue";

    // Six-step, w = 97: columns 16, 30, 44, 57, 71, 85, 92; levels 10, 28, 47.
    QTest::newRow("phase 1 high") << S << "" << rectangulaire << 0.0 << 1 << QPoint(30, 10)
                                  << "blue";
    QTest::newRow("phase 1 low") << S << "" << rectangulaire << 0.0 << 1 << QPoint(60, 47)
                                 << "blue";
    QTest::newRow("phase 1 not high at 60")
        << S << "" << rectangulaire << 0.0 << 1 << QPoint(60, 10) << "white";
    QTest::newRow("phase 1 ignores its angle")
        << S << "90" << rectangulaire << 0.0 << 1 << QPoint(30, 10) << "blue";
    QTest::newRow("phase 2 high at 60")
        << S << "" << rectangulaire << 0.0 << 2 << QPoint(60, 10) << "blue";
    QTest::newRow("phase 2 starts low")
        << S << "" << rectangulaire << 0.0 << 2 << QPoint(20, 47) << "blue";
    QTest::newRow("phase 3 starts high")
        << S << "" << rectangulaire << 0.0 << 3 << QPoint(13, 10) << "blue";
    QTest::newRow("phase 3 low at 40")
        << S << "" << rectangulaire << 0.0 << 3 << QPoint(40, 47) << "blue";
    QTest::newRow("phase 3 not high at 60")
        << S << "" << rectangulaire << 0.0 << 3 << QPoint(60, 10) << "white";

    // Constant line at y 10.
    QTest::newRow("stator continu") << S << "" << continu << 0.0 << 1 << QPoint(50, 10) << "blue";
    QTest::newRow("rotor continu") << R << "" << continu << 0.0 << 1 << QPoint(50, 10) << "blue";
    QTest::newRow("rotor continu has no sine")
        << R << "" << continu << 0.0 << 1 << QPoint(30, 5) << "white";
}

void PhasePicturesTest::probes() {
    QFETCH(Winding, winding);
    QFETCH(QString, angle1);
    QFETCH(QStringList, clicks);
    QFETCH(double, currentAngle);
    QFETCH(int, phase);
    QFETCH(QPoint, at);
    QFETCH(QString, colour);

    OpenPanel open(winding);
    open.Click(clicks.front());
    if (!angle1.isEmpty()) {
        QLineEdit* edit = open.Find<QLineEdit>("phase1Edit");
        edit->selectAll();
        QTest::keyClicks(edit, angle1);
    }
    for (const QString& name : clicks.mid(1)) open.Click(name);
    open.Panel().SetCurrentAngle(currentAngle);
    open.Panel().DrawPhasePictures();

    QWidget* frame = open.Find<QWidget>(QStringLiteral("phase%1Frame").arg(phase));
    QVERIFY(frame->isVisibleTo(&open.Panel()));
    const QPoint picture = frame->geometry().topLeft() + QPoint(4, 4);
    const QColor expected = colour == QLatin1String("background")
                                ? open.Panel().palette().color(QPalette::Window)
                                : QColor(colour);
    QCOMPARE(PixelAt(open.Panel(), picture + at), expected);
}

VIREFLU_PANEL_TEST_MAIN(PhasePicturesTest)
#include "phase_pictures_test.moc"
