#include "machine/six_step.h"

namespace vireflu {

namespace {

// The stored bounds, used exactly as written: two of them sit one unit in the last
// place below the values written elsewhere.
constexpr SixStep kSteps[] = {
    {0, 0.5235983333333333, {0, -1, +1}},
    {0.5235983333333333, 1.5707949999999997, {+1, -1, 0}},
    {1.5707949999999997, 2.6179916666666667, {+1, 0, -1}},
    {2.6179916666666667, 3.665188333333333, {0, +1, -1}},
    {3.665188333333333, 4.712385, {-1, +1, 0}},
    {4.712385, 5.759581666666667, {-1, 0, +1}},
    {5.759581666666667, 6.283179999999999, {0, -1, +1}},
};

}  // namespace

std::optional<std::array<int, 3>> SixStepCurrents(double statorAngle) {
    for (const SixStep& step : kSteps) {
        if (step.from <= statorAngle && statorAngle < step.to) return step.currents;
    }
    return std::nullopt;
}

std::span<const SixStep> SixStepTable() {
    return kSteps;
}

}  // namespace vireflu
