#include <gtest/gtest.h>

#include <cmath>

#include "machine/display_commands.h"
#include "machine/winding_design.h"
#include "machine/winding_field.h"
#include "measures/measure_rows.h"
#include "measures/measures.h"
#include "recording_surface.h"
#include "shell/winding_window.h"
#include "view/machine_scene.h"
#include "view/winding_view.h"

namespace vireflu {
namespace {

using testing::Primitive;

// The textbook's winding factors, worked by hand from k_d and k_p.
TEST(Winding, FactorsOfTheTextbook) {
    // q, pitch, order, |k_w|
    const double rows[][4] = {{2, 6, 1, 0.966}, {2, 5, 1, 0.933}, {2, 5, 5, 0.067},
                              {2, 5, 7, 0.067}, {2, 4, 1, 0.837}, {3, 7, 1, 0.902}};
    for (const auto& [q, pitch, order, kw] : rows)
        EXPECT_NEAR(std::abs(WindingFactorOf({1, int(q), int(pitch), 0}, int(order)).winding), kw,
                    5e-4);
    const WindingFactor concentrated = WindingFactorOf({}, 7);
    EXPECT_NEAR(concentrated.distribution, 1, 1e-9);
    EXPECT_NEAR(concentrated.pitch, -1, 1e-6);  // sin(630 degrees)
}

// Measured from the stepped magnetomotive force of every winding in range, each harmonic's
// share is |k_wv| / (v |k_w1|) (the program's truncated pi aside); the fundamental turns
// counterclockwise at 60 f / p for the direct sequence, orders 6k+1 with it at 1/v of its
// speed, orders 6k-1 against it.
TEST(Winding, HarmonicsMeasuredAsTheFormulaSays) {
    for (int p = 1; p <= kMaxPolePairs; ++p)
        for (int q = 1; q <= kMaxSlotsPerPolePerPhase; ++q)
            for (int pitch = 1; pitch <= 3 * q; ++pitch) {
                const WindingDesign design{p, q, pitch, 0};
                const double kw1 = std::abs(WindingFactorOf(design, 1).winding);
                for (const MmfHarmonic& h : MmfHarmonicsOf(design, 50)) {
                    const double kw = std::abs(WindingFactorOf(design, h.order).winding);
                    EXPECT_NEAR(h.share, kw / (h.order * kw1), 1e-5) << p << q << pitch;
                    if (kw < 1e-9) continue;  // no wave, no sense
                    const double sense = h.order % 6 == 1 ? 1 : -1;
                    EXPECT_NEAR(h.rpm, sense * 3000.0 / p / h.order, 1e-9) << p << q << pitch;
                }
            }
    const std::vector<MmfHarmonic> today = MmfHarmonicsOf({}, 50);
    EXPECT_NEAR(today[1].share, 0.200, 5e-4);
    EXPECT_NEAR(today[2].share, 0.143, 5e-4);
    const double rpm[] = {3000, 1500, 1000, 750};
    for (const int p : {1, 2, 3, 4}) EXPECT_EQ(SynchronousRpm({p, 1, 3, 0}, 50), rpm[p - 1]);
}

// The teaching machine's six slots are its six conductors: "1" at 90 degrees, "2'" at 30,
// "3'" at 150; a short pitch returns each coil W slots on, in the bottom layer.
TEST(Winding, SlotsAndLayers) {
    const std::vector<Slot> six = SlotsOf({});
    ASSERT_EQ(six.size(), 6u);
    EXPECT_DOUBLE_EQ(six[1].electricalDeg, 90);
    EXPECT_EQ(six[1].top, (CoilSide{0, +1}));
    EXPECT_EQ(six[0].top, (CoilSide{1, -1}));
    EXPECT_EQ(six[2].top, (CoilSide{2, -1}));
    for (const Slot& slot : six) EXPECT_EQ(slot.top, slot.bottom);
    // q = 2, W = 5: slot 0's coil (phase 2, "2'") returns in slot 5's bottom layer as "2".
    const std::vector<Slot> shortened = SlotsOf({2, 2, 5, 0});
    EXPECT_EQ(shortened.size(), 24u);
    EXPECT_EQ(shortened[5].bottom, (CoilSide{1, +1}));
}

// Around the gap the stepped magnetomotive force of balanced currents changes sign 2p
// times, whatever the slots and the pitch.
TEST(Winding, TwoPolesAPolePair) {
    const std::array<double, 3> currents{1, -0.5, -0.5};  // phase 1 at its peak
    for (int p = 1; p <= kMaxPolePairs; ++p)
        for (int q = 1; q <= kMaxSlotsPerPolePerPhase; ++q) {
            const std::vector<double> steps =
                MmfSteps(SlotsOf({p, q, 3 * q - 1 + (q == 1), 0}), currents);
            int changes = 0;
            for (std::size_t s = 0; s < steps.size(); ++s)
                changes += (steps[s] > 0) != (steps[(s + 1) % steps.size()] > 0);
            EXPECT_EQ(changes, 2 * p) << p << q;
        }
}

// Another winding is drawn for what it is: two coil sides in each of its Q slots (radial
// rectangles), a whole number of air-gap sectors per slot and 180 at least, and p arrows to its
// north poles, 360 / p degrees apart; a cut phase leaves its two neighbours opposite currents.
TEST(WindingView, SlotsSectorsPolesAndACutPhase) {
    SimulationState state;
    ApplyWindingSettings(state, 0, {1, 1, 1, 0, 240, 120, 50, 0, 0, kWaveformSinus});
    state.winding = {2, 2, 5, 0};
    MachineScene scene;
    scene.Resize(600, 560);
    const auto drawn = [&](Presentation presentation, Primitive::Kind kind) {
        SelectPresentation(state, presentation);
        scene.Prepare(state);
        testing::RecordingSurface surface;
        scene.DrawMachine(surface, state);
        return surface.OfKind(kind);
    };
    // 192 sectors and 48 coil sides; in "Vecteur" the sides alone.
    EXPECT_EQ(drawn(Presentation::AirGap, Primitive::Kind::Polygon).size(), 192u + 48u);
    EXPECT_EQ(drawn(Presentation::Vector, Primitive::Kind::Polygon).size(), 48u);
    const std::vector<Primitive> arrows = drawn(Presentation::Vector, Primitive::Kind::Line);
    ASSERT_EQ(arrows.size(), 2u);
    const Point c{300, 280}, a = arrows[0].points[1], b = arrows[1].points[1];
    EXPECT_LE(std::abs((a.x - c.x) + (b.x - c.x)) + std::abs((a.y - c.y) + (b.y - c.y)), 2);
    state.statorAngle = 1.570795;  // phase 1 at its peak, the two others at -0.5
    state.winding.cutPhase = 3;
    const std::array<double, 3> cut = WindingCurrents(state);
    EXPECT_NEAR(cut[0], 0.75, 1e-5);  // the program's truncated pi aside
    EXPECT_NEAR(cut[1], -0.75, 1e-5);
    EXPECT_EQ(cut[2], 0);
    EXPECT_EQ(StatorFieldSense(state), FieldSense::Pulsating);  // two coils, one current
    // The "Mesures" curve and the state read the same steps as the ring, in 2-degree sectors.
    AirGapLevels gap;
    ComputeAirGapLevels(state, scene.Tables(), gap);
    int changes = 0;
    for (std::size_t k = 0; k < kGapSectors; ++k)
        changes += (gap.stator[k] > 32) != (gap.stator[(k + 1) % kGapSectors] > 32);
    EXPECT_EQ(changes, 4);
}

// A direct-current rotor with the stator's p pole pairs: its torque repeats every 360 / p
// degrees of its position and changes sign 180 / p on; it has p times the teaching machine's
// conductors, and its air gap turns with it.
TEST(Winding, ARotorOfPPolePairs) {
    SimulationState state;
    ApplyWindingSettings(state, 0, {1, 1, 1, 0, 240, 120, 50, 0, 0, kWaveformSinus});
    ApplyWindingSettings(state, 1, {1, 0, 0, 0, 0, 0, 0, 0, 0, kWaveformContinu});
    const auto torqueAt = [&](double deg) {
        state.rotorPosition = deg * 0.017453277777777776;
        return ComputeInstant(state, 1, {}).torque;
    };
    for (int p = 2; p <= kMaxPolePairs; ++p) {
        state.winding = {p, 1, 3, 0};
        for (const double deg : {10.0, 37.0}) {
            const double t = torqueAt(deg);
            EXPECT_GT(std::fabs(t), 0.05) << p;
            EXPECT_NEAR(torqueAt(deg + 360.0 / p), t, 1e-4) << p;
            EXPECT_NEAR(torqueAt(deg + 180.0 / p), -t, 1e-4) << p;
        }
    }
    state.winding = {2, 1, 3, 0};
    state.rotorPosition = 0;
    MachineScene scene;
    scene.Resize(600, 560);
    scene.Prepare(state);
    testing::RecordingSurface surface;
    scene.DrawMachine(surface, state);
    EXPECT_EQ(surface.OfKind(Primitive::Kind::Ellipse).size(), 4u);  // 2 coils, 2 sides each
    AirGapLevels gap;
    ComputeAirGapLevels(state, scene.Tables(), gap);
    EXPECT_EQ(gap.rotor[0], gap.rotor[90]);  // four poles: the same level 180 degrees on
    EXPECT_GT(gap.rotor[0], 60);
    EXPECT_LT(gap.rotor[45], 4);
}

// "Bobinage" holds its values in range, a full pitch following q; "Mesures" adds the winding's
// factors and space harmonics only for another winding than the teaching machine's.
TEST(Winding, WindowAndMeasures) {
    WindingDesign d = WithWindingValue({}, WindingValue::SlotsPerPolePerPhase, 2);
    EXPECT_EQ(d.coilPitch, 6);
    d = WithWindingValue(WithWindingValue(d, WindingValue::CoilPitch, 5),
                         WindingValue::SlotsPerPolePerPhase, 1);
    EXPECT_EQ(d.coilPitch, 3);
    EXPECT_EQ(WithWindingValue(d, WindingValue::PolePairs, 9).polePairs, kMaxPolePairs);
    EXPECT_EQ(WithWindingValue({1, 1, 3, 2}, WindingValue::CutPhase, 0).cutPhase, 0);  // "aucune"
    EXPECT_EQ(WindingSummary({2, 2, 5, 0}, [](const char* t) { return std::string(t); }),
              "24 encoches, 4 pôles, pas 5/6");
    SimulationState state;
    ApplyWindingSettings(state, 0, {1, 1, 1, 0, 240, 120, 50, 0, 0, kWaveformSinus});
    const std::size_t teaching = MeasureRows(ComputeMeasures(state, {})).size();
    state.winding = {2, 2, 5, 0};
    const std::vector<MeasureRow> rows = MeasureRows(ComputeMeasures(state, {}));
    ASSERT_EQ(rows.size(), teaching + 5);
    EXPECT_EQ(rows[teaching + 2].value, "h1 0,933, h5 0,067, h7 -0,067, h11 -0,933, h13 0,933");
    EXPECT_EQ(rows[teaching + 4].value, "h5 -300, h7 +214, h11 -136, h13 +115 tr/min");
}

}  // namespace
}  // namespace vireflu
