#include "scenario.h"

#include <memory>

#include "panel_actions.h"
#include "simulation/clock.h"
#include "simulation/display_commands.h"
#include "simulation/period.h"

namespace vireflu {

namespace {

// The main window's handling of a panel's notification: apply, then reset the clock.
void ApplyRecord(SimulationState& state, Winding winding, const WindingSettings& record) {
    ApplyWindingSettings(state, static_cast<int>(winding), record);
    ResetClockState(state);
}

}  // namespace

PanelRecords RunScenario(const RenderOptions& options, SimulationState& state, MachineScene& scene,
                         FrameSink& sink) {
    scene.Resize(options.size.width, options.size.height);
    const PanelRecords records{PanelRecord(Winding::Stator, options.setup.stator),
                               PanelRecord(Winding::Rotor, options.setup.rotor)};
    int frame = -3;
    state.sequenceMode = options.setup.sequences ? 1 : 0;
    state.projectorMode = options.setup.projection ? 1 : 0;
    SelectPresentation(state, options.setup.presentation);
    if (!sink.Draw(scene, state, frame++)) return records;
    SelectColourMap(state, options.setup.colourMap);
    if (!sink.Draw(scene, state, frame++)) return records;
    ApplyRecord(state, Winding::Stator, records.stator);
    if (!sink.Draw(scene, state, frame++)) return records;
    ApplyRecord(state, Winding::Rotor, records.rotor);
    if (!sink.Draw(scene, state, frame++)) return records;
    for (int tick = 0; tick < options.setup.ticks; ++tick) {
        AdvanceClock(state);
        if (!sink.Draw(scene, state, frame++)) break;
    }
    return records;
}

std::optional<int> ScenarioPeriodTicks(const RenderOptions& options) {
    const auto state = std::make_unique<SimulationState>();
    ApplyRecord(*state, Winding::Stator, PanelRecord(Winding::Stator, options.setup.stator));
    ApplyRecord(*state, Winding::Rotor, PanelRecord(Winding::Rotor, options.setup.rotor));
    return PeriodTicks(*state);
}

}  // namespace vireflu
