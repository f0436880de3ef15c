#pragma once

#include <string>

#include <QColor>
#include <QImage>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>

// One finished run of vireflu-render.
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the real program (or another) with these arguments and waits for it to end.
ToolRun RunTool(const QStringList& args, const QString& program = VIREFLU_RENDER_PATH);

// Runs a shell script where "$R" is the program: closed output, limits, names as bytes.
ToolRun RunShell(const QString& script);

// Runs the program with --state - and parses what it prints; a failed run fails the test.
QJsonObject RunForState(QStringList args);

// A scratch folder for one test's outputs.
class Scratch {
public:
    QString Root() const { return dir.path(); }
    QString Path(const QString& name) const { return dir.filePath(name); }
    // Names of everything the folder holds, sorted.
    QStringList Entries() const;

private:
    QTemporaryDir dir;
};

// The colour of one pixel as (red, green, blue), for readable failure messages.
std::string RgbAt(const QImage& image, int x, int y);
std::string Rgb(int red, int green, int blue);
