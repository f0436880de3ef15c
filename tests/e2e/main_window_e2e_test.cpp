// Vireflu as a person meets it: the real program on an X screen of 1280 x 1024, driven
// with the keyboard's menu mnemonics and the mouse, checked on screenshots.

#include <QTest>

#include "desktop_driver.h"

using namespace vireflu::e2e;

namespace {

const QColor kWhite(255, 255, 255);
// Entry 32, the neutral level, of "Bleu Noir Rouge" and of "Vert NoirRouge".
const QColor kBlueNeutral(0, 0, 31);
const QColor kGreenNeutral(0, 31, 0);

}  // namespace

class MainWindowE2eTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensAsASquareAtTheTopLeft();
    void startsWithTheNeutralRing();
    void vectorPresentationClearsTheRing();
    void airGapPresentationBringsItBack();
    void colourMapChosenWithTheMouse();
    void aboutBoxOpensAndCloses();
    void quitEndsTheProgram();

private:
    // Opens a menu with its Alt mnemonic; returns the part of the view the open menu
    // covers (empty if nothing opened).
    QRect OpenMenu(const QString& chord, const QString& shot);
    // Waits until every pixel where the ring was shows this colour.
    bool RingTurns(QColor colour, const QString& shot);

    DesktopDriver driver{QStringLiteral(VIREFLU_ARTEFACTS)};
    QString window;
    QRect windowRect;
    QRect viewRect;  // the white area between the menu bar and the command bar
    QList<QPoint> ring;
};

void MainWindowE2eTest::initTestCase() {
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "needs an X display: run under xvfb-run");
    window = driver.StartWithWindow(QStringLiteral(VIREFLU_PROGRAM), QStringLiteral("Vireflu"));
    QVERIFY2(!window.isEmpty(), "the program did not start with a window titled Vireflu");
    windowRect = driver.WindowGeometry(window);
}

void MainWindowE2eTest::opensAsASquareAtTheTopLeft() {
    // Half the screen width, 640, fits the 1024 pixels of height.
    QCOMPARE(windowRect, QRect(0, 0, 640, 640));
}

void MainWindowE2eTest::startsWithTheNeutralRing() {
    const QString shot = QStringLiteral("01-start");
    const QImage image = driver.WaitForScreen(
        shot, [&](const QImage& i) { return !PixelsOf(i, kBlueNeutral, windowRect).isEmpty(); });
    ring = PixelsOf(image, kBlueNeutral, windowRect);
    QVERIFY2(ring.size() > 1000,
             qPrintable(driver.Failure(QStringLiteral("no neutral ring"), shot)));

    viewRect = WhiteArea(image, windowRect);
    QVERIFY2(viewRect.height() > windowRect.height() / 2,
             qPrintable(driver.Failure(QStringLiteral("no white view"), shot)));

    // A round ring, centred in the view, never touching its edges; white inside.
    QRect box;
    for (QPoint p : ring) box |= QRect(p, QSize(1, 1));
    const QPoint centre = viewRect.topLeft() + QPoint(viewRect.width() / 2, viewRect.height() / 2);
    const QString where = driver.Failure(QStringLiteral("ring misplaced"), shot);
    // Truncated sines put the top and bottom corner points one pixel nearer the centre.
    QVERIFY2(qAbs(box.width() - box.height()) <= 2, qPrintable(where));
    QVERIFY2((box.center() - centre).manhattanLength() <= 2, qPrintable(where));
    QVERIFY2(viewRect.contains(box.adjusted(-5, -5, 5, 5)), qPrintable(where));
    // The outer radius is 0.4 of the view's shorter side.
    const int m = std::min(viewRect.width(), viewRect.height());
    QVERIFY2(qAbs(box.width() / 2 - static_cast<int>(m * 0.4)) <= 1, qPrintable(where));
    QCOMPARE(image.pixelColor(centre), kWhite);
    QCOMPARE(image.pixelColor(viewRect.topLeft() + QPoint(2, 2)), kWhite);
}

