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

// Every entry of the "CAO" ramp, four per segment between the 17 control points.
TEST(ColourMap, CaoWholeRamp) {
    const ColourMap expected{{
        {0, 0, 112},     {0, 0, 122},     {0, 0, 132},     {0, 0, 142},     {0, 0, 153},
        {0, 0, 162},     {0, 0, 171},     {0, 0, 180},     {0, 0, 190},     {20, 0, 201},
        {40, 0, 212},    {60, 0, 223},    {80, 0, 235},    {93, 0, 229},    {106, 0, 223},
        {119, 0, 217},   {135, 0, 208},   {145, 0, 200},   {155, 0, 192},   {165, 0, 184},
        {176, 0, 176},   {184, 0, 166},   {192, 0, 156},   {200, 0, 146},   {208, 0, 135},
        {214, 0, 122},   {220, 0, 109},   {226, 0, 96},    {235, 0, 80},    {240, 17, 60},
        {245, 34, 40},   {250, 51, 20},   {255, 70, 0},    {255, 82, 0},    {255, 94, 0},
        {255, 106, 0},   {255, 121, 0},   {255, 130, 0},   {255, 139, 0},   {255, 148, 0},
        {255, 160, 0},   {255, 167, 0},   {255, 174, 0},   {255, 181, 0},   {255, 191, 0},
        {255, 197, 0},   {255, 203, 0},   {255, 209, 0},   {255, 217, 0},   {255, 222, 0},
        {255, 227, 0},   {255, 232, 0},   {255, 238, 0},   {255, 242, 0},   {255, 246, 0},
        {255, 250, 0},   {255, 255, 0},   {255, 255, 33},  {255, 255, 66},  {255, 255, 99},
        {255, 255, 135}, {255, 255, 145}, {255, 255, 155}, {255, 255, 165}, {255, 255, 176},
    }};
    const ColourMap map = BuildCao();
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(map[i], expected[i]) << i;
}

}  // namespace
}  // namespace vireflu
