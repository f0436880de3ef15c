#pragma once

#include <QCoreApplication>
#include <QMenu>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

#include "setup/setup.h"

namespace vireflu {

// The setup files of the window: "&Ouvrir...", "&Enregistrer..." (which asks for a name the
// first time), the files opened or saved last, offered again in a menu of their own and kept
// in the settings store, and files given at start-up or dropped on the window. Reading goes
// through the core's reader, and a refused file leaves everything as it was, with one
// sentence saying why; writing goes through QSaveFile, so a failed save leaves the previous
// file whole.
class SetupFiles {
    Q_DECLARE_TR_FUNCTIONS(vireflu::SetupFiles)

public:
    using Opened = std::function<void(const Setup&)>;
    using Current = std::function<Setup()>;

    // `recent` is the menu that lists the last files; `opened` applies a setup read,
    // `current` gives the setup the window shows.
    SetupFiles(QWidget* window, QMenu* recent, Opened opened, Current current);

    void AskAndOpen();
    void Save();
    // Opens one file; false when it could not be read or is not a setup (the user was told).
    bool Open(const QString& path);
    // Something that is not the file opened or saved last (a lesson) now shows: the next
    // "&Enregistrer..." asks for a name instead of writing over that file.
    void Forget() { path.clear(); }

private:
    void Remember(const QString& path);
    void ShowRecent();

    QWidget* window;
    QMenu* recent;
    Opened opened;
    Current current;
    QString path;  // the file opened or saved last, which "&Enregistrer..." writes again
};

}  // namespace vireflu
