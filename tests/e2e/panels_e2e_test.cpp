// The "Stator" and "Rotor" panels as a person uses them: the real program on an X screen of
// 1280 x 1024, both panels opened from the menu, the stator switched to a three-phase supply
// by clicking and typing in its panel and watched while the clock runs, one period of it
// exported as a GIF, then put on direct current and seen in the air-gap colours, and last
// a single phase split by "Mesures" into two fields turning oppositely.

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTest>
#include <QtMath>
#include <cmath>
#include <functional>
#include <numbers>

#include "desktop_driver.h"

using namespace vireflu::e2e;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);  // the field vector, and the axes of the phase pictures
const QColor kCurveBlue(0, 0, 255);
const QColor kBlueNeutral(0, 0, 31);  // entry 32, the neutral level, of "Bleu Noir Rouge"
const QColor kDirectField(0, 114, 178);
const QColor kInverseField(230, 159, 0);
constexpr double kTurn = 2 * std::numbers::pi;
constexpr int kWait = 10000;

// Panels are laid out in dialog units of 6/4 pixel across and 13/8 pixel down.
QPoint DialogPoint(double x, double y) {
    return QPoint(qRound(x * 6 / 4), qRound(y * 13 / 8));
}

// Template rows of the stator panel's phases 1, 2 and 3 (index 0, 1, 2), in dialog units:
// the top of the check box, of the picture frame and of the angle field.
constexpr int kCheckTop[] = {117, 62, 7};
constexpr int kFrameTop[] = {133, 78, 22};
constexpr int kFieldTop[] = {148, 95, 31};

// How far apart two bearings are, in [0, half a turn].
double AngleBetween(double a, double b) {
    const double d = std::fmod(std::fmod(b - a, kTurn) + kTurn, kTurn);
    return std::min(d, kTurn - d);
}

// What one phase picture shows: its white interior (97 x 57 when shown), inside it the
// time cursor in black and the curve in blue.
struct PhasePicture {
    QRect area;
    QSet<int> cursorColumns;
    int cursorPixels = 0;
    QSet<int> curveRows;

    bool Shown() const { return area.size() == QSize(97, 57); }
    // The time cursor's column, or -1 unless there is exactly one.
    int Cursor() const { return cursorColumns.size() == 1 ? *cursorColumns.begin() : -1; }
};

// The red field vector: whether its first pixel is the centre, its length to the tip and
// its bearing from straight up.
struct FieldVector {
    bool found = false;
    bool fromCentre = false;
    double length = 0;
    double bearing = 0;
};

}  // namespace

class PanelsE2eTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void panelsOpenAtTheClientOrigin();
    void statorTakesThreePhasesTypedIn();
    void fieldVectorTurnsAndCursorsMove();
    void exportsOnePeriodWhileTheClockRuns();
    void continuColoursTheAirGap_data();
    void continuColoursTheAirGap();
    void mesuresSplitsASinglePhase();
    void quitEndsTheProgramCleanly();

private:
    QPoint StatorPoint(double x, double y) const {
        return statorRect.topLeft() + DialogPoint(x, y);
    }
    // A check box or radio button is clicked on its indicator, near its left edge.
    void ClickButton(double top, double height) {
        driver.ClickAt(StatorPoint(7, top + height / 2) + QPoint(6, 0));
    }
    PhasePicture Picture(const QImage& shot, int phase) const;
    // A vector of that colour drawn from the centre (the red field vector by default).
    FieldVector Vector(const QImage& shot, QColor colour = kRed) const;
    // The vector of a three-phase stator at 0, 120 and 240 degrees is drawn from the centre
    // and about 0.6 of the air gap's inner radius long whatever the time.
    void VerifyVector(const FieldVector& vector, const QString& shot) const;
    QImage Await(const QString& shot, const std::function<bool(const QImage&)>& ready,
                 const char* failure) {
        const QImage image = driver.WaitForScreen(shot, ready, kWait);
        if (!ready(image))
            QTest::qFail(qPrintable(driver.Failure(QString::fromLatin1(failure), shot)), __FILE__,
                         __LINE__);
        return image;
    }

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

