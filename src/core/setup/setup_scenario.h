#pragma once

#include <memory>
#include <optional>

#include "machine/simulation_state.h"
#include "setup/setup.h"

namespace vireflu {

// Where the frames of a played setup go. The play calls Draw exactly once after each of its
// steps, as the window redraws once after each command, record or tick, and stops at once
// when Draw returns false (a frame that could not be written).
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // Frames are numbered from the rotor record's (0) on, 1 after the first tick and so
    // on; the three frames before the rotor record have negative numbers.
    virtual bool Draw(SimulationState& state, int frameNumber) = 0;
};

// The two records the panels sent.
struct PanelRecords {
    WindingSettings stator;
    WindingSettings rotor;

    const WindingSettings& Of(Winding winding) const {
        return winding == Winding::Stator ? stator : rotor;
    }
};

// Plays a setup on a state fresh from start-up, as a user would: the
// presentation command, the colour-map command, the stator panel's record, the rotor
// panel's record, then the ticks. The projector and the two rotating fields are set before
// the first frame; the windows, the pace and the running clock are the front-end's.
PanelRecords PlaySetup(const Setup& setup, SimulationState& state, FrameSink& sink);

// The state a setup leaves, no frame shown (so no trace): what its figures are read from.
std::unique_ptr<SimulationState> SetUp(const Setup& setup);

// The period, in ticks, of the settings the setup's records give; none when no supply
// alternates.
std::optional<int> SetupPeriodTicks(const Setup& setup);

}  // namespace vireflu
