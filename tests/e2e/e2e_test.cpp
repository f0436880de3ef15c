// Vireflu as a person meets it: the real program on a 1280 x 1024 X screen, driven by keys,
// mouse and typing, checked on screenshots: the main window, then "Stator" and "Mesures".

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <cmath>
#include <functional>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlueNeutral(0, 0, 31);  // entry 32 of "Bleu Noir Rouge"

// Runs the program on the display and drives it with xdotool; every screenshot is kept.
class Desktop {
public:
    Desktop() {
        QDir(kArtefacts).mkpath(".");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        // The program speaks French, the language whose mnemonics the tests type.
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) environment.remove(name);
        environment.insert("LANG", "C");
        program.setProcessEnvironment(environment);
        // Not a first start: the welcome would narrow the machine the journeys measure.
        QSettings(QDir(environment.value("XDG_CONFIG_HOME")).filePath("vireflu/Vireflu.conf"),
                  QSettings::IniFormat)
            .setValue("welcomeDismissed", true);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(VIREFLU_PROGRAM, {});
    }
    ~Desktop() {
        program.kill();
        program.waitForFinished();
    }
    QString X(const QStringList& arguments) {
        QProcess xdotool;
        xdotool.start("xdotool", arguments);
        xdotool.waitForFinished();
        return QString::fromLocal8Bit(xdotool.readAllStandardOutput()).trimmed();
    }
    // The visible window with exactly this title, given the keyboard; empty if none comes.
    QString Window(const QString& title) {
        const QDeadlineTimer deadline(10000);
        QString found;
        while (found.isEmpty() && !deadline.hasExpired())
            found = X({"search", "--sync", "--onlyvisible", "--name", '^' + title + '$'});
        found = found.section('\n', 0, 0);
        X({"windowfocus", "--sync", found});
        return found;
    }
    QRect Geometry(const QString& window) {
        QMap<QString, int> shell;  // X=, Y=, WIDTH=, HEIGHT=
        for (const QString& line : X({"getwindowgeometry", "--shell", window}).split('\n'))
            shell[line.section('=', 0, 0)] = line.section('=', 1).toInt();
        return QRect(shell["X"], shell["Y"], shell["WIDTH"], shell["HEIGHT"]);
    }
    void Keys(const QString& chords) {
        X(QStringList{"key", "--delay", "100"} + chords.split(' '));
    }
    void Click(QPoint at) {
        X({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }
    // Screenshots until one is `ready` or ten seconds have passed; returns the last one.
    QImage Await(const QString& name, const std::function<bool(const QImage&)>& ready) {
        const QString path = QDir(kArtefacts).filePath(name + ".png");
        const QDeadlineTimer deadline(10000);
        QImage shot;
        do {
            QProcess::execute("/usr/bin/import", {"-window", "root", path});
            shot = QImage(path).convertToFormat(QImage::Format_RGB32);
        } while (!ready(shot) && !deadline.hasExpired());
        if (!ready(shot)) QTest::qFail(qPrintable("see " + path), __FILE__, __LINE__);
        return shot;
    }
    bool Exited() {
        return program.waitForFinished(20000) && program.exitStatus() == QProcess::NormalExit &&
               program.exitCode() == 0;
    }

private:
    const QString kArtefacts = VIREFLU_ARTEFACTS;
    QProcess program;
};

QList<QPoint> PixelsOf(const QImage& image, QColor colour, const QRect& area) {
    QList<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) found << QPoint(x, y);
    return found;
}

// Whether every listed pixel has this colour.
bool All(const QImage& image, const QList<QPoint>& points, QColor colour) {
    return std::all_of(points.begin(), points.end(),
                       [&](QPoint p) { return image.pixelColor(p) == colour; });
}

// The smallest rectangle holding every pixel of `area` that differs between two images.
QRect Changed(const QImage& before, const QImage& after, const QRect& area) {
    QRect changed;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) changed |= QRect(x, y, 1, 1);
    return changed;
}

