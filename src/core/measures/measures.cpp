#include "measures/measures.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "machine/constants.h"
#include "machine/six_step.h"
#include "machine/winding_field.h"

namespace vireflu {

namespace {

using namespace constants;
using Complex = std::complex<double>;

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

double Degrees(double x, double y) {
    const double angle = std::atan2(y, x) * kDegreesPerRadian;
    return angle < 0 ? angle + 360 : angle;
}

double MmfOf(int level) {
    return (level - kNeutralLevel) / 32.0;
}

// A vector in the plane with y upward as the view's pixels (y downward).
RotatingField FieldOf(Complex v, double balancedLength) {
    const double share = balancedLength > 0 ? std::abs(v) / balancedLength : 0;
    return RotatingField{v.real(), -v.imag(), share, Degrees(v.real(), v.imag())};
}

Complex Upward(const FieldVector& v) {
    return {v.x, -v.y};
}

// A winding's vector V(a) at its electrical angle a is A e^{ja} + B e^{-ja} when its
// currents are sinusoidal; two samples a quarter period apart give both terms now. As a grows
// the first turns counterclockwise (y upward): the direct field.
template <typename VectorAt>
FieldSplit SplitSinusoidal(VectorAt&& vectorAt, double angle, double pulsation, double ra) {
    const Complex now = Upward(vectorAt(angle));
    const Complex quarterLater = Upward(vectorAt(angle + std::numbers::pi / 2));
    const Complex j{0, 1};
    const Complex direct = (now - j * quarterLater) / 2.0;
    const Complex inverse = (now + j * quarterLater) / 2.0;
    return FieldSplit{FieldOf(direct, 0.6 * ra), FieldOf(inverse, 0.6 * ra), pulsation > 0};
}

// The axes of the three phases of a three-phase winding, y upward.
std::array<Complex, 3> ThreePhaseAxes() {
    return {Complex{1, 0}, std::polar(1.0, kDeg120), std::polar(1.0, kDeg240)};
}

// Complex Fourier coefficient of order n of each phase's six-step current:
// current(a) = sum over n of Re(C_n e^{jna}).
std::array<Complex, 3> SixStepPhasors(int n) {
    std::array<Complex, 3> c{};
    const Complex j{0, 1};
    for (const SixStep& step : SixStepTable()) {
        const Complex integral =
            (std::exp(-j * (n * step.from)) - std::exp(-j * (n * step.to))) / (j * double(n));
        for (std::size_t p = 0; p < 3; ++p) c[p] += double(step.currents[p]) * integral;
    }
    for (Complex& phasor : c) phasor /= kHalfTurn;
    return c;
}

// Counterclockwise and clockwise terms of the field the phasors make on the three axes,
// for a gain of one: sum of axis * Re(C e^{ja}).
struct Terms {
    Complex forward;
    Complex backward;
};
Terms FieldTerms(const std::array<Complex, 3>& phasors) {
    const auto axes = ThreePhaseAxes();
    Terms t;
    for (std::size_t p = 0; p < 3; ++p) {
        t.forward += axes[p] * phasors[p] / 2.0;
        t.backward += axes[p] * std::conj(phasors[p]) / 2.0;
    }
    return t;
}

bool TurnsForward(const Terms& t) {
    return std::abs(t.forward) > std::abs(t.backward);
}

}  // namespace

AirGapCurve ComputeAirGapCurve(const AirGapLevels& levels, const AngleTables& tables,
                               int polePairs) {
    AirGapCurve curve;
    curve.polePairs = polePairs;
    double a = 0;
    double b = 0;
    for (std::size_t k = 0; k < kGapSectors; ++k) {
        curve.stator[k] = MmfOf(levels.stator[k]);
        curve.rotor[k] = MmfOf(levels.rotor[k]);
        curve.resultant[k] = MmfOf(levels.combined[k]);
        // The fundamental has p periods around the gap.
        const std::size_t at = k * static_cast<std::size_t>(polePairs) % kGapSectors;
        a += curve.resultant[k] * tables.cosTable[at];
        b += curve.resultant[k] * tables.sinTable[at];
    }
    a *= 2.0 / kGapSectors;
    b *= 2.0 / kGapSectors;
    curve.fundamentalAmplitude = std::hypot(a, b);
    curve.fundamentalAngleDeg = Degrees(a, b) / polePairs;
    return curve;
}

std::optional<FieldSplit> SplitStatorField(const SimulationState& state, double ra) {
    if (!state.statorPhaseOn[0]) return std::nullopt;
    if (state.statorWaveform == kWaveformRectangulaire) {
        if (!state.statorPhaseOn[2]) return std::nullopt;
        const Terms t = FieldTerms(SixStepPhasors(1));
        const double gain = 0.4 * ra;
        const Complex turn = std::polar(1.0, state.statorAngle);
        return FieldSplit{FieldOf(gain * t.forward * turn, 0.6 * ra),
                          FieldOf(gain * t.backward / turn, 0.6 * ra), state.statorPulsation > 0};
    }
    if (state.statorWaveform != kWaveformSinus) return std::nullopt;
    SimulationState at = state;
    const ConductorLevels unused;
    return SplitSinusoidal(
        [&](double angle) {
            at.statorAngle = angle;
            return StatorVector(at, ra, unused);
        },
        state.statorAngle, state.statorPulsation, ra);
}

std::optional<FieldSplit> SplitRotorField(const SimulationState& state, double ra) {
    if (!state.rotorPhaseOn[0] || state.rotorWaveform != kWaveformSinus) return std::nullopt;
    SimulationState at = state;
    return SplitSinusoidal(
        [&](double angle) {
            at.rotorAngle = angle;
            return ElectricalRotorVector(at, ra);
        },
        state.rotorAngle, state.rotorPulsation, ra);
}

const SixStepSpectrum& ComputeSixStepSpectrum() {
    static const SixStepSpectrum spectrum = [] {
        SixStepSpectrum s;
        const auto fundamental = SixStepPhasors(1);
        const double a1 = std::abs(fundamental[0]);
        const bool fieldForward = TurnsForward(FieldTerms(fundamental));
        constexpr int kOrders[] = {1, 5, 7, 11, 13};
        for (std::size_t h = 0; h < s.harmonics.size(); ++h) {
            const auto phasors = SixStepPhasors(kOrders[h]);
            s.harmonics[h] = Harmonic{kOrders[h], std::abs(phasors[0]) / a1,
                                      TurnsForward(FieldTerms(phasors)) == fieldForward};
        }
        // Mean square of phase 1 over one turn; the fundamental's is a1^2 / 2.
        double meanSquare = 0;
        for (const SixStep& step : SixStepTable())
            meanSquare += step.currents[0] * step.currents[0] * (step.to - step.from);
        meanSquare /= kTurn;
        s.totalHarmonicDistortion = std::sqrt(std::max(2 * meanSquare / (a1 * a1) - 1, 0.0));
        return s;
    }();
    return spectrum;
}

FieldSense StatorFieldSense(const SimulationState& state) {
    // Shares do not depend on the radius: one keeps a tiny view from rounding them away.
    const std::optional<FieldSplit> split = SplitStatorField(state, 1);
    if (!split || !split->turns) return FieldSense::None;
    const double direct = split->direct.share;
    const double inverse = split->inverse.share;
    if (std::max(direct, inverse) < kPulsatingTolerance) return FieldSense::None;
    if (std::fabs(direct - inverse) < kPulsatingTolerance) return FieldSense::Pulsating;
    return direct > inverse ? FieldSense::Counterclockwise : FieldSense::Clockwise;
}

MachineNumbers ComputeMachineNumbers(const SimulationState& state, const MachineInstant& instant) {
    MachineNumbers n;
    n.supplyHz = state.statorPulsation / kTurn;
    n.synchronousRpm = SynchronousRpm(state.winding, n.supplyHz);
    n.rotorRpm = 60 * state.rotationPulsation / kTurn;
    n.fieldSense = StatorFieldSense(state);
    const auto against = [&](double fieldRpm) {
        const double slip = (fieldRpm - n.rotorRpm) / fieldRpm;
        n.slips.push_back(Slip{fieldRpm, slip, std::fabs(slip) * n.supplyHz});
    };
    const bool counterclockwise = n.fieldSense == FieldSense::Counterclockwise;
    const bool clockwise = n.fieldSense == FieldSense::Clockwise;
    const bool pulsating = n.fieldSense == FieldSense::Pulsating;
    if (counterclockwise || pulsating) against(n.synchronousRpm);
    if (clockwise || pulsating) against(-n.synchronousRpm);
    const Point r = FieldTip(instant);
    n.torque = CounterclockwiseTorque(instant.torque);
    const double balanced = 0.6 * instant.gapRadius;
    n.resultantShare = balanced > 0 ? std::hypot(r.x, r.y) / balanced : 0;
    if (r.x != 0 || r.y != 0) n.fieldAngleDeg = Degrees(r.x, -r.y);
    return n;
}

Measures ComputeMeasures(const SimulationState& state, const MachineInstant& instant) {
    const AngleTables& tables = GapAngleTables();
    AirGapLevels gap;
    ComputeAirGapLevels(state, tables, gap);
    Measures m;
    m.curve = ComputeAirGapCurve(gap, tables, state.winding.polePairs);
    m.stator = SplitStatorField(state, instant.gapRadius);
    m.rotor = SplitRotorField(state, instant.gapRadius);
    m.numbers = ComputeMachineNumbers(state, instant);
    m.sixStep = state.statorPhaseOn[2] && state.statorWaveform == kWaveformRectangulaire;
    if (m.sixStep && m.numbers.slips.size() == 1)
        m.sixStepFieldRpm = m.numbers.slips[0].synchronousRpm;
    m.withheld = state.withheld;
    const double f = m.numbers.supplyHz;
    if (state.cage.on && m.numbers.slips.size() == 1 && f > 0) {
        const int p = state.winding.polePairs;
        m.induction = {OperatingPointAt(state.cage.circuit, f, p, m.numbers.slips[0].slip),
                       LandmarksOf(state.cage.circuit, f, p),
                       state.cage.circuit,
                       f,
                       p,
                       std::nullopt};
        if (state.cage.free) m.induction->loadNm = state.cage.loadNm;
    }
    if (OtherWinding(state)) {
        for (const int order : kSpaceHarmonicOrders)
            m.windingFactors.push_back(WindingFactorOf(state.winding, order));
        m.mmfHarmonics = MmfHarmonicsOf(state.winding, m.numbers.supplyHz);
    }
    return m;
}

}  // namespace vireflu
