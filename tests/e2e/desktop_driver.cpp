#include "desktop_driver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

namespace vireflu::e2e {

namespace {

constexpr int kPollMs = 100;

}  // namespace

DesktopDriver::DesktopDriver(const QString& artefactDir) : artefactDir(artefactDir) {
    QDir dir(artefactDir);
    dir.mkpath(QStringLiteral("."));
    for (const QString& old : dir.entryList({QStringLiteral("*.png")}, QDir::Files))
        dir.remove(old);
}

DesktopDriver::~DesktopDriver() {
    if (program.state() == QProcess::NotRunning) return;
    program.kill();
    program.waitForFinished(5000);
}

bool DesktopDriver::Start(const QString& path) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    // The program speaks French, the language whose mnemonics the tests type.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) environment.remove(name);
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(path, {});
    return program.waitForStarted(10000);
}

QString DesktopDriver::StartWithWindow(const QString& path, const QString& title) {
    if (!Start(path)) return {};
    const QString window = FindWindow(title);
    if (window.isEmpty() || !Focus(window)) return {};
    return window;
}

QString DesktopDriver::Xdotool(const QStringList& arguments, int timeoutMs) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(timeoutMs)) {
        xdotool.kill();
        xdotool.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(xdotool.readAllStandardOutput()).trimmed();
}

QString DesktopDriver::FindWindow(const QString& title, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (true) {
        const QString found =
            Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                     QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')});
        if (!found.isEmpty()) return found.section(QLatin1Char('\n'), 0, 0);
        if (deadline.hasExpired()) return {};
        QThread::msleep(kPollMs);
    }
}

bool DesktopDriver::WaitForWindowGone(const QString& title, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!FindWindow(title, 0).isEmpty()) {
        if (deadline.hasExpired()) return false;
        QThread::msleep(kPollMs);
    }
    return true;
}

QRect DesktopDriver::WindowGeometry(const QString& window) {
    // --shell prints X=, Y=, WIDTH= and HEIGHT= lines.
    QRect geometry;
    const QString text =
        Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (line.startsWith(QLatin1String("X="))) geometry.moveLeft(value);
        if (line.startsWith(QLatin1String("Y="))) geometry.moveTop(value);
        if (line.startsWith(QLatin1String("WIDTH="))) geometry.setWidth(value);
        if (line.startsWith(QLatin1String("HEIGHT="))) geometry.setHeight(value);
    }
    return geometry;
}

bool DesktopDriver::Focus(const QString& window) {
    // Without a window manager, the input focus is set directly.
    Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    return Xdotool({QStringLiteral("getwindowfocus")}) == window;
}

void DesktopDriver::MoveWindow(const QString& window, QPoint topLeft) {
    Xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), window,
             QString::number(topLeft.x()), QString::number(topLeft.y())});
}

void DesktopDriver::ClickAt(QPoint screen) {
    Xdotool({QStringLiteral("mousemove"), QString::number(screen.x()), QString::number(screen.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

void DesktopDriver::Key(const QString& chord) {
    Xdotool({QStringLiteral("key"), chord});
}

void DesktopDriver::Type(const QString& text) {
    // A pause between keys lets the program handle each one before the next arrives.
    Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("100"), text});
}

QString DesktopDriver::ShotPath(const QString& name) const {
    return QDir(artefactDir).filePath(name + QStringLiteral(".png"));
}

QString DesktopDriver::Failure(const QString& what, const QString& shot) const {
    return what + QStringLiteral(" (screenshot: ") + ShotPath(shot) + QLatin1Char(')');
}

QImage DesktopDriver::Screenshot(const QString& name) {
    QProcess import;
    import.start(QStringLiteral("/usr/bin/import"),
                 {QStringLiteral("-window"), QStringLiteral("root"), ShotPath(name)});
    import.waitForFinished(10000);
    return QImage(ShotPath(name)).convertToFormat(QImage::Format_RGB32);
}

QImage DesktopDriver::WaitForScreen(const QString& name,
                                    const std::function<bool(const QImage&)>& ready,
                                    int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (true) {
        QImage shot = Screenshot(name);
        if (ready(shot) || deadline.hasExpired()) return shot;
        QThread::msleep(kPollMs);
    }
}

bool DesktopDriver::WaitForExit(int timeoutMs) {
    return program.state() == QProcess::NotRunning || program.waitForFinished(timeoutMs);
}

QRect WhiteArea(const QImage& image, const QRect& window) {
    const QColor white(255, 255, 255);
    const int x = window.right() - 2;
    int top = window.top();
    while (top < window.bottom() && image.pixelColor(x, top) != white) ++top;
    int bottom = window.bottom();
    while (bottom > top && image.pixelColor(x, bottom) != white) --bottom;
    if (image.pixelColor(x, top) != white) return {};
    return QRect(QPoint(window.left(), top), QPoint(window.right(), bottom));
}

QList<QPoint> PixelsOf(const QImage& image, QColor colour, const QRect& area) {
    QList<QPoint> found;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixelColor(x, y) == colour) found.append(QPoint(x, y));
    return found;
}

QRect ChangedArea(const QImage& before, const QImage& after, const QRect& area) {
    QRect changed;
    const QRect inside = area.intersected(before.rect()).intersected(after.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) changed |= QRect(x, y, 1, 1);
    return changed;
}

int CountColoured(const QImage& image, const QList<QPoint>& points, QColor colour) {
    int count = 0;
    for (QPoint p : points) count += image.pixelColor(p) == colour;
    return count;
}

}  // namespace vireflu::e2e
