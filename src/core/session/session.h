#pragma once

#include <memory>
#include <optional>
#include <string>

#include "lessons/lesson_run.h"
#include "machine/simulation_state.h"
#include "measures/measures.h"
#include "panels/panel_model.h"
#include "session/open_setup.h"
#include "session/setup_history.h"
#include "setup/setup.h"
#include "shell/main_menu.h"
#include "view/machine_scene.h"

namespace vireflu {

// The simulator as one user has it in front of them, whatever shows it: the state, the
// machine view's scene, the panels' last records, the clock and whether it runs, and whether
// a lesson waits for the student's prediction. The window, the page and vireflu-render drive
// one each the same way and keep only their widgets, timers and texts.
class Session {
public:
    Session();

    SimulationState& State() { return *state; }
    const SimulationState& State() const { return *state; }
    const MachineScene& Scene() const { return *scene; }
    // The machine view's size in pixels; the next frame is laid out for it.
    void ResizeView(int width, int height);

    // "&Représentation" (argument: the presentation), "&Couleur" (the colour map) and
    // "Projection" (1 when checked); other commands are the front-ends' own.
    void Command(MenuCommand command, int argument);
    // "Deux champs tournants" in "Mesures".
    void SetSequences(bool on);

    // A panel's record: kept, applied to the state, and the clock back to zero.
    void ApplyRecord(Winding winding, const WindingSettings& record);
    const PanelRecords& Records() const { return records; }
    // A panel set as its winding's last record says, for a panel opened after a setup.
    PanelModel PanelOfRecord(Winding winding) const;

    // "Bobinage": the stator's winding, and the clock back to zero.
    void SetWinding(const WindingDesign& design);
    // "Rotor à cage": the rotor's currents induced by the slip, or the rotor panel's again;
    // the clock back to zero.
    void SetCage(bool on);
    // "Rotor libre" and its load torque in N m (held in range); the clock back to zero.
    void SetFreeRotor(bool on, double loadNm);
    // The cage's equivalent circuit, when every value is in range (false, and nothing
    // changed, otherwise); the clock back to zero.
    bool SetCircuit(const EquivalentCircuit& circuit);

    // "&Initialisation": the clock back to zero; a running clock goes on.
    void ResetClock();
    // One step of the clock.
    void Tick();
    // "&Animation" / "&Stop": whether the clock runs afterwards. Nothing changes while no
    // winding has its phase 1 on, and the clock does not start while a prediction is awaited.
    bool ToggleAnimation();
    bool Running() const { return running; }
    int Ticks() const { return ticks; }
    // Why "&Animation" would not start the clock, in French (context "Window"), and where to
    // look; none when it would, or the clock runs.
    const char* WhyStill() const;

    // The frame after a command or a tick: prepared, its torque figure and trace point kept.
    void AdvanceFrame();
    // The same instant shown anew (a new size, an exposed window): nothing is recorded.
    void PrepareFrame();
    // What "Mesures" shows at the present instant.
    Measures ComputeMeasures() const;

    // Opens a setup: the state, the records and the clock become the setup's, the clock
    // stopped; the next frame is the one vireflu-render draws last for it. A lesson being
    // taken ends.
    void Open(const Setup& setup);
    // The setup shown, with what only the front-end knows (the pace and the windows open)
    // taken from `frontEnd`.
    Setup CurrentSetup(const Setup& frontEnd) const;

    // "Annuler" and "Rétablir": after every change (and tick) the front-end hands its part
    // of the setup shown (see CurrentSetup); Undo and Redo open the setup to show instead,
    // which the front-end then shows as an opened one. None when there is nothing to do.
    void Remember(const Setup& frontEnd) { history.Remember(CurrentSetup(frontEnd)); }
    std::optional<Setup> Undo();
    std::optional<Setup> Redo();
    // "Tout réinitialiser": the start's setup opened (itself a change that can be undone).
    std::optional<Setup> ResetAll();
    // The setup last remembered is the one a file holds; whether the one shown since differs
    // (the title's mark, the question before it is lost).
    void KeepShown() { history.Keep(); }
    bool ShownChanged() const { return history.Changed(); }

    // A lesson's question is asked: until the prediction (or "Montrer", or the lesson left),
    // what would tell the answer is held back and the clock waits.
    void AwaitPrediction(const Withheld& withheld);
    void EndPrediction();
    bool AwaitsPrediction() const { return awaitsPrediction; }

    // Opens a lesson's setup, the projector mode as it is, and asks its question, worded by
    // `texts` (see LessonRun); the page tells the setup opened.
    LessonPage OpenLesson(const Lesson& lesson, Translate texts, bool english);
    // The lesson being taken, if any.
    const LessonRun* LessonTaken() const { return lesson ? &*lesson : nullptr; }
    // The student's answer: a choice, a typed number, or "Montrer"; with a verdict everything
    // shows again. None when nothing was answered (see LessonRun).
    std::optional<LessonVerdict> AnswerChoice(std::size_t choice);
    std::optional<LessonVerdict> AnswerNumber(const std::string& typed);
    std::optional<LessonVerdict> ShowAnswer();
    // The lesson's window closed: everything shows again.
    void LeaveLesson();

private:
    std::unique_ptr<SimulationState> state;
    std::unique_ptr<MachineScene> scene;
    PanelRecords records;
    int ticks = 0;
    bool running = false;
    bool awaitsPrediction = false;
    std::optional<LessonRun> lesson;
    SetupHistory history;
};

}  // namespace vireflu
