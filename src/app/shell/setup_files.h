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
// first time), "Enregistrer &sous..." (which always asks), the files opened or saved last, offered
// again in a menu of their own and kept in the settings store, and files given at start-up or
// dropped on the window. Reading goes through the core's reader, and a refused file leaves
// everything as it was, with one sentence saying why; writing goes through QSaveFile, so a failed
// save leaves the previous file whole.
class SetupFiles {
    Q_DECLARE_TR_FUNCTIONS(vireflu::SetupFiles)

public:
    // Applies a setup read; false when the user chose to keep the setup shown instead.
    using Opened = std::function<bool(const Setup&)>;
    using Current = std::function<Setup()>;
    using Kept = std::function<void()>;

    // `recent` is the menu that lists the last files; `opened` applies a setup read,
    // `current` gives the setup the window shows, `kept` follows each file opened or saved.
    SetupFiles(QWidget* window, QMenu* recent, Opened opened, Current current, Kept kept);

    void AskAndOpen();
    // Each true once the file is written; false when it was not (cancelled, or the user told).
    bool Save();
    bool SaveAs();
    // Opens one file; false when it could not be read or is not a setup (the user was told).
    bool Open(const QString& path);
    // Something that is not the file opened or saved last (a lesson) now shows: the next
    // "&Enregistrer..." asks for a name instead of writing over that file.
    void Forget() { path.clear(); }
    // The name of the file opened or saved last; empty when there is none.
    QString FileName() const;

private:
    bool Write(const QString& target);
    void Remember(const QString& path);
    void ShowRecent();

    QWidget* window;
    QMenu* recent;
    Opened opened;
    Current current;
    Kept kept;
    QString path;  // the file opened or saved last, which "&Enregistrer..." writes again
};

}  // namespace vireflu
