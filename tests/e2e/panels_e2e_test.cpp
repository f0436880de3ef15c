// The "Stator" and "Rotor" panels as a person uses them: the real program on an X screen of
// 1280 x 1024, both panels opened from the menu, the stator switched to a three-phase supply
// by clicking and typing in its panel and watched while the clock runs, then put on direct
// current and seen in the air-gap colours.

#include <QSet>
#include <QTest>
#include <QtMath>
#include <cmath>
#include <numbers>

#include "desktop_driver.h"

using namespace vireflu::e2e;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
// The field vector; the axes of the phase pictures share its red.
const QColor kRed(255, 0, 0);
const QColor kCurveBlue(0, 0, 255);
// Entry 32, the neutral level, of "Bleu Noir Rouge".
const QColor kBlueNeutral(0, 0, 31);

constexpr double kTurn = 2 * std::numbers::pi;

// Panels are laid out in dialog units of 6/4 pixel across and 13/8 pixel down.
QPoint DialogPoint(double x, double y) {
    return QPoint(qRound(x * 6 / 4), qRound(y * 13 / 8));
}

QRect DialogRect(int x, int y, int width, int height) {
    return QRect(DialogPoint(x, y), DialogPoint(x + width, y + height) - QPoint(1, 1));
}

// Template rows of the stator panel's phases 1, 2 and 3 (index 0, 1, 2), in dialog units:
// the top of the check box, of the picture frame and of the angle field.
constexpr int kCheckTop[] = {117, 62, 7};
constexpr int kFrameTop[] = {133, 78, 22};
constexpr int kFieldTop[] = {148, 95, 31};

// A 70 x 40 dialog-unit frame is 105 x 65 pixels; its picture lies 4 pixels inside.
const QSize kPictureSize(97, 57);

// The angle a picture column stands for: one period, 6.28318, spans the w - 15 columns
// from x = 10, where the vertical axis is.
double ColumnAngle(double column) {
    return (column - 10) * 6.28318 / (kPictureSize.width() - 15);
}

// Where the sine of a phase at this angle peaks: sin(t + phase) is highest at t = 90 degrees
// less the phase angle, taken within one period.
double PeakColumn(int phaseAngleDeg) {
    const int peakDeg = ((90 - phaseAngleDeg) % 360 + 360) % 360;
    return 10 + (kPictureSize.width() - 15) * peakDeg / 360.0;
}

// How far `to` lies clockwise of `from`, in [0, one turn).
double Clockwise(double from, double to) {
    return std::fmod(std::fmod(to - from, kTurn) + kTurn, kTurn);
}

double AngleBetween(double a, double b) {
    const double d = Clockwise(a, b);
    return std::min(d, kTurn - d);
}

// What one phase picture shows.
struct PhasePicture {
    QRect area;  // screen pixels; empty while the phase has no picture
    QSet<int> cursorColumns;
    int cursorPixels = 0;
    QSet<int> curveRows;
    double peakColumn = -1;  // mean column of the curve's highest pixels

    bool Shown() const { return area.size() == kPictureSize; }
    // The time cursor's column, or -1 unless there is exactly one.
    int Cursor() const { return cursorColumns.size() == 1 ? *cursorColumns.begin() : -1; }
};

// The picture is the frame's white interior: the frame's black line and the panel's grey
// between the two lie outside it. Inside, black is the time cursor alone and blue the curve.
PhasePicture ReadPicture(const QImage& shot, const QRect& frame) {
    PhasePicture picture;
    for (QPoint p : PixelsOf(shot, kWhite, frame.adjusted(2, 2, -2, -2)))
        picture.area |= QRect(p, QSize(1, 1));
    if (picture.area.isEmpty()) return picture;
    const QPoint origin = picture.area.topLeft();
    for (QPoint p : PixelsOf(shot, kBlack, picture.area)) {
        picture.cursorColumns.insert(p.x() - origin.x());
        ++picture.cursorPixels;
    }
    const QList<QPoint> curve = PixelsOf(shot, kCurveBlue, picture.area);
    int top = picture.area.bottom();
    for (QPoint p : curve) {
        picture.curveRows.insert(p.y() - origin.y());
        top = std::min(top, p.y());
    }
    double sum = 0;
    int count = 0;
    for (QPoint p : curve) {
        if (p.y() != top) continue;
        sum += p.x() - origin.x();
        ++count;
    }
    if (count > 0) picture.peakColumn = sum / count;
    return picture;
}

// The red field vector as seen on the screen.
struct FieldVector {
    bool found = false;
    bool fromCentre = false;  // its first pixel is the machine centre
    bool straight = false;    // every red pixel lies on the segment from the centre to the tip
    double length = 0;        // centre to tip
    double bearing = 0;       // clockwise from straight up, in [0, one turn)
};