QRect MainWindowE2eTest::OpenMenu(const QString& chord, const QString& shot) {
    const QImage before = driver.Screenshot(shot + QStringLiteral("-before"));
    driver.Key(chord);
    const QImage open = driver.WaitForScreen(
        shot, [&](const QImage& i) { return !ChangedArea(before, i, viewRect).isEmpty(); });
    return ChangedArea(before, open, viewRect);
}

bool MainWindowE2eTest::RingTurns(QColor colour, const QString& shot) {
    const QImage image = driver.WaitForScreen(
        shot, [&](const QImage& i) { return CountColoured(i, ring, colour) == ring.size(); });
    return CountColoured(image, ring, colour) == ring.size();
}

void MainWindowE2eTest::vectorPresentationClearsTheRing() {
    QVERIFY(!ring.isEmpty());
    // "&Représentation" opens on its first item; "Vecteur" is the second.
    QVERIFY(!OpenMenu(QStringLiteral("alt+r"), QStringLiteral("02-presentation-menu")).isEmpty());
    driver.Key(QStringLiteral("Down"));
    driver.Key(QStringLiteral("Return"));
    const QString shot = QStringLiteral("03-vector");
    QVERIFY2(RingTurns(kWhite, shot),
             qPrintable(driver.Failure(QStringLiteral("ring still drawn"), shot)));
}

void MainWindowE2eTest::airGapPresentationBringsItBack() {
    QVERIFY(!OpenMenu(QStringLiteral("alt+r"), QStringLiteral("04-presentation-menu")).isEmpty());
    driver.Key(QStringLiteral("Return"));
    const QString shot = QStringLiteral("05-air-gap");
    QVERIFY2(RingTurns(kBlueNeutral, shot),
             qPrintable(driver.Failure(QStringLiteral("ring not back"), shot)));
}

void MainWindowE2eTest::colourMapChosenWithTheMouse() {
    const QRect menu = OpenMenu(QStringLiteral("alt+c"), QStringLiteral("06-colour-menu"));
    QVERIFY2(menu.height() > 30, qPrintable(driver.Failure(QStringLiteral("no menu"),
                                                           QStringLiteral("06-colour-menu"))));
    // Four maps of equal height, a separator and "Projection": the second item, "Vert
    // NoirRouge", lies at three tenths of the menu's height.
    driver.ClickAt(QPoint(menu.center().x(), menu.top() + menu.height() * 3 / 10));
    const QString shot = QStringLiteral("07-green");
    QVERIFY2(RingTurns(kGreenNeutral, shot),
             qPrintable(driver.Failure(QStringLiteral("ring not green"), shot)));
}

void MainWindowE2eTest::aboutBoxOpensAndCloses() {
    QVERIFY(!OpenMenu(QStringLiteral("alt+question"), QStringLiteral("08-help-menu")).isEmpty());
    driver.Key(QStringLiteral("Return"));
    const QString about = driver.FindWindow(QStringLiteral("A propos de Vireflu"));
    driver.Screenshot(QStringLiteral("09-about"));
    QVERIFY2(!about.isEmpty(), qPrintable(driver.Failure(QStringLiteral("no about box"),
                                                         QStringLiteral("09-about"))));
    // "OK" is the default button.
    driver.Key(QStringLiteral("Return"));
    QVERIFY(driver.WaitForWindowGone(QStringLiteral("A propos de Vireflu")));
}

void MainWindowE2eTest::quitEndsTheProgram() {
    QVERIFY(driver.Focus(window));
    QVERIFY(!OpenMenu(QStringLiteral("alt+g"), QStringLiteral("10-general-menu")).isEmpty());
    driver.Key(QStringLiteral("q"));
    QVERIFY(driver.WaitForExit());
    QCOMPARE(driver.ExitStatus(), QProcess::NormalExit);
    QCOMPARE(driver.ExitCode(), 0);
}

QTEST_GUILESS_MAIN(MainWindowE2eTest)
#include "main_window_e2e_test.moc"
