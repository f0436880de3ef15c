#include "drawing/colour_map.h"

#include <cstdint>

namespace vireflu {

namespace {

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

// Levels above neutral: pure red rising in steps of 7 from 31 at entry 33.
void FillReds(ColourMap& map) {
    for (int i = 33; i <= 64; ++i) map[static_cast<std::size_t>(i)] = Rgb{Byte(7 * i - 200), 0, 0};
}

}  // namespace

ColourMap BuildBlueBlackRed() {
    ColourMap map{};
    for (int i = 0; i <= 32; ++i) map[static_cast<std::size_t>(i)] = Rgb{0, 0, Byte(255 - 7 * i)};
    FillReds(map);
    return map;
}

ColourMap BuildGreenBlackRed() {
    ColourMap map{};
    for (int i = 0; i <= 32; ++i) map[static_cast<std::size_t>(i)] = Rgb{0, Byte(255 - 7 * i), 0};
    FillReds(map);
    return map;
}

ColourMap BuildCao() {
    static constexpr int kPoints[17][3] = {
        {0, 0, 112},     {0, 0, 153},     {0, 0, 190},   {80, 0, 235},  {135, 0, 208},
        {176, 0, 176},   {208, 0, 135},   {235, 0, 80},  {255, 70, 0},  {255, 121, 0},
        {255, 160, 0},   {255, 191, 0},   {255, 217, 0}, {255, 238, 0}, {255, 255, 0},
        {255, 255, 135}, {255, 255, 176},
    };
    ColourMap map{};
    for (int k = 0; k < 16; ++k) {
        int step[3];
        // The quarter step is truncated toward zero, so a segment's last entry need not
        // lie three quarters of the way and the next control point is a jump.
        for (int c = 0; c < 3; ++c)
            step[c] = static_cast<int>((kPoints[k + 1][c] - kPoints[k][c]) * 0.25);
        for (int j = 0; j < 4; ++j) {
            map[static_cast<std::size_t>(4 * k + j)] =
                Rgb{Byte(kPoints[k][0] + j * step[0]), Byte(kPoints[k][1] + j * step[1]),
                    Byte(kPoints[k][2] + j * step[2])};
        }
    }
    map[64] = Rgb{255, 255, 176};
    return map;
}

ColourMap BuildBlueWhiteOrange() {
    constexpr int kEnds[3][3] = {{33, 102, 172}, {230, 230, 230}, {230, 97, 1}};
    ColourMap map{};
    for (int level = 0; level < kColourLevels; ++level) {
        const int half = level < kNeutralLevel ? 0 : 1;
        const double t = (level - half * kNeutralLevel) / 32.0;
        int rgb[3];
        for (int c = 0; c < 3; ++c)
            rgb[c] = static_cast<int>(kEnds[half][c] + (kEnds[half + 1][c] - kEnds[half][c]) * t);
        map[static_cast<std::size_t>(level)] = Rgb{Byte(rgb[0]), Byte(rgb[1]), Byte(rgb[2])};
    }
    return map;
}

}  // namespace vireflu
