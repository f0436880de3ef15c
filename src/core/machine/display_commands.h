#pragma once

#include "machine/simulation_state.h"

namespace vireflu {

// The five presentations of the "&Représentation" menu.
enum class Presentation { AirGap, Vector, Trace, MagnetomotiveForces, Torque };

// The maps of the "&Couleur" menu: the three of the cross-section and the projector's.
enum class ColourMapKind { BlueBlackRed, GreenBlackRed, Cao, BlueWhiteOrange };

// Sets the five display flags of a presentation; "Trace" also starts the path afresh.
// The caller redraws.
void SelectPresentation(SimulationState& state, Presentation presentation);

// The presentation whose display flags the state shows (the first when none matches, as
// flags set by hand may).
Presentation ShownPresentation(const SimulationState& state);

// Rebuilds the colour map; the caller redraws.
void SelectColourMap(SimulationState& state, ColourMapKind kind);

}  // namespace vireflu
