#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <functional>

namespace vireflu::e2e {

// Drives a program on the X display from outside, as a person would: xdotool moves the
// pointer, clicks and types; ImageMagick's import takes screenshots of the whole screen.
// Every screenshot is kept in the artefact folder, so a failure can be looked at later.
class DesktopDriver {
public:
    explicit DesktopDriver(const QString& artefactDir);
    // Ends the program if it still runs.
    ~DesktopDriver();

    // Starts the program on the display, on Qt's xcb platform.
    bool Start(const QString& program);
    // Starts the program and gives the keyboard to its window of this title; returns the
    // window's id, or an empty string when any step failed.
    QString StartWithWindow(const QString& program, const QString& title);
    // The id of the visible window with exactly this title, or an empty string.
    QString FindWindow(const QString& title, int timeoutMs = 10000);
    bool WaitForWindowGone(const QString& title, int timeoutMs = 5000);
    // Outer geometry of a window, in screen pixels.
    QRect WindowGeometry(const QString& window);
    bool Focus(const QString& window);
    // Moves a window's top-left corner to this screen point and waits until it is there.
    void MoveWindow(const QString& window, QPoint topLeft);

    void ClickAt(QPoint screen);
    // Keys in xdotool's names, one chord: "alt+r", "Down", "Return", "alt+question".
    void Key(const QString& chord);
    // Types the text into the window that has the focus, one key at a time.
    void Type(const QString& text);

    // A screenshot of the whole screen, kept as <name>.png.
    QImage Screenshot(const QString& name);
    // Screenshots until one satisfies `ready` or the time is up; returns the last one.
    QImage WaitForScreen(const QString& name, const std::function<bool(const QImage&)>& ready,
                         int timeoutMs = 5000);
    QString ShotPath(const QString& name) const;
    // A failure message that names the screenshot to look at.
    QString Failure(const QString& what, const QString& shot) const;

    bool WaitForExit(int timeoutMs = 5000);
    int ExitCode() const { return program.exitCode(); }
    QProcess::ExitStatus ExitStatus() const { return program.exitStatus(); }

private:
    QString Xdotool(const QStringList& arguments, int timeoutMs = 10000);

    QString artefactDir;
    QProcess program;
};

// The white area of a window from just below its menu bar down to its command bar, full
// width: the machine view while nothing covers its right edge. Empty when there is none.
QRect WhiteArea(const QImage& image, const QRect& window);
// Pixels of exactly this colour inside `area`.
QList<QPoint> PixelsOf(const QImage& image, QColor colour, const QRect& area);
// The smallest rectangle holding every pixel of `area` that differs between two images.
QRect ChangedArea(const QImage& before, const QImage& after, const QRect& area);
// How many of the points have exactly this colour.
int CountColoured(const QImage& image, const QList<QPoint>& points, QColor colour);

}  // namespace vireflu::e2e
