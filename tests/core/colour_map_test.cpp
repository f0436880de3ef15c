#include <gtest/gtest.h>

#include "drawing/colour_map.h"

namespace vireflu {
namespace {

TEST(ColourMap, BlueBlackRedEndsAndNeutral) {
    const ColourMap map = BuildBlueBlackRed();
    EXPECT_EQ(map[0], (Rgb{0, 0, 255}));
    EXPECT_EQ(map[32], (Rgb{0, 0, 31}));
    EXPECT_EQ(map[33], (Rgb{31, 0, 0}));
    EXPECT_EQ(map[64], (Rgb{248, 0, 0}));
}

TEST(ColourMap, GreenBlackRedSharesTheReds) {
    const ColourMap green = BuildGreenBlackRed();
    const ColourMap blue = BuildBlueBlackRed();
    EXPECT_EQ(green[0], (Rgb{0, 255, 0}));
    EXPECT_EQ(green[32], (Rgb{0, 31, 0}));
    for (int i = 33; i <= 64; ++i) EXPECT_EQ(green[i], blue[i]) << "entry " << i;
}

TEST(ColourMap, CaoTruncatesQuarterSteps) {
    const ColourMap map = BuildCao();
    EXPECT_EQ(map[0], (Rgb{0, 0, 112}));
    EXPECT_EQ(map[13], (Rgb{93, 0, 229}));  // blue step -27/4 truncates to -6
    EXPECT_EQ(map[31], (Rgb{250, 51, 20}));
    EXPECT_EQ(map[32], (Rgb{255, 70, 0}));
    EXPECT_EQ(map[57], (Rgb{255, 255, 33}));
    EXPECT_EQ(map[63], (Rgb{255, 255, 165}));
    EXPECT_EQ(map[64], (Rgb{255, 255, 176}));
}

}  // namespace
}  // namespace vireflu
