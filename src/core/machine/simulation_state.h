#pragma once

#include <array>
#include <cstdint>

#include "drawing/colour_map.h"
#include "drawing/geometry.h"
#include "machine/induction_circuit.h"
#include "machine/winding_design.h"

namespace vireflu {

// Waveform of a winding's supply, coded as the panels send it.
enum WaveformKind : std::int32_t {
    kWaveformNone = -1,  // phase 1 off, no waveform chosen
    kWaveformSinus = 0,
    kWaveformContinu = 1,
    kWaveformRectangulaire = 2,  // stator only: the six-step wave
};

// The record a panel sends to the main window: ten 32-bit integers in this order.
struct WindingSettings {
    std::int32_t phase1On = 0;
    std::int32_t phase2On = 0;
    std::int32_t phase3On = 0;
    std::int32_t phase1AngleDeg = 0;
    std::int32_t phase2AngleDeg = 0;
    std::int32_t phase3AngleDeg = 0;
    std::int32_t frequencyHz = 0;
    std::int32_t rotationHz = 0;
    std::int32_t initialPositionDeg = 0;
    std::int32_t waveform = kWaveformNone;

    friend bool operator==(const WindingSettings&, const WindingSettings&) = default;
};

// Which winding a record is for; the notification's selector.
enum class Winding : int { Stator = 0, Rotor = 1 };

inline constexpr int kTraceCapacity = 1000;

// What a lesson waiting for the student's prediction keeps off the screen, so that no window
// gives its answer away: each front-end sets it when the question is asked and clears it on
// the answer. Nothing is held back otherwise.
struct Withheld {
    // The stator field's sense and speed: its figures, its direct and inverse split, the slips
    // against it, the two rotating fields drawn and the annotations' arrow.
    bool field = false;
    bool slip = false;       // the slips and the rotor currents' frequency
    bool torque = false;     // the torque figure (the torque bar stays drawn)
    bool harmonics = false;  // the six-step harmonics' senses

    friend bool operator==(const Withheld&, const Withheld&) = default;
};

// Everything the simulator knows. Exactly one instance lives for the whole run; the
// member values below are those the main window sets when it is created.
struct SimulationState {
    // Stator winding.
    std::array<int, 3> statorPhaseOn{0, 0, 0};
    std::array<double, 3> statorPhaseAngle{0, 0, 0};
    double statorPulsation = 314.159;
    int statorWaveform = kWaveformSinus;

    // Rotor winding.
    std::array<int, 3> rotorPhaseOn{0, 0, 0};
    std::array<double, 3> rotorPhaseAngle{0, 0, 0};
    double rotorPulsation = 314.159;
    int rotorWaveform = kWaveformSinus;
    double rotationPulsation = 0;
    double initialRotorPosition = 0;

    // Clock.
    double timeStep = 0.0005;
    double elapsedTime = 0;
    double statorAngle = 0;
    double rotorAngle = 0;
    double rotorPosition = 0;

    // Display flags ("Entrefer:couleur" at start-up).
    int airGapMode = 1;
    int traceMode = 0;
    int vectorMode = 0;
    int mmfMode = 0;
    int torqueMode = 0;
    // Opened by the user, off at start-up: the two rotating fields drawn beside the
    // vector, and the projector's thicker lines.
    int sequenceMode = 0;
    int projectorMode = 0;
    // The stator's winding; the default one is the teaching machine drawn since the start.
    WindingDesign winding;
    // A cage rotor, and the amplitude of the rotor's currents against the stator's (1 for a
    // fed rotor; a cage's induced currents, 0 at synchronism).
    CageRotor cage;
    double rotorAmplitude = 1;
    // A cage's torque as the bar draws it (counted clockwise): the circuit's, 0.9 at its
    // largest, as a balanced three-phase pair's largest.
    double cageTorque = 0;

    // Recorded tips of the field vector; traceCount is also the next free slot. The trace
    // shows the first traceShown points: all of them just after the buffer filled up.
    std::array<Point, kTraceCapacity> traceBuffer{};
    int traceCount = 0;
    int traceShown = 0;

    double torqueValue = 0;
    ColourMap colourMap = BuildBlueBlackRed();

    Withheld withheld;
};

// Width in pixels of the vector, trace and curve lines: three times thicker for a projector.
inline int LineWidth(bool projector) {
    return projector ? 3 : 1;
}
inline int LineWidth(const SimulationState& state) {
    return LineWidth(state.projectorMode != 0);
}

// Converts a panel's record into the state (degrees to radians, hertz to rad/s). A
// selector other than 0 or 1 changes nothing. The caller then resets the clock.
void ApplyWindingSettings(SimulationState& state, int selector, const WindingSettings& record);

}  // namespace vireflu