PhasePicture PanelsE2eTest::Picture(const QImage& shot, int phase) const {
    // The frame is 70 x 40 dialog units at x = 7; inside its black line and the grey
    // margin lies the white picture.
    const int top = kFrameTop[phase - 1];
    const QRect frame(StatorPoint(7, top), StatorPoint(77, top + 40) - QPoint(1, 1));
    PhasePicture picture;
    for (QPoint p : PixelsOf(shot, kWhite, frame.adjusted(2, 2, -2, -2)))
        picture.area |= QRect(p, QSize(1, 1));
    if (picture.area.isEmpty()) return picture;
    const QPoint origin = picture.area.topLeft();
    for (QPoint p : PixelsOf(shot, kBlack, picture.area)) {
        picture.cursorColumns.insert(p.x() - origin.x());
        ++picture.cursorPixels;
    }
    for (QPoint p : PixelsOf(shot, kCurveBlue, picture.area))
        picture.curveRows.insert(p.y() - origin.y());
    return picture;
}

FieldVector PanelsE2eTest::Vector(const QImage& shot, QColor colour) const {
    // The stator panel's pictures have red axes too; the rotor panel stands aside.
    const int reach = static_cast<int>(0.6 * gapInnerRadius) + 4;
    FieldVector vector;
    for (QPoint p :
         PixelsOf(shot, colour,
                  QRect(centre - QPoint(reach, reach), QSize(2, 2) * reach + QSize(1, 1)))) {
        if (statorRect.contains(p)) continue;
        vector.found = true;
        const QPointF d = p - centre;
        if (std::hypot(d.x(), d.y()) > vector.length) {
            vector.length = std::hypot(d.x(), d.y());
            vector.bearing = std::atan2(d.x(), -d.y());
        }
    }
    vector.fromCentre = shot.pixelColor(centre) == colour;
    return vector;
}

void PanelsE2eTest::VerifyVector(const FieldVector& vector, const QString& shot) const {
    QVERIFY2(vector.found && vector.fromCentre,
             qPrintable(driver.Failure(QStringLiteral("no vector from the centre"), shot)));
    // The vector's ends are truncated and its last pixel is left out: up to 3 pixels short.
    const double expected = 0.6 * gapInnerRadius;
    QVERIFY2(vector.length > expected - 3 && vector.length <= expected,
             qPrintable(driver.Failure(
                 QStringLiteral("length %1, expected about %2").arg(vector.length).arg(expected),
                 shot)));
}

void PanelsE2eTest::initTestCase() {
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "needs an X display: run under xvfb-run");
    window = driver.StartWithWindow(QStringLiteral(VIREFLU_PROGRAM), QStringLiteral("Vireflu"));
    QVERIFY2(!window.isEmpty(), "the program did not start with a window titled Vireflu");
    windowRect = driver.WindowGeometry(window);
    const QImage image = Await(
        QStringLiteral("01-start"),
        [&](const QImage& i) { return !PixelsOf(i, kBlueNeutral, windowRect).isEmpty(); },
        "no air gap");
    viewRect = WhiteArea(image, windowRect);
    QVERIFY(viewRect.height() > windowRect.height() / 2);
    // Centre trunc(side / 2), radii trunc(0.35 m) and trunc(0.4 m) of the shorter side m.
    centre = viewRect.topLeft() + QPoint(viewRect.width() / 2, viewRect.height() / 2);
    const int m = std::min(viewRect.width(), viewRect.height());
    gapInnerRadius = static_cast<int>(m * 0.35);
    gapOuterRadius = static_cast<int>(m * 0.4);
}

void PanelsE2eTest::panelsOpenAtTheClientOrigin() {
    // Both panels open at the top-left of the client area, sized from their templates.
    const struct {
        const char* key;
        const char* title;
        QSize size;
    } panels[] = {{"s", "Stator", {192, 427}}, {"r", "Rotor", {192, 489}}};
    QString rotor;
    for (const auto& panel : panels) {
        QVERIFY(driver.Focus(window));
        driver.Key(QStringLiteral("alt+v"));
        driver.Key(QString::fromLatin1(panel.key));
        rotor = driver.FindWindow(QString::fromLatin1(panel.title));
        QVERIFY2(!rotor.isEmpty(), panel.title);
        QCOMPARE(driver.WindowGeometry(rotor), QRect(viewRect.topLeft(), panel.size));
        if (stator.isEmpty()) stator = rotor;
    }
    statorRect = driver.WindowGeometry(stator);
    // The rotor panel goes to the right of the main window, so that both can be seen.
    driver.MoveWindow(rotor, windowRect.topRight() + QPoint(1, 0));
    driver.Screenshot(QStringLiteral("02-panels-open"));
}

