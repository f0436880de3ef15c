#include <gtest/gtest.h>

#include "simulation/display_commands.h"

namespace vireflu {
namespace {

// Every command writes all five flags, so each row starts from their opposites.
TEST(SelectPresentation, SetsAllFiveFlagsAndTraceStartsAfresh) {
    struct Row {
        Presentation presentation;
        std::array<int, 5> flags;  // air gap, trace, vector, mmf, torque
        int traceCount;
    };
    const Row rows[] = {{Presentation::AirGap, {1, 0, 0, 0, 0}, 40},
                        {Presentation::Vector, {0, 0, 1, 0, 0}, 40},
                        {Presentation::Trace, {0, 1, 0, 0, 0}, 0},
                        {Presentation::MagnetomotiveForces, {0, 0, 1, 1, 0}, 40},
                        {Presentation::Torque, {0, 0, 1, 1, 1}, 40}};
    for (const Row& row : rows) {
        SimulationState s;
        s.airGapMode = !row.flags[0];
        s.traceMode = !row.flags[1];
        s.vectorMode = !row.flags[2];
        s.mmfMode = !row.flags[3];
        s.torqueMode = !row.flags[4];
        s.traceCount = 40;
        SelectPresentation(s, row.presentation);
        const std::array<int, 5> flags{s.airGapMode, s.traceMode, s.vectorMode, s.mmfMode,
                                       s.torqueMode};
        EXPECT_EQ(flags, row.flags) << static_cast<int>(row.presentation);
        EXPECT_EQ(s.traceCount, row.traceCount) << static_cast<int>(row.presentation);
    }
}

}  // namespace
}  // namespace vireflu
