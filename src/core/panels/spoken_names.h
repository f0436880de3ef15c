#pragma once

#include <string>

#include "panels/panel_template.h"

namespace vireflu {

// What a screen reader says of a panel control that shows no text of its own: its name and a
// short description, in French ("Panel" context). Patterns hold "%1" where the phase goes;
// the up/down control names each of its two arrows. Check boxes, radio buttons and labels
// are named by their own text: their name is null.
struct SpokenName {
    const char* name = nullptr;
    const char* description = nullptr;
    // What the control's tooltip teaches: for an angle, the convention it is read in.
    const char* tip = nullptr;
};
SpokenName SpokenNameOf(PanelControl control);
inline constexpr int kStepUp = 0;
inline constexpr int kStepDown = 1;
const char* StepArrowName(int arrow);

}  // namespace vireflu
