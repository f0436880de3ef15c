#pragma once

#include <array>
#include <vector>

namespace vireflu {

// The machine as data: where a winding's conductors sit and which phase each carries. A coil
// goes in at one slot and comes back at another, half a turn away for one pole pair.
struct Coil {
    int phase = 1;  // 1..3
    int slotIn = 0;
    int slotOut = 0;
    int turns = 1;
};

// The teaching machine: one pole pair, eight slots (two pairs of which only the two-phase
// winding uses), the same places on the stator and, turned with it, on the rotor. A winding
// with its phase 3 on is the three-phase one, coils 120 degrees apart; with phase 2 on but
// not 3 it is the two-phase one, its second coil turned by 90 degrees.
struct MachineLayout {
    int polePairs = 1;
    // Each slot's angle, counterclockwise from the right, in the program's own radians.
    std::array<double, 8> slotAngles{};
    std::array<Coil, 3> threePhase{};
    std::array<Coil, 2> twoPhase{};

    // The coils a winding with these phases on carries current in, phase by phase.
    std::vector<Coil> CoilsOf(const std::array<int, 3>& on) const;
};

const MachineLayout& TeachingMachine();

}  // namespace vireflu
