// Phase pictures rendered to images, probed at vertices worked out by hand for a
// 97 x 57 picture: axes red, curve blue, cursor black on top.
#include <gtest/gtest.h>

#include <QImage>

#include "frame_renderer.h"

namespace vireflu {
namespace {

TEST(PhasePictureImageTest, SineAxesAndCursorAtTheirWorkedPixels) {
    WindingSettings values;
    values.phase1On = 1;
    values.waveform = kWaveformSinus;
    // A full turn puts the cursor at x = 10 + 82 = 92, clear of the curve probes.
    const QImage picture = RenderPhasePicture(97, 57, Winding::Stator, 1, values, 6.28318);
    ASSERT_EQ(picture.size(), QSize(97, 57));
    for (const QPoint p : {QPoint(11, 26), QPoint(30, 5), QPoint(71, 51)})
        EXPECT_EQ(picture.pixel(p), qRgb(0, 0, 255)) << p.x();
    EXPECT_EQ(picture.pixel(10, 40), qRgb(255, 0, 0));  // vertical axis
    EXPECT_EQ(picture.pixel(40, 28), qRgb(255, 0, 0));  // horizontal axis, at trunc(57 / 2)
    EXPECT_EQ(picture.pixel(60, 10), qRgb(255, 255, 255));
    // The cursor spans rows 5 to 51, its end pixel at 52 left out.
    EXPECT_EQ(picture.pixel(92, 5), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(92, 51), qRgb(0, 0, 0));
    EXPECT_NE(picture.pixel(92, 52), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace vireflu