// The machine view: the white area below the menu bar and above the command bar.
QRect View(const QImage& image, const QRect& window) {
    int top = window.top(), bottom = window.bottom();
    while (top < bottom && image.pixelColor(window.right() - 2, top) != kWhite) ++top;
    while (bottom > top && image.pixelColor(window.right() - 2, bottom) != kWhite) --bottom;
    return QRect(QPoint(window.left(), top), QPoint(window.right(), bottom));
}

}  // namespace

class E2eTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowJourney();
    void statorPanelJourney();
};

// A square of half the screen's width at the top left with the neutral ring; "Vert
// NoirRouge" chosen with the mouse, "Vecteur" with the keyboard; the about box opens and
// closes; "&Quitter" ends the program.
void E2eTest::mainWindowJourney() {
    Desktop desktop;
    const QString window = desktop.Window("Vireflu");
    const QRect rect = desktop.Geometry(window);
    QCOMPARE(rect, QRect(0, 0, 640, 640));
    const QImage start = desktop.Await(
        "01-start", [&](const QImage& i) { return PixelsOf(i, kBlueNeutral, rect).size() > 1000; });
    const QList<QPoint> ring = PixelsOf(start, kBlueNeutral, rect);
    const QRect view = View(start, rect);
    QCOMPARE(start.pixelColor(view.center()), kWhite);

    desktop.Keys("alt+c");
    const QImage menu = desktop.Await(
        "02-colour-menu", [&](const QImage& i) { return !Changed(start, i, view).isEmpty(); });
    // Four maps of equal height, a separator and "Projection": the second item, "Vert
    // NoirRouge", lies at three tenths of the menu's height.
    const QRect items = Changed(start, menu, view);
    desktop.Click(QPoint(items.center().x(), items.top() + items.height() * 3 / 10));
    desktop.Await("03-green", [&](const QImage& i) { return All(i, ring, QColor(0, 31, 0)); });
    desktop.Keys("alt+r Down Return");
    desktop.Await("04-vector", [&](const QImage& i) { return All(i, ring, kWhite); });

    desktop.Keys("alt+question a");
    QVERIFY(!desktop.Window("A propos de Vireflu").isEmpty());
    desktop.Keys("Return");
    desktop.X({"windowfocus", "--sync", window});
    desktop.Keys("alt+g q");  // which would not reach a window behind a modal box
    // The colours and the presentation changed: asked first, the changes let go.
    QVERIFY(!desktop.Window("Vireflu").isEmpty());
    desktop.Keys("alt+n");
    QVERIFY(desktop.Exited());
}

