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
    const PanelRecords records{PanelRecord(Winding::Stator, options.stator),
                               PanelRecord(Winding::Rotor, options.rotor)};
    int frame = -3;
    SelectPresentation(state, options.presentation);
    sink.Draw(scene, state, frame++);
    SelectColourMap(state, options.colourMap);
    sink.Draw(scene, state, frame++);
    ApplyRecord(state, Winding::Stator, records.stator);
    sink.Draw(scene, state, frame++);
    ApplyRecord(state, Winding::Rotor, records.rotor);
    sink.Draw(scene, state, frame++);
    for (int tick = 0; tick < options.ticks; ++tick) {
        AdvanceClock(state);
        sink.Draw(scene, state, frame++);
    }
    return records;
}

std::optional<int> ScenarioPeriodTicks(const RenderOptions& options) {
    const auto state = std::make_unique<SimulationState>();
    ApplyRecord(*state, Winding::Stator, PanelRecord(Winding::Stator, options.stator));
    ApplyRecord(*state, Winding::Rotor, PanelRecord(Winding::Rotor, options.rotor));
    return PeriodTicks(*state);
}

}  // namespace vireflu