FieldVector ReadVector(const QImage& shot, QPoint centre, int reach, const QRect& hidden) {
    const QRect box(centre - QPoint(reach, reach), centre + QPoint(reach, reach));
    QList<QPoint> red;
    for (QPoint p : PixelsOf(shot, kRed, box))
        if (!hidden.contains(p)) red.append(p);
    FieldVector vector;
    if (red.isEmpty()) return vector;
    vector.found = true;
    vector.fromCentre = shot.pixelColor(centre) == kRed;
    QPointF tip;
    for (QPoint p : red) {
        const QPointF d = p - centre;
        if (std::hypot(d.x(), d.y()) > vector.length) {
            vector.length = std::hypot(d.x(), d.y());
            tip = d;
        }
    }
    vector.bearing = Clockwise(0, std::atan2(tip.x(), -tip.y()));
    vector.straight = true;
    for (QPoint p : red) {
        const QPointF d = p - centre;
        // Distance from the line through the centre and the tip, and no pixel beyond it.
        const double off = std::abs(d.x() * tip.y() - d.y() * tip.x()) / vector.length;
        if (off > 1.0 || QPointF::dotProduct(d, tip) < -1) vector.straight = false;
    }
    return vector;
}

}  // namespace

class PanelsE2eTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void panelsOpenAtTheClientOrigin();
    void statorTakesThreePhasesTypedIn();
    void fieldVectorTurnsWithTheCursors();
    void continuColoursTheAirGap();
    void airGapSectorColours_data();
    void airGapSectorColours();
    void quitEndsTheProgramCleanly();

private:
    // A point of the stator panel given in dialog units, on the screen.
    QPoint StatorPoint(double x, double y) const {
        return statorRect.topLeft() + DialogPoint(x, y);
    }
    // A check box or radio button is clicked on its indicator, near its left edge.
    void ClickButton(double x, double top, double height);
    void TypeAngle(int phase, const QString& digits);
    PhasePicture Picture(const QImage& shot, int phase) const;
    FieldVector Vector(const QImage& shot) const;
    // Checks the field vector of a three-phase stator at 0, 120 and 240 degrees: about
    // 0.6 of the air gap's inner radius long whatever the time, drawn from the centre.
    void VerifyVectorShape(const FieldVector& vector, const QString& shot) const;
    // Checks that every picture holds one time cursor, the same in all, 47 pixels high:
    // from y = 5 to trunc(57 - 5) = 52, the segment's end pixel left out.
    void VerifyCursors(const QImage& image, const QString& shot) const;

    DesktopDriver driver{QStringLiteral(VIREFLU_ARTEFACTS)};
    QString window;
    QString stator;
    QRect windowRect;
    QRect viewRect;
    QRect statorRect;
    QPoint centre;
    int gapInnerRadius = 0;
    int gapOuterRadius = 0;
    QImage airGapShot;
};

void PanelsE2eTest::ClickButton(double x, double top, double height) {
    driver.ClickAt(StatorPoint(x, top + height / 2) + QPoint(6, 0));
}

void PanelsE2eTest::TypeAngle(int phase, const QString& digits) {
    // The field holds up to three characters and takes no select-all: clear it from the end.
    driver.ClickAt(StatorPoint(83 + 8, kFieldTop[phase - 1] + 6));
    driver.Key(QStringLiteral("End"));
    for (int i = 0; i < 3; ++i) driver.Key(QStringLiteral("BackSpace"));
    driver.Type(digits);
}

PhasePicture PanelsE2eTest::Picture(const QImage& shot, int phase) const {
    return ReadPicture(
        shot, DialogRect(7, kFrameTop[phase - 1], 70, 40).translated(statorRect.topLeft()));
}

FieldVector PanelsE2eTest::Vector(const QImage& shot) const {
    // The stator panel's pictures have red axes too; the rotor panel stands aside.
    return ReadVector(shot, centre, static_cast<int>(0.6 * gapInnerRadius) + 4, statorRect);
}

void PanelsE2eTest::VerifyVectorShape(const FieldVector& vector, const QString& shot) const {
    QVERIFY2(vector.found, qPrintable(driver.Failure(QStringLiteral("no field vector"), shot)));
    QVERIFY2(vector.fromCentre && vector.straight,
             qPrintable(driver.Failure(QStringLiteral("not a line from the centre"), shot)));
    // The vector's ends are truncated and its last pixel is left out: up to 3 pixels short.
    const double expected = 0.6 * gapInnerRadius;
    QVERIFY2(vector.length > expected - 3 && vector.length <= expected,
             qPrintable(driver.Failure(
                 QStringLiteral("length %1, expected about %2").arg(vector.length).arg(expected),
                 shot)));
}

