// Phase pictures rendered to images, probed at vertices worked out by hand for a
// 97 x 57 picture: axes red, curve blue, cursor black on top.
#include <gtest/gtest.h>

#include <QImage>

#include "frame_renderer.h"

namespace vireflu {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kBlack = qRgb(0, 0, 0);

constexpr double kHalfTurn = 3.14159;
constexpr double kTurn = 6.28318;

WindingSettings PhaseOne(int waveform, int angleDeg) {
    WindingSettings values;
    values.phase1On = 1;
    values.phase1AngleDeg = angleDeg;
    values.waveform = waveform;
    return values;
}

QImage StatorPicture(const WindingSettings& values, double currentAngle, int w = 97) {
    return RenderPhasePicture(w, 57, Winding::Stator, 1, values, currentAngle);
}

TEST(PhasePictureImageTest, SineThroughItsWorkedVertices) {
    // The cursor at a full turn stands on the last column, clear of the probes.
    const QImage picture = StatorPicture(PhaseOne(kWaveformSinus, 0), kTurn);
    ASSERT_EQ(picture.size(), QSize(97, 57));
    EXPECT_EQ(picture.pixel(11, 26), kBlue);
    EXPECT_EQ(picture.pixel(30, 5), kBlue);
    EXPECT_EQ(picture.pixel(71, 51), kBlue);
    EXPECT_EQ(picture.pixel(10, 40), kRed);  // vertical axis
    EXPECT_EQ(picture.pixel(40, 28), kRed);  // horizontal axis, at trunc(57 / 2)
    EXPECT_EQ(picture.pixel(60, 10), kWhite);
}

TEST(PhasePictureImageTest, PhaseAngleOf90StartsAtTheTop) {
    const QImage picture = StatorPicture(PhaseOne(kWaveformSinus, 90), kTurn);
    EXPECT_EQ(picture.pixel(10, 5), kBlue);
    EXPECT_EQ(picture.pixel(51, 51), kBlue);
}

TEST(PhasePictureImageTest, CursorSpansRowsFiveToFiftyOne) {
    // A full turn puts it at x = 10 + 82 = 92, half a turn at 51.
    for (const auto& [angle, x] : {std::pair{kTurn, 92}, std::pair{kHalfTurn, 51}}) {
        const QImage picture = StatorPicture(PhaseOne(kWaveformSinus, 0), angle);
        EXPECT_EQ(picture.pixel(x, 5), kBlack) << x;
        EXPECT_EQ(picture.pixel(x, 51), kBlack) << x;
        EXPECT_NE(picture.pixel(x, 52), kBlack) << x;
    }
}

TEST(PhasePictureImageTest, ContinuIsALineTenPixelsDown) {
    const QImage picture = StatorPicture(PhaseOne(kWaveformContinu, 0), kHalfTurn);
    EXPECT_EQ(picture.pixel(20, 10), kBlue);
    EXPECT_EQ(picture.pixel(91, 10), kBlue);
    EXPECT_EQ(picture.pixel(92, 10), kWhite);  // its last pixel is left out
    EXPECT_EQ(picture.pixel(51, 10), kBlack);  // the cursor is drawn over it
}

TEST(PhasePictureImageTest, SixStepRunsAlongItsThreeLevels) {
    // Columns 16, 30, 44, 57, 71, 85, 92; levels 10, 28 and 47.
    const QImage picture = StatorPicture(PhaseOne(kWaveformRectangulaire, 0), 0);
    EXPECT_EQ(picture.pixel(13, 28), kBlue);
    EXPECT_EQ(picture.pixel(30, 10), kBlue);
    EXPECT_EQ(picture.pixel(50, 28), kBlue);
    EXPECT_EQ(picture.pixel(70, 47), kBlue);
    EXPECT_EQ(picture.pixel(88, 28), kBlue);
    EXPECT_EQ(picture.pixel(30, 47), kWhite);
}

TEST(PhasePictureImageTest, SixStepEndsOneColumnShortAt112Pixels) {
    // 12 x 8.083333333333332 truncates to 96: the wave ends at column 106, the axis at 107.
    const QImage picture = StatorPicture(PhaseOne(kWaveformRectangulaire, 0), 0, 112);
    EXPECT_EQ(picture.pixel(105, 28), kBlue);
    EXPECT_EQ(picture.pixel(106, 28), kRed);
}

}  // namespace
}  // namespace vireflu