void PanelsE2eTest::statorTakesThreePhasesTypedIn() {
    QVERIFY(!statorRect.isEmpty());
    QVERIFY(driver.Focus(stator));
    for (int phase = 1; phase <= 3; ++phase) {
        ClickButton(kCheckTop[phase - 1], 13);
        const QImage image = Await(
            QStringLiteral("03-phase-%1").arg(phase),
            [&](const QImage& i) { return Picture(i, phase).Shown(); }, "no picture");
        if (phase == 1) QVERIFY(!Picture(image, 2).Shown() && !Picture(image, 3).Shown());
        if (phase == 1) continue;
        // The field holds up to three characters and takes no select-all: clear it from the end.
        driver.ClickAt(StatorPoint(91, kFieldTop[phase - 1] + 6));
        driver.Key(QStringLiteral("End"));
        for (int i = 0; i < 3; ++i) driver.Key(QStringLiteral("BackSpace"));
        driver.Type(QString::number(120 * (phase - 1)));
    }
}

void PanelsE2eTest::fieldVectorTurnsAndCursorsMove() {
    QVERIFY(driver.Focus(window));
    // "&Représentation" opens on "Entrefer:couleur"; "Vecteur" is the next item.
    driver.Key(QStringLiteral("alt+r"));
    driver.Key(QStringLiteral("Down"));
    driver.Key(QStringLiteral("Return"));
    const QString rest = QStringLiteral("04-vector-at-rest");
    QImage image = Await(
        rest, [&](const QImage& i) { return Vector(i).found; }, "no vector");
    // At time 0 the currents are 0, sin 120 and sin 240 degrees: the field points up, and
    // every cursor stands on the vertical axis.
    FieldVector previous = Vector(image);
    VerifyVector(previous, rest);
    QVERIFY2(AngleBetween(previous.bearing, 0) < 0.02, "not upright");
    int previousCursor = Picture(image, 1).Cursor();
    QCOMPARE(previousCursor, 10);

    driver.Key(QStringLiteral("alt+a"));
    for (int n = 1; n <= 3; ++n) {
        const QString shot = QStringLiteral("05-turning-%1").arg(n);
        image = Await(
            shot,
            [&](const QImage& i) {
                const int cursor = Picture(i, 1).Cursor();
                return AngleBetween(Vector(i).bearing, previous.bearing) > 0.02 && cursor >= 0 &&
                       cursor != previousCursor;
            },
            "vector or cursor stood still");
        if (QTest::currentTestFailed()) return;
        previous = Vector(image);
        VerifyVector(previous, shot);
        // One cursor in every picture, the same column, 47 pixels high (y = 5 to 51).
        previousCursor = Picture(image, 1).Cursor();
        for (int phase = 2; phase <= 3; ++phase)
            QCOMPARE(Picture(image, phase).Cursor(), previousCursor);
        QCOMPARE(Picture(image, 1).cursorPixels, 47);
    }
}

void PanelsE2eTest::exportsOnePeriodWhileTheClockRuns() {
    const QString path = QDir(QStringLiteral(VIREFLU_ARTEFACTS)).filePath("period.gif");
    QFile::remove(path);
    QVERIFY(driver.Focus(window));
    driver.Key(QStringLiteral("alt+g"));
    driver.Key(QStringLiteral("e"));
    QVERIFY2(!driver.FindWindow(QStringLiteral("Exporter l'animation")).isEmpty(), "no dialog");
    driver.Key(QStringLiteral("ctrl+a"));
    driver.Type(path);
    driver.Screenshot(QStringLiteral("06-export-dialog"));
    driver.Key(QStringLiteral("Return"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), kWait);
    // One 50 Hz period, ticks 0 to 39, at the view's size, looping forever.
    QImageReader gif(path);
    QCOMPARE(gif.imageCount(), 40);
    QCOMPARE(gif.loopCount(), -1);
    QCOMPARE(gif.read().size(), viewRect.size());
    QCOMPARE(gif.nextImageDelay(), 150);
    // Meanwhile the clock went on, and goes on.
    const FieldVector vector = Vector(driver.Screenshot(QStringLiteral("07-after-export")));
    Await(
        QStringLiteral("08-still-turning"),
        [&](const QImage& i) { return AngleBetween(Vector(i).bearing, vector.bearing) > 0.02; },
        "the vector stood still");
}

