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
// "Bleu Blanc Orange", for projectors and red-green colour-blind viewers: a diverging map
// from blue (33, 102, 172) at level 0 through a light grey (230, 230, 230) at the neutral
// level 32, still visible on the white background, to orange (230, 97, 1) at level 64.
// Entry L is interpolated linearly in each half, truncated toward zero.
ColourMap BuildBlueWhiteOrange();

}  // namespace vireflu
