#pragma once

// The program's own circle constants: truncated values of pi that are part of its
// behaviour. They must never be replaced by full-precision pi.
namespace vireflu::constants {

inline constexpr double kTurn = 6.28318;
inline constexpr double kHalfTurn = 3.14159;
inline constexpr double kQuarterTurn = 1.570795;
inline constexpr double kDeg30 = 0.5235983333333333;
inline constexpr double kDeg120 = 2.094393333333333;
inline constexpr double kDeg150 = 2.6179916666666667;
inline constexpr double kDeg210 = 3.665188333333333;
inline constexpr double kDeg240 = 4.188786666666666;
// Degrees to radians for settings and panel pictures (3.14159 / 180).
inline constexpr double kDegreeFactor = 0.017453277777777776;
// Degrees to radians for the view's 2-degree tables: one unit in the last place above.
inline constexpr double kViewDegreeFactor = 0.01745327777777778;

}  // namespace vireflu::constants
