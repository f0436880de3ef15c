#pragma once

#include <string>

#include "machine/simulation_state.h"
#include "measures/measure_rows.h"
#include "measures/measures.h"
#include "shell/interface_text.h"

namespace vireflu {

// The machine in a few sentences for a screen reader: which phases of each winding carry
// current and in which waveform, the field's sense and speed, the rotor's speed, the torque
// figure and the presentation shown. Built from the same measures and menu table the windows
// show, so it says nothing the screen does not.
std::string DescribeMachine(const SimulationState& state, const Measures& measures,
                            const MeasureWords& words = {}, const TranslateText& translate = {});

// Front-ends refresh the description when the settings change and, while the clock runs, at
// most this often, so a screen reader is not flooded with one sentence per tick.
inline constexpr int kDescriptionPeriodMs = 1000;

}  // namespace vireflu
