#pragma once

#include <QDockWidget>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "answer_log_file.h"
#include "classroom/course_run.h"
#include "lessons/lesson.h"
#include "lessons/pending_answer.h"
#include "machine/display_commands.h"
#include "machine/simulation_state.h"
#include "measures/measure_rows.h"
#include "panels/panel_model.h"
#include "session/session.h"
#include "shell/languages.h"
#include "shell/main_menu.h"

class CWindingPanel;

namespace vireflu {

class CMachineView;
class CommandBar;
class CMeasuresPanel;
class WindingDesignPanel;
class SetupFiles;
class PanelDocks;
class LessonPanel;
class CourseComposer;

// The main window: menus, the machine view, the command bar along the bottom and the
// clock timer. It applies the panels' settings to the simulation state and drives the
// clock; every change ends with one redraw of the view.
class CMainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainWindow(Session& session);
    ~CMainWindow() override;

public slots:
    // A panel's complete settings: selector 0 for the stator, 1 for the rotor. Converts
    // them into the state, then puts the clock back to zero.
    void ApplyWindingSettings(int selector, const vireflu::WindingSettings& record);
    // "&Initialisation": clock back to zero and redraw; a running animation goes on.
    void ResetClock();
    // One step of the clock and one redraw.
    void OnClockTick();
    // "&Animation" / "&Stop": starts or stops the clock while a winding has phase 1 on.
    void ToggleAnimation();
    // Timer period for a pace: the step stays 0.0005 s, only the ticks come faster or slower.
    void SetPace(int periodMs);
    // Opens a setup file, as "&Ouvrir..." does; false when it was refused (the user was told).
    bool OpenSetupFile(const QString& path);
    // The setup the window shows: panels, display, windows open, pace and clock.
    Setup CurrentSetup() const;
    // Opens the setup in the session, then sets the windows, the menus' checks, the pace and
    // the clock as it says.
    void ApplySetup(const Setup& setup);
    // Keeps the layout (docked panels, geometry) for the next window.
    void SaveLayout();
    // Opens a lesson: its setup with the clock at zero and stopped, and its question beside
    // the machine; the animation waits for the answer.
    void OpenLesson(const Lesson& lesson);
    // The lesson beside the machine, if one is shown.
    std::optional<Lesson> ShownLesson() const;
    // Reads a course file and follows it from its first lesson; false when it was refused
    // (the user was told) or the setup shown was kept.
    bool OpenCourseFile(const QString& path);
    // Follows a course from where `run` stands, its current lesson shown afresh.
    void FollowCourse(CourseRun run);
    const std::optional<CourseRun>& FollowedCourse() const { return course; }
    // The welcome beside the machine: a lesson, a setup file, or the machine to explore. Once
    // a way is chosen, the next start goes without it.
    void ShowWelcome();
    bool WelcomeShown() const;
    static bool WelcomeDismissed();

signals:
    // "&A propos de Vireflu...", which the application object answers.
    void AboutRequested();
    // A language chosen in "&Langue", by its code, which the application object switches to.
    void LanguageChosen(const QString& code);

protected:
    void showEvent(QShowEvent* event) override;
    // A setup file dropped on the window opens.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Asks before a changed setup is lost, then keeps the layout for the next start.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    // Whether the setup shown may go: unchanged since opened or saved, saved now, or let go;
    // false when the user would rather keep it.
    bool MayLoseShown();
    // The file's name, and a mark while the setup shown differs from it.
    void ShowTitle();
    // A lesson chosen in a menu or the welcome, once the setup shown may go.
    void OpenLessonAsked(const Lesson& lesson);
    void CloseWelcome();
    void FitLessonWidth();
    // A course chosen in the composer or a file, once the setup shown may go.
    void FollowCourseAsked(const Course& chosen);
    // The answer just given, into the course followed and the answers' log.
    void KeepAnswer();
    // "Leçon suivante", or "Terminer" and the course's end.
    void NextInCourse();
    void OpenComposer();
    // "Exporter pour une plateforme (SCORM)..." of the menu: the course followed's package.
    void ExportFollowed();
    // A window docked beside the machine widens the main window, as far as the screen lets
    // it, so that the machine keeps its room.
    void MakeRoomBeside(const QDockWidget& dock);
    void OnMenuCommand(const MenuItem& item, bool checked);
    void CreateShortcuts();
    // A box of translated lines: the keys, the conventions.
    void ShowLines(const char* context, const char* title, std::span<const char* const> french);
    // One frame of the view, and the measures of that frame when their window is open.
    void RedrawView();
    void OpenMeasures();
    void MakeMeasures();
    // "Bobinage": the stator's winding.
    void OpenWinding();
    void MakeWinding();
    // "Panneaux à côté" and "Disposition initiale", the desktop's own items of "&Vue".
    void AddLayoutItems(QMenu* view);
    void SetProjector(bool on);
    void OnPresentationCommand(Presentation presentation);
    void OnColourMapCommand(ColourMapKind kind);
    void ShowClockInPanels();
    void CheckMenuItem(MenuCommand command, int argument, bool checked);
    // The windows, checks, pace and clock of a setup the session has just opened.
    void ShowOpened(const Setup& setup);
    // "Annuler", "Rétablir", "Tout réinitialiser": the session's step, then its setup shown.
    void Restore(std::optional<Setup> (Session::*step)());
    // What only the window knows of the setup shown: the pace and the windows open.
    Setup WindowsPart() const;
    // The clock's timer and the "&Animation" / "&Stop" caption as the session runs.
    void ShowRunning();
    // "Annotations" on or off, as if chosen in the menu; the next redraw shows it.
    void ShowAnnotations(bool on);
    // The outer square of the start, before the window exists: its size is taken for the
    // window's own until the first show tells the frame around it.
    void PlaceOnScreen();
    // "&Stator" / "&Rotor": creates the panel on first use, otherwise brings it back.
    void OpenPanel(Winding winding);
    // Creates a winding's panel with the winding's phase switches and angle, and, once a
    // setup was opened, the settings of the winding's last record.
    void MakePanel(Winding winding);
    CWindingPanel*& PanelOf(Winding winding);
    Session& session;
    SimulationState& state;  // the session's
    CMachineView* machineView;
    CommandBar* commandBar;
    // Created on first use and kept until the main window closes.
    CWindingPanel* statorPanel = nullptr;
    CWindingPanel* rotorPanel = nullptr;
    CMeasuresPanel* measuresPanel = nullptr;
    WindingDesignPanel* windingPanel = nullptr;
    QTimer clockTimer;
    QElapsedTimer describedAt;    // when the view's description was last written
    MeasureWords describedWords;  // the description's numbers in the user's language
    // Set once a setup was opened: a panel created afterwards shows the setup's settings.
    bool setupOpened = false;
    // Set while an opened setup is being shown, whose steps are no changes of their own.
    bool showingOpened = false;
    std::vector<std::pair<MenuItem, QAction*>> checkableItems;
    std::unique_ptr<SetupFiles> setupFiles;
    std::unique_ptr<PanelDocks> panelDocks;
    QAction* dockAction = nullptr;
    bool measuresPlaced = false;  // "Mesures" was placed beside the window once
    QSize placedFrameSize;
    // Made with the first lesson, docked beside the machine and never floating over it.
    QDockWidget* lessonDock = nullptr;
    LessonPanel* lessonPanel = nullptr;
    LessonAnnotations lessonAnnotations;
    // The course followed, until a lesson of the menu, a setup or the lesson's closing.
    std::optional<CourseRun> course;
    AnswerLogFile answerLog;
    CourseComposer* composer = nullptr;
    bool teacherView = false;
    QDockWidget* welcomeDock = nullptr;
};

}  // namespace vireflu
