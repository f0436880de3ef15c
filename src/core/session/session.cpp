#include "session/session.h"

#include <algorithm>
#include <utility>

#include "lessons/pending_answer.h"
#include "machine/clock.h"
#include "machine/display_commands.h"
#include "measures/cage_currents.h"
#include "session/frame.h"
#include "setup/panel_record.h"

namespace vireflu {

Session::Session()
    : state(std::make_unique<SimulationState>()),
      scene(std::make_unique<MachineScene>()),
      records(FreshRecords()) {}

void Session::ResizeView(int width, int height) {
    scene->Resize(width, height);
}

void Session::Command(MenuCommand command, int argument) {
    if (command == MenuCommand::Presentation)
        SelectPresentation(*state, static_cast<Presentation>(argument));
    if (command == MenuCommand::ColourMap)
        SelectColourMap(*state, static_cast<ColourMapKind>(argument));
    if (command == MenuCommand::Projection) state->projectorMode = argument != 0 ? 1 : 0;
}

void Session::SetSequences(bool on) {
    state->sequenceMode = on ? 1 : 0;
}

void Session::ApplyRecord(Winding winding, const WindingSettings& record) {
    ApplyWindingSettings(*state, static_cast<int>(winding), record);
    (winding == Winding::Rotor ? records.rotor : records.stator) = record;
    ResetClock();
}

void Session::SetWinding(const WindingDesign& design) {
    state->winding = design;
    ResetClock();
}

void Session::SetCage(bool on) {
    state->cage.on = on;
    state->rotorAmplitude = 1;
    state->cageTorque = 0;
    // A fed rotor again takes the rotor panel's settings; a cage's follow in ResetClock.
    ApplyWindingSettings(*state, static_cast<int>(Winding::Rotor), records.rotor);
    ResetClock();
}

void Session::SetFreeRotor(bool on, double loadNm) {
    state->cage.free = on;
    state->cage.loadNm = std::clamp(loadNm, -kMaxLoadNm, kMaxLoadNm);
    ResetClock();
}

bool Session::SetCircuit(const EquivalentCircuit& circuit) {
    if (!InRange(circuit)) return false;
    state->cage.circuit = circuit;
    ResetClock();
    return true;
}

PanelModel Session::PanelOfRecord(Winding winding) const {
    return PanelModel(winding, records.Of(winding));
}

void Session::ResetClock() {
    // A cage's currents follow the machine as it is now; a free rotor starts again from the
    // rotor panel's rotation.
    if (state->cage.on) {
        ApplyWindingSettings(*state, static_cast<int>(Winding::Rotor), records.rotor);
        InduceCageCurrents(*state);
    }
    ResetClockState(*state);
    ticks = 0;
}

void Session::Tick() {
    AdvanceClock(*state);
    StepFreeRotor(*state);
    ++ticks;
}

bool Session::ToggleAnimation() {
    if (CanToggleAnimation(*state) && (running || !awaitsPrediction)) running = !running;
    return running;
}

const char* Session::WhyStill() const {
    if (running) return nullptr;
    if (!CanToggleAnimation(*state))
        return VIREFLU_UI_TEXT("Window", "Rien à animer : cochez une phase dans « Stator ».");
    if (awaitsPrediction)
        return VIREFLU_UI_TEXT("Window", "Répondez d'abord à la question de la leçon.");
    return nullptr;
}

void Session::AdvanceFrame() {
    vireflu::AdvanceFrame(*scene, *state);
}

void Session::PrepareFrame() {
    scene->Prepare(*state);
}

Measures Session::ComputeMeasures() const {
    return vireflu::ComputeMeasures(*state, scene->InstantOf(*state));
}

void Session::Open(const Setup& setup) {
    records = OpenSetup(setup, *state, *scene);
    ticks = setup.ticks;
    running = false;
    LeaveLesson();
}

Setup Session::CurrentSetup(const Setup& frontEnd) const {
    Setup setup = SetupOf(*state, records);
    setup.pacePeriodMs = frontEnd.pacePeriodMs;
    setup.statorWindow = frontEnd.statorWindow;
    setup.rotorWindow = frontEnd.rotorWindow;
    setup.measuresWindow = frontEnd.measuresWindow;
    setup.windingWindow = frontEnd.windingWindow;
    setup.ticks = ticks;
    setup.running = running;
    return setup;
}

std::optional<Setup> Session::Undo() {
    std::optional<Setup> setup = history.Undo();
    if (setup) Open(*setup);
    return setup;
}

std::optional<Setup> Session::Redo() {
    std::optional<Setup> setup = history.Redo();
    if (setup) Open(*setup);
    return setup;
}

std::optional<Setup> Session::ResetAll() {
    const Setup start;
    Open(start);
    return start;
}

void Session::AwaitPrediction(const Withheld& withheld) {
    state->withheld = withheld;
    awaitsPrediction = true;
}

void Session::EndPrediction() {
    state->withheld = {};
    awaitsPrediction = false;
}

LessonPage Session::OpenLesson(const Lesson& taken, Translate texts, bool english) {
    // The projector mode is the room's, not the lesson's: it stays as it is.
    Setup shown = taken.setup;
    shown.projection = state->projectorMode != 0;
    Open(shown);
    AwaitPrediction(WithheldBy(taken.quantity));
    LessonPage page = lesson.emplace(taken, std::move(texts), english).Page();
    page.setup = shown;
    return page;
}

namespace {

template <typename Answer>
std::optional<LessonVerdict> Answered(Session& session, std::optional<LessonRun>& run,
                                      Answer&& answer) {
    if (!run) return std::nullopt;
    std::optional<LessonVerdict> verdict = answer(*run);
    if (verdict) session.EndPrediction();
    return verdict;
}

}  // namespace

std::optional<LessonVerdict> Session::AnswerChoice(std::size_t choice) {
    return Answered(*this, lesson, [choice](LessonRun& run) { return run.Choose(choice); });
}

std::optional<LessonVerdict> Session::AnswerNumber(const std::string& typed) {
    return Answered(*this, lesson, [&typed](LessonRun& run) { return run.Type(typed); });
}

std::optional<LessonVerdict> Session::ShowAnswer() {
    return Answered(*this, lesson, [](LessonRun& run) { return run.Show(); });
}

void Session::LeaveLesson() {
    EndPrediction();
    lesson.reset();
}

}  // namespace vireflu
