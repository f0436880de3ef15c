#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QDockWidget>
#include <QMainWindow>

#include <map>

namespace vireflu {

// Where docked windows stand: after the machine in reading order, on its left in a language
// read from right to left.
inline Qt::DockWidgetArea BesideTheMachine(const QWidget& window) {
    return window.layoutDirection() == Qt::RightToLeft ? Qt::LeftDockWidgetArea
                                                       : Qt::RightDockWidgetArea;
}

// "Panneaux à côté": the panels docked beside the machine view, so that none covers it, each
// in a dock the user may float again; or, as at first start, each a window of its own. The
// choice, the window's geometry and the docks' places are kept in the settings store.
class PanelDocks {
    Q_DECLARE_TR_FUNCTIONS(vireflu::PanelDocks)

public:
    explicit PanelDocks(QMainWindow& window);

    bool Docked() const { return docked; }
    // Docks every panel made so far, or gives each its own window again, hidden.
    void SetDocked(bool on);
    // A panel just made: docked at once while docking is on. `name` keeps its dock's place.
    void Adopt(QDialog* panel, const char* name);
    // Shows a docked panel's dock and gives it the focus; false while not docked.
    bool Show(QDialog* panel);
    // Puts the window's geometry and the docks in the settings store, or reads them back
    // (docking on if it was on when the program last ended).
    void Save() const;
    // Whether the panels were docked when the program last ended; Restore then docks the
    // panels adopted so far and puts the window and the docks back where they were.
    static bool WasDocked();
    void Restore();
    // "Disposition initiale": nothing docked, nothing remembered.
    void Forget();

    // Places a dock just added beside the machine among those already there (the lesson's,
    // the welcome's, a panel's).
    void Arrange(QDockWidget* dock);

private:
    void Dock(QDialog* panel);

    QMainWindow& window;
    bool docked = false;
    std::map<QDialog*, QDockWidget*> docks;  // every panel adopted, and its dock when docked
    std::map<QDialog*, QString> names;
};

}  // namespace vireflu
