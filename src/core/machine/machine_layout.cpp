#include "machine/machine_layout.h"

#include "machine/constants.h"

namespace vireflu {

using namespace constants;

const MachineLayout& TeachingMachine() {
    static const MachineLayout machine{
        1,
        {kQuarterTurn, -kQuarterTurn, kDeg210, kDeg30, -kDeg30, kDeg150, kHalfTurn, 0},
        {Coil{1, 0, 1}, Coil{2, 2, 3}, Coil{3, 4, 5}},
        {Coil{1, 0, 1}, Coil{2, 6, 7}},
    };
    return machine;
}

std::vector<Coil> MachineLayout::CoilsOf(const std::array<int, 3>& on) const {
    std::vector<Coil> coils;
    if (on[0]) coils.push_back(threePhase[0]);
    if (!on[1]) return coils;
    // Phase 3 only carries current behind phase 2.
    if (on[2])
        coils.insert(coils.end(), {threePhase[1], threePhase[2]});
    else
        coils.push_back(twoPhase[1]);
    return coils;
}

}  // namespace vireflu