// "&Vue", "&Stator" opens the panel at the view's top left; phase 1 alone beside "Mesures"
// (below); then phases 2 and 3 clicked on, 120 and 240 typed into their angle fields: the
// field vector stands upright from the centre, 0.6 of the gap's inner radius long, and
// turns once "&Animation" runs; quitting while it runs ends the program cleanly.
void E2eTest::statorPanelJourney() {
    Desktop desktop;
    const QString window = desktop.Window("Vireflu");
    const QRect rect = desktop.Geometry(window);
    const QImage start = desktop.Await(
        "11-start", [&](const QImage& i) { return !PixelsOf(i, kBlueNeutral, rect).isEmpty(); });
    const QRect view = View(start, rect);
    const QPoint centre = view.topLeft() + QPoint(view.width() / 2, view.height() / 2);
    const int ra = static_cast<int>(std::min(view.width(), view.height()) * 0.35);
    const int radius = static_cast<int>(0.6 * ra);

    desktop.Keys("alt+v s");
    const QString stator = desktop.Window("Stator");
    const QRect panel = desktop.Geometry(stator);
    QCOMPARE(panel, QRect(view.topLeft(), QSize(192, 427)));
    // Template rows in dialog units (6/4 pixel across, 13/8 down) of the check boxes and
    // angle fields of phases 1, 2 and 3.
    const auto at = [&](int x, int y) { return panel.topLeft() + QPoint(x * 6 / 4, y * 13 / 8); };
    const int checkRow[] = {123, 68, 13}, fieldRow[] = {154, 101, 37};
    desktop.Click(at(7, checkRow[0]) + QPoint(6, 0));

    // Phase 1 alone pulsates: Space on "Deux champs tournants", "&Mesures"' one control, draws
    // its halves, the direct one (blue) down at clock zero, the inverse one (orange) upright.
    // Space runs the clock: mirror images about the horizontal, both tips move right, so they
    // turn in opposite senses. Both Spaces again stop and untick.
    const QRect reach(centre - QPoint(radius, radius), QSize(2 * radius + 1, 2 * radius + 1));
    const auto tip = [&](const QImage& i, QColor colour = QColor(255, 0, 0)) {
        QPoint far = centre;
        for (QPoint p : PixelsOf(i, colour, reach))
            if (!panel.contains(p) &&
                (p - centre).manhattanLength() > (far - centre).manhattanLength())
                far = p;
        return far - centre;
    };
    desktop.X({"windowfocus", "--sync", window});
    desktop.Keys("alt+v m");
    const QString measures = desktop.Window("Mesures");
    desktop.X({"windowmove", "--sync", measures, "700", "0"});
    desktop.Keys("Tab space");  // Space presses the check box Tab reached, not the clock's key
    const QColor direct(0, 114, 178), inverse(230, 159, 0);
    desktop.Await("12-two-fields", [&](const QImage& i) {
        return i.pixelColor(centre + QPoint(0, 20)) == direct &&
               i.pixelColor(centre + QPoint(0, -20)) == inverse;
    });
    desktop.X({"windowfocus", "--sync", window});
    desktop.Keys("space");
    const QImage turned =
        desktop.Await("13-turning", [&](const QImage& i) { return tip(i, direct).x() > 5; });
    const QPoint d = tip(turned, direct), v = tip(turned, inverse);
    QVERIFY(std::abs(d.x() - v.x()) <= 2 && std::abs(d.y() + v.y()) <= 2);
    desktop.Keys("space");
    desktop.X({"windowfocus", "--sync", measures});
    desktop.Keys("space");

    for (int phase = 1; phase < 3; ++phase) desktop.Click(at(7, checkRow[phase]) + QPoint(6, 0));
    const char* angle[] = {"", "1 2 0", "2 4 0"};
    for (int phase = 1; phase < 3; ++phase) {
        desktop.Click(at(91, fieldRow[phase]));
        desktop.Keys(QString("End BackSpace BackSpace BackSpace ") + angle[phase]);
    }

    desktop.X({"windowfocus", "--sync", window});
    desktop.Keys("alt+r Down Return");
    const QPoint upright = tip(desktop.Await("14-vector", [&](const QImage& i) {
        return i.pixelColor(centre) == QColor(255, 0, 0) && tip(i).y() < -radius + 3;
    }));
    QVERIFY(std::abs(upright.x()) <= 1);
    desktop.Keys("alt+a");
    desktop.Await("15-turning", [&](const QImage& i) { return std::abs(tip(i).x()) > 5; });

    // One period exported while the clock runs: ticks 0 to 39 at the view's size.
    const QString path = QDir(VIREFLU_ARTEFACTS).filePath("period.gif");
    QFile::remove(path);
    desktop.X({"windowfocus", "--sync", window});
    desktop.Keys("alt+g x");
    QVERIFY(!desktop.Window("Exporter l'animation").isEmpty());
    desktop.Keys("ctrl+a");
    desktop.X({"type", "--delay", "50", path});
    desktop.Keys("Return");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 10000);
    QImageReader gif(path);
    QCOMPARE(gif.imageCount(), 40);
    QCOMPARE(gif.read().size(), view.size());
    const QPoint before = tip(desktop.Await("16-exported", [](const QImage&) { return true; }));
    desktop.Await("17-still-turning", [&](const QImage& i) { return tip(i) != before; });
    desktop.X({"windowfocus", "--sync", window});
    desktop.Keys("alt+g q");
    QVERIFY(!desktop.Window("Vireflu").isEmpty());
    desktop.Keys("alt+n");
    QVERIFY(desktop.Exited());
}

QTEST_GUILESS_MAIN(E2eTest)
#include "e2e_test.moc"
