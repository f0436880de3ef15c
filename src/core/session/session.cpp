#include "session/session.h"

#include "machine/clock.h"
#include "machine/display_commands.h"
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

PanelModel Session::PanelOfRecord(Winding winding) const {
    return PanelModel(winding, records.Of(winding));
}

void Session::ResetClock() {
    ResetClockState(*state);
    ticks = 0;
}

void Session::Tick() {
    AdvanceClock(*state);
    ++ticks;
}

bool Session::ToggleAnimation() {
    if (CanToggleAnimation(*state) && (running || !awaitsPrediction)) running = !running;
    return running;
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
    awaitsPrediction = false;
}

Setup Session::CurrentSetup(const Setup& frontEnd) const {
    Setup setup = SetupOf(*state, records);
    setup.pacePeriodMs = frontEnd.pacePeriodMs;
    setup.statorWindow = frontEnd.statorWindow;
    setup.rotorWindow = frontEnd.rotorWindow;
    setup.measuresWindow = frontEnd.measuresWindow;
    setup.ticks = ticks;
    setup.running = running;
    return setup;
}

void Session::AwaitPrediction(const Withheld& withheld) {
    state->withheld = withheld;
    awaitsPrediction = true;
}

void Session::EndPrediction() {
    state->withheld = {};
    awaitsPrediction = false;
}

}  // namespace vireflu
