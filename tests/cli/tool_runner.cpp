#include "tool_runner.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QJsonDocument>
#include <QProcess>

ToolRun RunTool(const QStringList& args, const QString& program) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(-1);
    ToolRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

ToolRun RunShell(const QString& script) {
    qputenv("R", VIREFLU_RENDER_PATH);
    return RunTool({"-c", script}, "sh");
}

QJsonObject RunForState(QStringList args) {
    args << "--state"
         << "-";
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return json.object();
}

QStringList Scratch::Entries() const {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

std::string Rgb(int red, int green, int blue) {
    return '(' + std::to_string(red) + ", " + std::to_string(green) + ", " + std::to_string(blue) +
           ")";
}

std::string RgbAt(const QImage& image, int x, int y) {
    if (!image.valid(x, y)) return "outside the image";
    const QColor colour = image.pixelColor(x, y);
    return Rgb(colour.red(), colour.green(), colour.blue());
}
