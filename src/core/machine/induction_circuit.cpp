#include "machine/induction_circuit.h"

#include <cmath>
#include <numbers>

namespace vireflu {

namespace {

using Complex = std::complex<double>;

double PhaseVoltage(const EquivalentCircuit& c) {
    return c.lineVoltage / std::numbers::sqrt3;
}

double SynchronousPulsation(double supplyHz, int polePairs) {
    return 2 * std::numbers::pi * supplyHz / polePairs;
}

// The stator side seen from the rotor's terminals: its voltage and impedance.
struct Thevenin {
    Complex voltage;
    Complex impedance;
};

Thevenin TheveninOf(const EquivalentCircuit& c) {
    const Complex stator{c.r1, c.x1};
    const Complex magnetising{0, c.xm};
    return {PhaseVoltage(c) * magnetising / (stator + magnetising),
            stator * magnetising / (stator + magnetising)};
}

}  // namespace

bool InRange(const EquivalentCircuit& c) {
    const auto ohms = [](double value, bool zero) {
        return (zero ? value >= 0 : value > 0) && value <= kMaxOhms;
    };
    return ohms(c.r1, true) && ohms(c.x1, false) && ohms(c.r2, false) && ohms(c.x2, false) &&
           ohms(c.xm, false) && c.lineVoltage >= 1 && c.lineVoltage <= kMaxLineVoltage;
}

InductionPoint OperatingPointAt(const EquivalentCircuit& c, double supplyHz, int polePairs,
                                double slip) {
    InductionPoint point;
    point.slip = slip;
    const double v = PhaseVoltage(c);
    const Complex stator{c.r1, c.x1};
    const Complex magnetising{0, c.xm};
    // At synchronism the rotor's branch is open: R2/g is infinite.
    const Complex input = slip == 0 ? stator + magnetising
                                    : stator + magnetising * Complex{c.r2 / slip, c.x2} /
                                                   (magnetising + Complex{c.r2 / slip, c.x2});
    const Complex i1 = v / input;
    point.statorCurrent = i1;
    point.statorCurrentA = std::abs(i1);
    point.powerFactor = std::cos(std::arg(input));
    point.inputPowerW = 3 * v * point.statorCurrentA * point.powerFactor;
    if (slip == 0) return point;
    const Thevenin th = TheveninOf(c);
    point.rotorCurrent = th.voltage / (th.impedance + Complex{c.r2 / slip, c.x2});
    point.rotorCurrentA = std::abs(point.rotorCurrent);
    const double airGapPower = 3 * point.rotorCurrentA * point.rotorCurrentA * c.r2 / slip;
    point.torqueNm = airGapPower / SynchronousPulsation(supplyHz, polePairs);
    point.mechanicalPowerW = airGapPower * (1 - slip);
    return point;
}

std::optional<double> SettledRpm(const EquivalentCircuit& c, double supplyHz, int polePairs,
                                 double loadNm) {
    // The torque rises with g from the generating peak (at about -s_max) to the motoring one.
    const double peak = LandmarksOf(c, supplyHz, polePairs).slipAtMaxTorque;
    const auto torque = [&](double g) {
        return OperatingPointAt(c, supplyHz, polePairs, g).torqueNm;
    };
    double low = -peak, high = peak;
    if (loadNm < torque(low) || loadNm > torque(high)) return std::nullopt;
    for (int step = 0; step < 80; ++step) {
        const double middle = (low + high) / 2;
        (torque(middle) < loadNm ? low : high) = middle;
    }
    return 60 * supplyHz / polePairs * (1 - (low + high) / 2);
}

TorqueLandmarks LandmarksOf(const EquivalentCircuit& c, double supplyHz, int polePairs) {
    const Thevenin th = TheveninOf(c);
    const double vth = std::abs(th.voltage);
    const double rth = th.impedance.real();
    const double loop = std::hypot(rth, th.impedance.imag() + c.x2);
    const double ws = SynchronousPulsation(supplyHz, polePairs);
    TorqueLandmarks t;
    t.slipAtMaxTorque = c.r2 / loop;
    t.maxTorqueNm = 3 * vth * vth / (2 * ws * (rth + loop));
    t.startTorqueNm = OperatingPointAt(c, supplyHz, polePairs, 1).torqueNm;
    return t;
}

}  // namespace vireflu
