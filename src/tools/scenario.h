#pragma once

#include <optional>

#include "render_options.h"
#include "simulation/simulation_state.h"
#include "view/machine_scene.h"

namespace vireflu {

// Where the frames of a run go. The run calls Draw exactly once after each of its steps,
// as the window redraws once after each command, record or tick, and stops at once when
// Draw returns false (a frame that could not be written).
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // Frames are numbered from the rotor record's (0) on, 1 after the first tick and so
    // on; the three frames before the rotor record have negative numbers.
    virtual bool Draw(MachineScene& scene, SimulationState& state, int frameNumber) = 0;
};

// The two records the panels sent during the run.
struct PanelRecords {
    WindingSettings stator;
    WindingSettings rotor;

    const WindingSettings& Of(Winding winding) const {
        return winding == Winding::Stator ? stator : rotor;
    }
};

// Plays the scenario on a state and a scene fresh from start-up: the presentation
// command, the colour-map command, the stator record, the rotor record, then the ticks.
PanelRecords RunScenario(const RenderOptions& options, SimulationState& state, MachineScene& scene,
                         FrameSink& sink);

// The period, in ticks, of the settings the scenario's records give; none when no supply
// alternates.
std::optional<int> ScenarioPeriodTicks(const RenderOptions& options);

}  // namespace vireflu