void PanelsE2eTest::VerifyCursors(const QImage& image, const QString& shot) const {
    const int column = Picture(image, 1).Cursor();
    for (int phase = 1; phase <= 3; ++phase) {
        const PhasePicture picture = Picture(image, phase);
        const QString where = driver.Failure(QStringLiteral("phase %1 cursor").arg(phase), shot);
        QVERIFY2(picture.Shown(), qPrintable(where));
        QVERIFY2(picture.Cursor() >= 10 && picture.Cursor() == column, qPrintable(where));
        QCOMPARE(picture.cursorPixels, 47);
    }
}

void PanelsE2eTest::initTestCase() {
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "needs an X display: run under xvfb-run");
    QVERIFY(driver.Start(QStringLiteral(VIREFLU_PROGRAM)));
    window = driver.FindWindow(QStringLiteral("Vireflu"));
    QVERIFY2(!window.isEmpty(), "no window titled Vireflu");
    QVERIFY(driver.Focus(window));
    windowRect = driver.WindowGeometry(window);

    const QString shot = QStringLiteral("01-start");
    const QImage image = driver.WaitForScreen(
        shot, [&](const QImage& i) { return !PixelsOf(i, kBlueNeutral, windowRect).isEmpty(); },
        10000);
    viewRect = WhiteArea(image, windowRect);
    QVERIFY2(viewRect.height() > windowRect.height() / 2,
             qPrintable(driver.Failure(QStringLiteral("no white view"), shot)));
    // The view's layout: centre trunc(side / 2), radii trunc(0.35 m) and trunc(0.4 m) of
    // the shorter side m.
    centre = viewRect.topLeft() + QPoint(viewRect.width() / 2, viewRect.height() / 2);
    const int m = std::min(viewRect.width(), viewRect.height());
    gapInnerRadius = static_cast<int>(m * 0.35);
    gapOuterRadius = static_cast<int>(m * 0.4);
}

void PanelsE2eTest::panelsOpenAtTheClientOrigin() {
    // Both panels open at the top-left of the main window's client area, just under the
    // menu bar, sized from their templates: 128 x 263 and 128 x 301 dialog units.
    QVERIFY(driver.Focus(window));
    driver.Key(QStringLiteral("alt+v"));
    driver.Key(QStringLiteral("s"));
    stator = driver.FindWindow(QStringLiteral("Stator"));
    QVERIFY2(!stator.isEmpty(), "no window titled Stator");
    statorRect = driver.WindowGeometry(stator);
    QCOMPARE(statorRect, QRect(viewRect.topLeft(), QSize(192, 427)));

    QVERIFY(driver.Focus(window));
    driver.Key(QStringLiteral("alt+v"));
    driver.Key(QStringLiteral("r"));
    const QString rotor = driver.FindWindow(QStringLiteral("Rotor"));
    QVERIFY2(!rotor.isEmpty(), "no window titled Rotor");
    QCOMPARE(driver.WindowGeometry(rotor), QRect(viewRect.topLeft(), QSize(192, 489)));

    // The rotor panel goes to the right of the main window, so that both can be seen.
    const QPoint aside = windowRect.topRight() + QPoint(1, 0);
    driver.MoveWindow(rotor, aside);
    QCOMPARE(driver.WindowGeometry(rotor).topLeft(), aside);
    driver.Screenshot(QStringLiteral("02-panels-open"));
}

