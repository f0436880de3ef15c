// Whole frames rendered to images: the air-gap ring, the stator's conductor discs,
// probed where the layout of a 600 x 560 view puts them.
#include <gtest/gtest.h>

#include <cmath>

#include <QImage>

#include "frame_renderer.h"
#include "simulation/clock.h"

namespace vireflu {
namespace {

// The layout of 600 x 560: centre (300, 280), ring radii 196 to 224, stator discs on the
// circle of 252, rotor discs on the circle of trunc(560 x 0.3) = 168.
constexpr int kCentreX = 300;
constexpr int kCentreY = 280;

QRgb Level(int level) {
    const Rgb rgb = BuildBlueBlackRed()[static_cast<std::size_t>(level)];
    return qRgb(rgb.red, rgb.green, rgb.blue);
}

// Where a disc on the circle of `radius` at `angle` has its centre.
QPoint DiscCentre(int radius, double angle) {
    return QPoint(kCentreX + static_cast<int>(radius * std::cos(angle)),
                  kCentreY - static_cast<int>(radius * std::sin(angle)));
}

QImage Render(SimulationState& state) {
    MachineScene scene;
    scene.Resize(600, 560);
    return RenderMachineFrame(scene, state);
}

TEST(FrameImageTest, AirGapSectorsTileTheRingWithoutGaps) {
    SimulationState state;
    const QImage frame = Render(state);
    // Clear of the edges, which truncated corner points may pull in by a pixel or two.
    for (int radius = 201; radius <= 219; radius += 3) {
        for (int tenth = 0; tenth < 3600; ++tenth) {
            const double angle = tenth * M_PI / 1800;
            const QPoint p(kCentreX + static_cast<int>(std::lround(radius * std::cos(angle))),
                           kCentreY - static_cast<int>(std::lround(radius * std::sin(angle))));
            ASSERT_EQ(frame.pixel(p), Level(32)) << "radius " << radius << ", angle " << angle;
        }
    }
    // Inside and outside the ring the background stays white.
    EXPECT_EQ(frame.pixel(kCentreX + 190, kCentreY), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(kCentreX + 230, kCentreY), qRgb(255, 255, 255));
}

TEST(FrameImageTest, ThreePhaseStatorDiscsSitAtTheirCoilAngles) {
    SimulationState state;
    WindingSettings stator;
    stator.phase1On = stator.phase2On = stator.phase3On = 1;
    stator.phase2AngleDeg = 120;
    stator.phase3AngleDeg = 240;
    stator.frequencyHz = 50;
    stator.waveform = kWaveformSinus;
    ApplyWindingSettings(state, static_cast<int>(Winding::Stator), stator);
    ResetClockState(state);
    const QImage frame = Render(state);

    // At angle 0: phase 1 carries nothing (32, 32), phase 2 +0.866 (59, 4), phase 3
    // -0.866 (4, 59). Forward discs at 90, 210 and -30 degrees, returns opposite.
    const struct {
        double degrees;
        int level;
    } discs[] = {{90, 32}, {-90, 32}, {210, 59}, {30, 4}, {-30, 4}, {150, 59}};
    for (const auto& disc : discs)
        EXPECT_EQ(frame.pixel(DiscCentre(252, disc.degrees * M_PI / 180)), Level(disc.level))
            << disc.degrees << " degrees";
    // The two-phase places stay empty.
    EXPECT_EQ(frame.pixel(DiscCentre(252, 0)), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(DiscCentre(252, M_PI)), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace vireflu