void PanelsE2eTest::continuColoursTheAirGap_data() {
    QTest::addColumn<double>("angleDeg");
    QTest::addColumn<QColor>("colour");
    // The stator alone on "continu": sector k (2k to 2k + 2 degrees, k < 90) takes level
    // trunc((cos 2k + 1) x 32), sector k + 90 the level 64 less it. A level L up to 32 is
    // (0, 0, 255 - 7L), above it (7L - 200, 0, 0). Samples are mid-ring, mid-sector.
    QTest::newRow("sector 0: level 64") << 1.0 << QColor(248, 0, 0);
    QTest::newRow("sector 22: cos 44 gives 55") << 45.0 << QColor(185, 0, 0);
    QTest::newRow("sector 45, top: level 32") << 91.0 << kBlueNeutral;
    QTest::newRow("sector 135, bottom: 64 less 32") << 271.0 << kBlueNeutral;
}

void PanelsE2eTest::continuColoursTheAirGap() {
    if (airGapShot.isNull()) {
        QVERIFY(driver.Focus(stator));
        ClickButton(184, 9);  // "continu": phase 1's picture alone, a flat line at y = 10
        Await(
            QStringLiteral("09-continu"),
            [&](const QImage& i) {
                return Picture(i, 1).curveRows == QSet<int>{10} && !Picture(i, 2).Shown();
            },
            "not a single flat line");
        QVERIFY(driver.Focus(window));
        driver.Key(QStringLiteral("alt+r"));
        driver.Key(QStringLiteral("Return"));  // "Entrefer:couleur"
        const QPoint top = centre - QPoint(0, (gapInnerRadius + gapOuterRadius) / 2);
        airGapShot = Await(
            QStringLiteral("10-continu-air-gap"),
            [&](const QImage& i) { return i.pixelColor(top) != kWhite; }, "no ring");
    }
    QFETCH(double, angleDeg);
    QFETCH(QColor, colour);
    const double a = qDegreesToRadians(angleDeg);
    const double r = (gapInnerRadius + gapOuterRadius) / 2.0;
    const QPoint sample = centre + QPoint(qRound(r * std::cos(a)), -qRound(r * std::sin(a)));
    QVERIFY2(!statorRect.contains(sample), "sample hidden by the stator panel");
    QCOMPARE(airGapShot.pixelColor(sample), colour);
}

void PanelsE2eTest::mesuresSplitsASinglePhase() {
    // Back on "sinus" with phase 1 alone, the field pulsates. "Mesures" opens beside the
    // panels; its check box, which has the focus, draws the two halves in the view.
    QVERIFY(driver.Focus(stator));
    ClickButton(174, 9);
    QVERIFY(driver.Focus(window));
    driver.Key(QStringLiteral("alt+v"));
    driver.Key(QStringLiteral("m"));
    const QString measures = driver.FindWindow(QStringLiteral("Mesures"));
    driver.MoveWindow(measures, windowRect.topRight() + QPoint(200, 0));
    QVERIFY(driver.Focus(measures));
    driver.Key(QStringLiteral("space"));
    const auto bothShown = [&](const QImage& i) {
        return Vector(i, kDirectField).found && Vector(i, kInverseField).found;
    };
    const QImage first = Await(QStringLiteral("11-two-fields"), bothShown, "no two fields");
    const FieldVector direct = Vector(first, kDirectField);
    const FieldVector inverse = Vector(first, kInverseField);
    const QImage later = Await(
        QStringLiteral("12-two-fields-turned"),
        [&](const QImage& i) {
            return bothShown(i) &&
                   AngleBetween(Vector(i, kDirectField).bearing, direct.bearing) > 0.05;
        },
        "the fields stood still");
    // Bearings grow clockwise: the direct field turns that way, the inverse one against it.
    const auto turn = [&](QColor colour, const FieldVector& from) {
        return std::remainder(Vector(later, colour).bearing - from.bearing, kTurn);
    };
    QVERIFY2(turn(kDirectField, direct) > 0 && turn(kInverseField, inverse) < 0, "same way");
}

void PanelsE2eTest::quitEndsTheProgramCleanly() {
    // Quitting while the clock runs ends the program with status 0 (under the sanitizers
    // also: no error and no leak reported).
    QVERIFY(driver.Focus(window));
    driver.Key(QStringLiteral("alt+g"));
    driver.Key(QStringLiteral("q"));
    QVERIFY(driver.WaitForExit(20000));
    QCOMPARE(driver.ExitStatus(), QProcess::NormalExit);
    QCOMPARE(driver.ExitCode(), 0);
}

QTEST_GUILESS_MAIN(PanelsE2eTest)
#include "panels_e2e_test.moc"
