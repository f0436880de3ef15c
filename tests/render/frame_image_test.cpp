// Whole frames rendered to images: the air-gap ring, the conductor discs of both
// windings and the image size, probed where the layout of a 600 x 560 view puts them.
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

class FrameImageTest : public testing::Test {
protected:
    FrameImageTest() { scene.Resize(600, 560); }

    void Apply(Winding winding, const WindingSettings& record) {
        ApplyWindingSettings(state, static_cast<int>(winding), record);
        ResetClockState(state);
    }
    QImage Render() { return RenderMachineFrame(scene, state); }

    SimulationState state;
    MachineScene scene;
};

TEST_F(FrameImageTest, ImageHasTheClientSizeTimesThePixelRatio) {
    EXPECT_EQ(Render().size(), QSize(600, 560));
    const QImage sharp = RenderMachineFrame(scene, state, 2.0);
    EXPECT_EQ(sharp.size(), QSize(1200, 1120));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
}

TEST_F(FrameImageTest, AirGapSectorsTileTheRingWithoutGaps) {
    const QImage frame = Render();
    // Clear of the edges, which truncated corner points may pull in by a pixel or two.
    int samples = 0;
    for (int radius = 201; radius <= 219; radius += 3) {
        for (int tenth = 0; tenth < 3600; ++tenth) {
            const double angle = tenth * M_PI / 1800;
            const QPoint p(kCentreX + static_cast<int>(std::lround(radius * std::cos(angle))),
                           kCentreY - static_cast<int>(std::lround(radius * std::sin(angle))));
            ASSERT_EQ(frame.pixel(p), Level(32)) << "radius " << radius << ", angle " << angle;
            ++samples;
        }
    }
    EXPECT_EQ(samples, 7 * 3600);
    // Inside and outside the ring the background stays white.
    EXPECT_EQ(frame.pixel(kCentreX + 190, kCentreY), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(kCentreX + 230, kCentreY), qRgb(255, 255, 255));
}

TEST_F(FrameImageTest, ThreePhaseStatorDiscsSitAtTheirCoilAngles) {
    WindingSettings stator;
    stator.phase1On = stator.phase2On = stator.phase3On = 1;
    stator.phase2AngleDeg = 120;
    stator.phase3AngleDeg = 240;
    stator.frequencyHz = 50;
    stator.waveform = kWaveformSinus;
    Apply(Winding::Stator, stator);
    const QImage frame = Render();

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

TEST_F(FrameImageTest, TwoPhaseStatorUsesTheQuarterTurnPlaces) {
    WindingSettings stator;
    stator.phase1On = stator.phase2On = 1;
    stator.phase2AngleDeg = 90;
    stator.frequencyHz = 50;
    stator.waveform = kWaveformSinus;
    Apply(Winding::Stator, stator);
    const QImage frame = Render();
    // Phase 2 at 90 degrees carries its peak: forward 63 at 180 degrees, return 0 at 0.
    EXPECT_EQ(frame.pixel(DiscCentre(252, M_PI)), Level(63));
    EXPECT_EQ(frame.pixel(DiscCentre(252, 0)), Level(0));
    EXPECT_EQ(frame.pixel(DiscCentre(252, 210 * M_PI / 180)), qRgb(255, 255, 255));
}

TEST_F(FrameImageTest, RotorTurnedByItsInitialPosition) {
    WindingSettings rotor;
    rotor.phase1On = 1;
    rotor.frequencyHz = 50;
    rotor.initialPositionDeg = 90;
    rotor.waveform = kWaveformContinu;
    Apply(Winding::Rotor, rotor);
    const QImage frame = Render();
    // The forward conductor (level 64) moves from 90 to 180 degrees, the return (0) to 0.
    EXPECT_EQ(frame.pixel(DiscCentre(168, M_PI)), Level(64));
    EXPECT_EQ(frame.pixel(DiscCentre(168, 0)), Level(0));
    EXPECT_EQ(frame.pixel(DiscCentre(168, M_PI / 2)), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace vireflu
