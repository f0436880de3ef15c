#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include <QPainter>

#include "frame_renderer.h"
#include "painter_surface.h"

namespace vireflu {
namespace {

using Pixels = std::set<std::pair<int, int>>;

const Rgb kBlue{0, 0, 255};
const QRgb kNeutral = qRgb(0, 0, 31);  // entry 32 of "Bleu Noir Rouge"

// Draws on a white 24 x 24 image with a red brush and returns the image.
QImage Drawn(const std::function<void(PainterSurface&)>& draw) {
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter);
    surface.SelectBrush(Brush::Of(Colour::FromRgb(255, 0, 0)));
    draw(surface);
    return image;
}

Pixels Painted(const QImage& image) {
    Pixels pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) pixels.insert({x, y});
    return pixels;
}

std::set<QRgb> Colours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return colours;
}

// Fills cover the half-open box, corners in any order; a segment leaves out its final
// pixel, rounds exact halves toward the smaller value, and a 2-pixel pen adds a row (or
// column) toward the smaller coordinate.
TEST(PainterSurfaceTest, PixelsOfEachPrimitive) {
    struct Row {
        const char* name;
        Point from, to;
        int pen;  // 0: filled as a rectangle
        Pixels pixels;
    };
    const Row rows[] = {
        {"rectangle", {4, 5}, {2, 3}, 0, {{2, 3}, {3, 3}, {2, 4}, {3, 4}}},
        {"leftward", {4, 1}, {1, 1}, 1, {{2, 1}, {3, 1}, {4, 1}}},
        {"wide horizontal", {1, 1}, {4, 1}, 2, {{1, 0}, {2, 0}, {3, 0}, {1, 1}, {2, 1}, {3, 1}}},
        {"wide vertical", {1, 3}, {1, 1}, 2, {{0, 2}, {1, 2}, {0, 3}, {1, 3}}},
        {"exact halves", {0, 0}, {4, 2}, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {"wide shallow", {0, 2}, {2, 3}, 2, {{0, 1}, {1, 1}, {0, 2}, {1, 2}}},
        {"steep", {0, 0}, {2, 5}, 1, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
        {"single point", {3, 3}, {3, 3}, 1, {}},
    };
    for (const Row& row : rows) {
        const QImage image = Drawn([&](PainterSurface& s) {
            if (row.pen == 0) return s.Rectangle(row.from, row.to);
            s.SelectPen(Pen::Solid(row.pen, kBlue));
            s.MoveTo(row.from);
            s.LineTo(row.to);
        });
        EXPECT_EQ(Painted(image), row.pixels) << row.name;
    }
    const QImage filled = Drawn([](PainterSurface& s) {
        s.FillRect({2, 3, 4, 5}, Brush::Level(0));
    });
    EXPECT_EQ(Painted(filled), (Pixels{{2, 3}, {3, 3}, {2, 4}, {3, 4}}));
}

// With every phase off the sectors of the air gap tile the ring in the neutral colour,
// without a gap; at two device pixels per logical pixel nothing is blended.
TEST(FrameImageTest, SectorsTileTheRingAtEachPixelRatio) {
    SimulationState state;
    MachineScene scene;
    scene.Resize(600, 560);
    scene.Prepare(state);
    const QImage frame = RenderMachineFrame(scene, state);
    for (int radius = 201; radius <= 219; radius += 3) {
        for (int tenth = 0; tenth < 3600; ++tenth) {
            const double a = tenth * M_PI / 1800;
            const QPoint p(300 + static_cast<int>(std::lround(radius * std::cos(a))),
                           280 - static_cast<int>(std::lround(radius * std::sin(a))));
            ASSERT_EQ(frame.pixel(p), kNeutral) << radius << ", " << a;
        }
    }
    EXPECT_EQ(frame.pixel(300 + 190, 280), qRgb(255, 255, 255));
    EXPECT_EQ(frame.pixel(300 + 230, 280), qRgb(255, 255, 255));
    const QImage dense = RenderMachineFrame(scene, state, 2.0);
    EXPECT_EQ(dense.size(), QSize(1200, 1120));
    EXPECT_EQ(Colours(dense), (std::set{qRgb(255, 255, 255), kNeutral}));
}

// A 97 x 57 sine picture at two device pixels per pixel: curve, axes and cursor at their
// worked logical pixels.
TEST(PhasePictureImageTest, SineAxesAndCursor) {
    const WindingSettings values{1, 0, 0, 0, 0, 0, 50, 0, 0, kWaveformSinus};
    const QImage picture = RenderPhasePicture(97, 57, Winding::Stator, 1, values, 6.28318, 2.0);
    ASSERT_EQ(picture.size(), QSize(194, 114));
    const auto at = [&](int x, int y) { return picture.pixel(2 * x, 2 * y); };
    for (const QPoint p : {QPoint(11, 26), QPoint(30, 5), QPoint(71, 51)})
        EXPECT_EQ(at(p.x(), p.y()), qRgb(0, 0, 255)) << p.x();
    EXPECT_EQ(at(10, 40), qRgb(255, 0, 0));  // vertical axis
    EXPECT_EQ(at(40, 27), qRgb(255, 0, 0));  // horizontal axis, 2 pixels wide, on 28
    EXPECT_EQ(at(92, 51), qRgb(0, 0, 0));    // cursor, its end pixel at 52 left out
    EXPECT_NE(at(92, 52), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace vireflu