void PanelsE2eTest::statorTakesThreePhasesTypedIn() {
    QVERIFY(!statorRect.isEmpty());
    QVERIFY(driver.Focus(stator));
    const auto shown = [&](int phase) {
        return [this, phase](const QImage& i) { return Picture(i, phase).Shown(); };
    };
    const auto peaksAt = [&](int phase, int angleDeg) {
        return [this, phase, angleDeg](const QImage& i) {
            return qAbs(Picture(i, phase).peakColumn - PeakColumn(angleDeg)) <= 2;
        };
    };

    ClickButton(7, kCheckTop[0], 13);
    QString shot = QStringLiteral("03-phase-1");
    QImage image = driver.WaitForScreen(shot, shown(1), 10000);
    QVERIFY2(shown(1)(image), qPrintable(driver.Failure(QStringLiteral("no picture"), shot)));
    QVERIFY2(!Picture(image, 2).Shown() && !Picture(image, 3).Shown(),
             qPrintable(driver.Failure(QStringLiteral("phases 2 and 3 pictured"), shot)));

    ClickButton(7, kCheckTop[1], 13);
    shot = QStringLiteral("04-phase-2");
    QVERIFY2(shown(2)(driver.WaitForScreen(shot, shown(2), 10000)),
             qPrintable(driver.Failure(QStringLiteral("no picture"), shot)));
    TypeAngle(2, QStringLiteral("120"));
    shot = QStringLiteral("05-phase-2-at-120");
    QVERIFY2(peaksAt(2, 120)(driver.WaitForScreen(shot, peaksAt(2, 120), 10000)),
             qPrintable(driver.Failure(QStringLiteral("curve not shifted"), shot)));

    ClickButton(7, kCheckTop[2], 13);
    shot = QStringLiteral("06-phase-3");
    QVERIFY2(shown(3)(driver.WaitForScreen(shot, shown(3), 10000)),
             qPrintable(driver.Failure(QStringLiteral("no picture"), shot)));
    TypeAngle(3, QStringLiteral("240"));
    shot = QStringLiteral("07-phase-3-at-240");
    image = driver.WaitForScreen(shot, peaksAt(3, 240), 10000);

    // Every change resets the clock: all cursors stand on the vertical axis, and each
    // curve is shifted left by its phase angle.
    VerifyCursors(image, shot);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(Picture(image, 1).Cursor(), 10);
    const int angles[] = {0, 120, 240};
    for (int phase = 1; phase <= 3; ++phase) {
        QVERIFY2(peaksAt(phase, angles[phase - 1])(image),
                 qPrintable(driver.Failure(QStringLiteral("phase %1 curve peaks at %2")
                                               .arg(phase)
                                               .arg(Picture(image, phase).peakColumn),
                                           shot)));
    }
}

void PanelsE2eTest::fieldVectorTurnsWithTheCursors() {
    QVERIFY(driver.Focus(window));
    // "&Représentation" opens on "Entrefer:couleur"; "Vecteur" is the next item.
    driver.Key(QStringLiteral("alt+r"));
    driver.Key(QStringLiteral("Down"));
    driver.Key(QStringLiteral("Return"));
    QString shot = QStringLiteral("08-vector-at-rest");
    QImage image = driver.WaitForScreen(
        shot, [&](const QImage& i) { return Vector(i).found; }, 10000);
    // At time 0 the currents are 0, sin 120 and sin 240 degrees: the field points up.
    FieldVector previous = Vector(image);
    VerifyVectorShape(previous, shot);
    if (QTest::currentTestFailed()) return;
    QVERIFY2(AngleBetween(previous.bearing, 0) < 0.02,
             qPrintable(driver.Failure(QStringLiteral("not upright"), shot)));
    int previousCursor = Picture(image, 1).Cursor();

    driver.Key(QStringLiteral("alt+a"));
    for (int n = 1; n <= 4; ++n) {
        shot = QStringLiteral("%1-turning-%2").arg(8 + n, 2, 10, QLatin1Char('0')).arg(n);
        const auto moved = [&](const QImage& i) {
            const FieldVector vector = Vector(i);
            const int cursor = Picture(i, 1).Cursor();
            return vector.found && AngleBetween(vector.bearing, previous.bearing) > 0.02 &&
                   cursor >= 0 && cursor != previousCursor;
        };
        image = driver.WaitForScreen(shot, moved, 10000);
        QVERIFY2(moved(image),
                 qPrintable(driver.Failure(QStringLiteral("vector or cursor stood still"), shot)));
        const FieldVector vector = Vector(image);
        VerifyVectorShape(vector, shot);
        VerifyCursors(image, shot);
        if (QTest::currentTestFailed()) return;
        // The field turns clockwise, a tick of 9 degrees at a time.
        QVERIFY2(Clockwise(previous.bearing, vector.bearing) < std::numbers::pi,
                 qPrintable(driver.Failure(QStringLiteral("turned anticlockwise"), shot)));
        // Its bearing is the stator angle the cursors show: within the cursor's column,
        // and a tick, should the panel and the view have been caught between two frames.
        const int cursor = Picture(image, 1).Cursor();
        const double shown = ColumnAngle(cursor + 0.5);
        QVERIFY2(
            AngleBetween(vector.bearing, shown) < 0.05 + 0.1570795,
            qPrintable(driver.Failure(
                QStringLiteral("vector at %1 rad, cursor at %2 rad").arg(vector.bearing).arg(shown),
                shot)));
        previous = vector;
        previousCursor = cursor;
    }
}

