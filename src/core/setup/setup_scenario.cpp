#include "setup/setup_scenario.h"

#include <memory>

#include "machine/clock.h"
#include "machine/display_commands.h"
#include "machine/period.h"
#include "measures/cage_currents.h"
#include "setup/panel_record.h"

namespace vireflu {

namespace {

// The main window's handling of a panel's notification: apply, then reset the clock.
void ApplyRecord(SimulationState& state, Winding winding, const WindingSettings& record) {
    ApplyWindingSettings(state, static_cast<int>(winding), record);
    InduceCageCurrents(state);
    ResetClockState(state);
}

}  // namespace

PanelRecords PlaySetup(const Setup& setup, SimulationState& state, FrameSink& sink) {
    const PanelRecords records{RecordOf(Winding::Stator, setup.stator),
                               RecordOf(Winding::Rotor, setup.rotor)};
    int frame = -3;
    state.sequenceMode = setup.sequences ? 1 : 0;
    state.projectorMode = setup.projection ? 1 : 0;
    state.winding = setup.winding;
    state.cage = setup.cage;
    SelectPresentation(state, setup.presentation);
    if (!sink.Draw(state, frame++)) return records;
    SelectColourMap(state, setup.colourMap);
    if (!sink.Draw(state, frame++)) return records;
    ApplyRecord(state, Winding::Stator, records.stator);
    if (!sink.Draw(state, frame++)) return records;
    ApplyRecord(state, Winding::Rotor, records.rotor);
    if (!sink.Draw(state, frame++)) return records;
    for (int tick = 0; tick < setup.ticks; ++tick) {
        AdvanceClock(state);
        StepFreeRotor(state);
        if (!sink.Draw(state, frame++)) break;
    }
    return records;
}

std::unique_ptr<SimulationState> SetUp(const Setup& setup) {
    struct NoFrames : FrameSink {
        bool Draw(SimulationState&, int) override { return true; }
    } none;
    auto state = std::make_unique<SimulationState>();
    PlaySetup(setup, *state, none);
    return state;
}

std::optional<int> SetupPeriodTicks(const Setup& setup) {
    const auto state = std::make_unique<SimulationState>();
    ApplyRecord(*state, Winding::Stator, RecordOf(Winding::Stator, setup.stator));
    ApplyRecord(*state, Winding::Rotor, RecordOf(Winding::Rotor, setup.rotor));
    return PeriodTicks(*state);
}

}  // namespace vireflu
