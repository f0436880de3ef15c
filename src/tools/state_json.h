#pragma once

#include <string>

#include "lessons/lesson.h"
#include "machine/simulation_state.h"
#include "view/machine_scene.h"

namespace vireflu {

// The state after a run as a JSON object, under the names the simulation uses. The
// air-gap levels and the resultant are computed afresh from the state and the scene as
// the last frame left them, without changing either. Doubles are written in their
// shortest form that reads back to the same value; a torque that is not a number is null.
// A run from a lesson adds the lesson's answer as the simulator computes it.
std::string StateJson(const SimulationState& state, const MachineScene& scene,
                      const Lesson* lesson);

}  // namespace vireflu
