#pragma once

#include <array>

#include "drawing/colour.h"

namespace vireflu {

inline constexpr int kColourLevels = 65;
inline constexpr int kNeutralLevel = 32;
inline constexpr int kHighestLevel = 64;

// The 65-entry palette: entry L is the colour of colour level L everywhere in the
// cross-section.
using ColourMap = std::array<Rgb, kColourLevels>;

ColourMap BuildBlueBlackRed();   // "Bleu Noir Rouge"
ColourMap BuildGreenBlackRed();  // "Vert NoirRouge"
ColourMap BuildCao();            // "CAO"

}  // namespace vireflu
