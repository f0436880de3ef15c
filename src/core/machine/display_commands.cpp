#include "machine/display_commands.h"

namespace vireflu {

namespace {

struct DisplayFlags {
    int airGap, trace, vector, mmf, torque;
};

DisplayFlags FlagsOf(Presentation presentation) {
    switch (presentation) {
        case Presentation::AirGap:
            return {1, 0, 0, 0, 0};
        case Presentation::Vector:
            return {0, 0, 1, 0, 0};
        case Presentation::Trace:
            return {0, 1, 0, 0, 0};
        case Presentation::MagnetomotiveForces:
            return {0, 0, 1, 1, 0};
        case Presentation::Torque:
            return {0, 0, 1, 1, 1};
    }
    return {1, 0, 0, 0, 0};
}

}  // namespace

void SelectPresentation(SimulationState& state, Presentation presentation) {
    const DisplayFlags flags = FlagsOf(presentation);
    state.airGapMode = flags.airGap;
    state.traceMode = flags.trace;
    state.vectorMode = flags.vector;
    state.mmfMode = flags.mmf;
    state.torqueMode = flags.torque;
    if (presentation == Presentation::Trace) state.traceCount = state.traceShown = 0;
}

Presentation ShownPresentation(const SimulationState& state) {
    for (const Presentation p : {Presentation::AirGap, Presentation::Vector, Presentation::Trace,
                                 Presentation::MagnetomotiveForces, Presentation::Torque}) {
        const DisplayFlags f = FlagsOf(p);
        if (f.airGap == state.airGapMode && f.trace == state.traceMode &&
            f.vector == state.vectorMode && f.mmf == state.mmfMode && f.torque == state.torqueMode)
            return p;
    }
    return Presentation::AirGap;
}

void SelectColourMap(SimulationState& state, ColourMapKind kind) {
    switch (kind) {
        case ColourMapKind::BlueBlackRed:
            state.colourMap = BuildBlueBlackRed();
            break;
        case ColourMapKind::GreenBlackRed:
            state.colourMap = BuildGreenBlackRed();
            break;
        case ColourMapKind::Cao:
            state.colourMap = BuildCao();
            break;
        case ColourMapKind::BlueWhiteOrange:
            state.colourMap = BuildBlueWhiteOrange();
            break;
    }
}

}  // namespace vireflu
