#include "output_files.h"

#include <cstdio>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace vireflu {

namespace {

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

// Root may pass every permission check, so try to create a file there instead.
bool FolderAcceptsFiles(const QString& folder) {
    QTemporaryFile probe(folder + "/.vireflu-render-XXXXXX");
    return probe.open();
}

std::optional<OptionError> CheckFile(const std::string& option, const std::string& path) {
    const QFileInfo file(ToQString(path));
    if (file.isDir())
        return OptionError{option + " accepts a file name, not the folder '" + path + "'"};
    if (!FolderAcceptsFiles(file.absolutePath()))
        return OptionError{option + " cannot write '" + path +
                           "': its folder is missing or not writable"};
    return std::nullopt;
}

std::optional<OptionError> CheckFolder(const std::string& option, const std::string& path) {
    const QFileInfo folder(ToQString(path));
    if (folder.exists() && !folder.isDir())
        return OptionError{option + " accepts a folder name, not the file '" + path + "'"};
    const QString writable = folder.exists() ? folder.absoluteFilePath() : folder.absolutePath();
    if (!FolderAcceptsFiles(writable))
        return OptionError{option + " cannot write into '" + path +
                           "': it or its parent folder is missing or not writable"};
    return std::nullopt;
}

}  // namespace

std::optional<OptionError> CheckDestinations(const RenderOptions& options) {
    if (options.statePath && *options.statePath != "-")
        if (auto refused = CheckFile("--state", *options.statePath)) return refused;
    if (options.outputPath)
        if (auto refused = CheckFile("--output", *options.outputPath)) return refused;
    if (options.animationPath)
        if (auto refused = CheckFile("--animation", *options.animationPath)) return refused;
    if (options.panelOutputPath)
        if (auto refused = CheckFile("--panel-output", *options.panelOutputPath)) return refused;
    if (options.framesDir)
        if (auto refused = CheckFolder("--frames", *options.framesDir)) return refused;
    return std::nullopt;
}

std::optional<OptionError> WriteOutput(const std::string& option, const std::string& path,
                                       const std::function<bool(QIODevice&)>& write) {
    const QFileInfo target(ToQString(path));
    // A hidden name beside the target keeps the rename within one filesystem, so it
    // replaces the target in one step. No fsync: a run writes thousands of frames.
    const QString partial = target.absolutePath() + "/." + target.fileName() + ".partial-" +
                            QString::number(QCoreApplication::applicationPid());
    QFile file(partial);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && write(file);
    file.close();
    written = written && file.error() == QFileDevice::NoError &&
              std::rename(QFile::encodeName(partial).constData(),
                          QFile::encodeName(target.absoluteFilePath()).constData()) == 0;
    if (written) return std::nullopt;
    QFile::remove(partial);
    return OptionError{option + " could not write '" + path + "'"};
}

std::optional<OptionError> WritePng(const std::string& option, const std::string& path,
                                    const QImage& image) {
    return WriteOutput(option, path, [&](QIODevice& file) { return image.save(&file, "PNG"); });
}

std::string FrameFileName(int frameNumber) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%04d.png", frameNumber);
    return name;
}

}  // namespace vireflu
