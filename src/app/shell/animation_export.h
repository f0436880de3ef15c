#pragma once

#include <QSize>
#include <QWidget>

#include "simulation/simulation_state.h"

namespace vireflu {

// "&Exporter l'animation...": asks for a file name, then writes one period of the current
// settings and presentation, from clock zero, as a looping GIF of the view's size, with a
// progress dialog that can cancel it. The frames are drawn from a copy of the state on a
// scene of their own, so the running animation goes on undisturbed. A cancelled or failed
// export leaves no file behind and says why.
void ExportAnimation(QWidget* parent, const SimulationState& state, QSize viewSize);

}  // namespace vireflu
