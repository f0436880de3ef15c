#pragma once

#include <array>
#include <optional>
#include <span>

namespace vireflu {

// The six-step ("rectangulaire") currents of the three stator phases, each -1, 0 or +1,
// chosen by the stator angle alone. Angles at or above 6.283179999999999 (one unit in
// the last place below a turn) lie in no step and give nothing.
std::optional<std::array<int, 3>> SixStepCurrents(double statorAngle);

// One step of the table: the currents on [from, to).
struct SixStep {
    double from;
    double to;
    std::array<int, 3> currents;
};
// The seven steps covering one turn, in order.
std::span<const SixStep> SixStepTable();

}  // namespace vireflu
