// The drawing surface on QPainter honours the pixel conventions the drawing routines'
// coordinates assume: half-open fills, segments without their final pixel on every
// slope, and no outline under the null pen.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include <QImage>
#include <QPainter>

#include "painter_surface.h"

namespace vireflu {
namespace {

using Pixel = std::pair<int, int>;

const Rgb kRed{255, 0, 0};
const QColor kWhite(255, 255, 255);

// A small white image with a surface on it; Painted() lists the pixels no longer white.
class Canvas {
public:
    PainterSurface& Surface() { return surface; }

    std::set<Pixel> Painted() {
        if (painter.isActive()) painter.end();
        std::set<Pixel> pixels;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != kWhite) pixels.insert({x, y});
        return pixels;
    }
    std::set<QRgb> Colours() {
        std::set<QRgb> colours;
        for (const Pixel& p : Painted()) colours.insert(image.pixel(p.first, p.second));
        return colours;
    }

private:
    QImage image = [] {
        QImage white(24, 24, QImage::Format_RGB32);
        white.fill(kWhite);
        return white;
    }();
    QPainter painter{&image};
    PainterSurface surface{painter};
};

TEST(PainterSurfaceTest, FillRectCoversTheHalfOpenBox) {
    Canvas canvas;
    canvas.Surface().FillRect(Rect{2, 3, 6, 5}, Brush::Of(Colour::FromRgb(255, 0, 0)));
    const std::set<Pixel> expected{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 4}};
    EXPECT_EQ(canvas.Painted(), expected);
}

struct Segment {
    const char* name;
    Point from;
    Point to;
    std::set<Pixel> pixels;
};

void PrintTo(const Segment& row, std::ostream* os) {
    *os << row.name;
}

// Step along the major axis from the end with the smaller coordinate; the minor
// coordinate is rounded with exact halves toward the smaller value; `to` is left out.
const Segment kSegments[] = {
    {"Rightward", {2, 5}, {7, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}}},
    {"Downward", {4, 1}, {4, 5}, {{4, 1}, {4, 2}, {4, 3}, {4, 4}}},
    {"Shallow", {0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
    {"ExactHalvesGoDown", {0, 0}, {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
    {"Steep", {0, 0}, {2, 5}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
    {"SinglePoint", {3, 3}, {3, 3}, {}},
};

class SegmentTest : public testing::TestWithParam<Segment> {};

TEST_P(SegmentTest, LeavesOutItsFinalPixel) {
    Canvas canvas;
    canvas.Surface().SelectPen(Pen::Solid(1, kRed));
    canvas.Surface().MoveTo(GetParam().from);
    canvas.Surface().LineTo(GetParam().to);
    EXPECT_EQ(canvas.Painted(), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Slopes, SegmentTest, testing::ValuesIn(kSegments),
                         [](const auto& row) { return row.param.name; });

TEST(PainterSurfaceTest, FilledShapesUnderTheNullPenHaveNoOutline) {
    Canvas canvas;
    PainterSurface& surface = canvas.Surface();
    surface.SelectPen(Pen::Null());
    surface.SelectBrush(Brush::Of(Colour::FromRgb(255, 0, 0)));
    surface.Ellipse(Rect{1, 1, 11, 11});
    const Point triangle[] = {{13, 2}, {22, 2}, {13, 11}};
    surface.Polygon(triangle);
    surface.Rectangle({10, 20}, {2, 14});
    surface.MoveTo({14, 18});
    surface.LineTo({22, 18});
    // Only the brush colour: the null pen's grey never shows, nor does its segment.
    EXPECT_EQ(canvas.Colours(), std::set<QRgb>{qRgb(255, 0, 0)});
}

TEST(PainterSurfaceTest, LevelColoursComeFromTheSelectedMap) {
    const ColourMap map = BuildBlueBlackRed();
    Canvas withMap;
    withMap.Surface().SelectColourMap(&map);
    withMap.Surface().FillRect(Rect{0, 0, 2, 2}, Brush::Level(64));
    EXPECT_EQ(withMap.Colours(), std::set<QRgb>{qRgb(248, 0, 0)});

    // Without a map a level has no colour of its own and comes out black.
    Canvas withoutMap;
    withoutMap.Surface().FillRect(Rect{0, 0, 2, 2}, Brush::Level(64));
    EXPECT_EQ(withoutMap.Colours(), std::set<QRgb>{qRgb(0, 0, 0)});
}

}  // namespace
}  // namespace vireflu