void PanelsE2eTest::continuColoursTheAirGap() {
    QVERIFY(driver.Focus(stator));
    ClickButton(7, 184, 9);  // "continu"
    QString shot = QStringLiteral("13-continu");
    // One picture is left, phase 1's, with a flat line at y = 10.
    const auto flat = [&](const QImage& i) {
        return Picture(i, 1).curveRows == QSet<int>{10} && !Picture(i, 2).Shown() &&
               !Picture(i, 3).Shown();
    };
    QVERIFY2(flat(driver.WaitForScreen(shot, flat, 10000)),
             qPrintable(driver.Failure(QStringLiteral("not a single flat line"), shot)));

    QVERIFY(driver.Focus(window));
    driver.Key(QStringLiteral("alt+r"));
    driver.Key(QStringLiteral("Return"));  // "Entrefer:couleur"
    shot = QStringLiteral("14-continu-air-gap");
    // The ring is back once the top of it is no longer white.
    const QPoint top = centre - QPoint(0, (gapInnerRadius + gapOuterRadius) / 2);
    airGapShot = driver.WaitForScreen(
        shot, [&](const QImage& i) { return i.pixelColor(top) != kWhite; }, 10000);
    QVERIFY2(airGapShot.pixelColor(top) != kWhite,
             qPrintable(driver.Failure(QStringLiteral("no ring"), shot)));
}

void PanelsE2eTest::airGapSectorColours_data() {
    QTest::addColumn<double>("angleDeg");
    QTest::addColumn<QColor>("colour");

    // The stator alone on "continu": sector k (from 2k to 2k + 2 degrees, k < 90) takes
    // level trunc((cos 2k + 1) x 32) and sector k + 90 the level 64 less it. In "Bleu Noir
    // Rouge" a level L up to 32 is (0, 0, 255 - 7L), above it (7L - 200, 0, 0). Each sample
    // is taken mid-ring at the middle of its sector.
    // Sector 0: cos 0 = 1, level 64.
    QTest::newRow("sector 0, right of the centre") << 1.0 << QColor(248, 0, 0);
    // Sector 22: cos 44 = 0.7193, 1.7193 x 32 = 55.02, level 55.
    QTest::newRow("sector 22, 44 to 46 degrees") << 45.0 << QColor(185, 0, 0);
    // Sector 45: cos 90 is a hair above 0 with the program's degree factor, level 32.
    QTest::newRow("sector 45, top") << 91.0 << kBlueNeutral;
    // Sector 60: cos 120 is a hair above -0.5, 0.5 x 32 = 16.00005, level 16.
    QTest::newRow("sector 60, 120 to 122 degrees") << 121.0 << QColor(0, 0, 143);
    // Sector 120: 64 less sector 30's level; cos 60 a hair above 0.5 gives 48, so 16.
    QTest::newRow("sector 120, 240 to 242 degrees") << 241.0 << QColor(0, 0, 143);
    // Sector 135: 64 less sector 45's 32.
    QTest::newRow("sector 135, bottom") << 271.0 << kBlueNeutral;
    // Sector 157: 64 less sector 67's; cos 134 = -0.6947, 0.3053 x 32 = 9.77, so 64 - 9.
    QTest::newRow("sector 157, 314 to 316 degrees") << 315.0 << QColor(185, 0, 0);
    // Sector 179: 64 less sector 89's; cos 178 = -0.99939, 0.0006 x 32 = 0.02, so 64.
    QTest::newRow("sector 179, below the right") << 359.0 << QColor(248, 0, 0);
}

void PanelsE2eTest::airGapSectorColours() {
    QFETCH(double, angleDeg);
    QFETCH(QColor, colour);
    QVERIFY(!airGapShot.isNull());
    const double a = qDegreesToRadians(angleDeg);
    const double r = (gapInnerRadius + gapOuterRadius) / 2.0;
    const QPoint sample = centre + QPoint(qRound(r * std::cos(a)), -qRound(r * std::sin(a)));
    QVERIFY2(!statorRect.contains(sample), "sample hidden by the stator panel");
    QCOMPARE(airGapShot.pixelColor(sample), colour);
}

void PanelsE2eTest::quitEndsTheProgramCleanly() {
    // The clock still runs; quitting must end the program with status 0, which under the
    // sanitizers also means no error and no leak was reported.
    QVERIFY(driver.Focus(window));
    driver.Key(QStringLiteral("alt+g"));
    driver.Key(QStringLiteral("q"));
    QVERIFY(driver.WaitForExit(20000));
    QCOMPARE(driver.ExitStatus(), QProcess::NormalExit);
    QCOMPARE(driver.ExitCode(), 0);
}

QTEST_GUILESS_MAIN(PanelsE2eTest)
#include "panels_e2e_test.moc"
