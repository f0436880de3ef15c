#pragma once

#include <array>
#include <complex>
#include <optional>

namespace vireflu {

// A three-phase induction machine, star-connected, as its per-phase equivalent circuit referred
// to the stator: R1 + jX1, then the magnetising reactance XM across R2/g + jX2; in ohms, with
// the line voltage in volts. The defaults are a small four-pole motor of about 3.5 kW at
// 400 V, 50 Hz.
struct EquivalentCircuit {
    double r1 = 2.0;
    double x1 = 2.8;
    double r2 = 1.8;
    double x2 = 3.5;
    double xm = 90;
    double lineVoltage = 400;
    bool operator==(const EquivalentCircuit&) const = default;
};

// The circuit's five impedances in the order files, options and windows give them.
inline constexpr std::array<double EquivalentCircuit::*, 5> kCircuitOhms{
    &EquivalentCircuit::r1, &EquivalentCircuit::x1, &EquivalentCircuit::r2, &EquivalentCircuit::x2,
    &EquivalentCircuit::xm};

// The ranges a circuit is held to: every resistance and reactance above 0 and at most
// kMaxOhms (R1 may be 0), the line voltage 1..kMaxLineVoltage.
inline constexpr double kMaxOhms = 1000;
inline constexpr double kMaxLineVoltage = 10000;
bool InRange(const EquivalentCircuit& circuit);

// A squirrel-cage rotor in place of the fed one: its currents are induced by the slip, as
// the circuit says.
// A free rotor finds its own speed, J dw/dt = T - T_load, from the rotation the rotor panel
// gives; its inertia in kg m^2 and a constant load torque in N m against the field's
// rotation. The default inertia starts the default motor within about 0.1 s.
struct CageRotor {
    bool on = false;
    EquivalentCircuit circuit;
    bool free = false;
    double inertia = 0.02;
    double loadNm = 0;
    bool operator==(const CageRotor&) const = default;
};
inline constexpr double kMinInertia = 0.0001;
inline constexpr double kMaxInertia = 100;
inline constexpr double kMaxLoadNm = 10000;

// The machine at slip g = (n_s - n) / n_s, the figures counted along the field's rotation
// (the motor convention): torque T = 3 I2^2 R2 / (g w_s), negative when the machine
// generates (g < 0); the mechanical power T w_s (1 - g), negative when it generates and when
// it brakes against the field (g > 1); the input power 3 V I1 cos(phi), negative when it
// generates. At g = 0 the rotor carries nothing.
struct InductionPoint {
    double slip = 0;
    double torqueNm = 0;
    double statorCurrentA = 0;
    double rotorCurrentA = 0;
    double powerFactor = 0;
    double inputPowerW = 0;
    double mechanicalPowerW = 0;
    // The stator's and the rotor's current phasors, the stator's phase voltage at angle 0;
    // the rotor's flows from the gap into R2/g + jX2.
    std::complex<double> statorCurrent;
    std::complex<double> rotorCurrent;
};
InductionPoint OperatingPointAt(const EquivalentCircuit& circuit, double supplyHz, int polePairs,
                                double slip);

// The curve's landmarks from the exact Thevenin equivalent of the stator side: the slip of
// largest torque R2 / |Z_th + jX2|, that torque, and the torque at standstill (g = 1).
struct TorqueLandmarks {
    double slipAtMaxTorque = 0;
    double maxTorqueNm = 0;
    double startTorqueNm = 0;
};
TorqueLandmarks LandmarksOf(const EquivalentCircuit& circuit, double supplyHz, int polePairs);

// Where a free rotor settles under `loadNm`: the speed in tr/min, along the field, at which
// the torque equals the load on the stable side of the curve, between the generating and the
// motoring peaks; none when the load is beyond them.
std::optional<double> SettledRpm(const EquivalentCircuit& circuit, double supplyHz, int polePairs,
                                 double loadNm);

}  // namespace vireflu
