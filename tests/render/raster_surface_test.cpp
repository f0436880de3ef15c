// The raster surface gives exactly the pixels of the QPainter surface: random primitives
// over many canvas sizes (lines and fills as the phase pictures draw them), then whole frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include <QImage>
#include <QPainter>

#include "frame_renderer.h"
#include "machine/clock.h"
#include "machine/display_commands.h"
#include "painter_surface.h"
#include "session/frame.h"

namespace vireflu {
namespace {

// A fixed pseudo-random sequence, the same on every platform.
class Sequence {
public:
    int Below(int n) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>(state >> 33) % n;
    }
    int Between(int low, int high) { return low + Below(high - low + 1); }

private:
    std::uint64_t state = 13;
};

// One random primitive, drawn the same way on any surface.
void DrawRandom(Surface& surface, Sequence& random, int w, int h) {
    const auto point = [&] {
        return Point{random.Between(-w / 4, w + w / 4), random.Between(-h / 4, h + h / 4)};
    };
    const Rgb colour{static_cast<std::uint8_t>(random.Below(256)), 40, 200};
    surface.SelectBrush(Brush::Of(Colour::FromRgb(colour.red, 90, 10)));
    surface.SelectPen(random.Below(3) == 0 ? Pen::Null() : Pen::Solid(1 + random.Below(2), colour));
    switch (random.Below(5)) {
        case 0: {
            std::vector<Point> vertices(static_cast<std::size_t>(random.Between(3, 8)));
            for (Point& v : vertices) v = point();
            surface.Polygon(vertices);
            break;
        }
        case 1: {
            const Point corner = point();
            surface.Ellipse(Rect{corner.x, corner.y, corner.x + random.Between(1, w),
                                 corner.y + random.Between(1, h)});
            break;
        }
        case 2:
            surface.FillRect(Rect{point().x, point().y, point().x, point().y},
                             surface.CurrentBrush());
            break;
        case 3:
            surface.Rectangle(point(), point());
            break;
        default:
            surface.MoveTo(point());
            surface.LineTo(point());
    }
}

TEST(RasterSurfaceTest, RandomPrimitivesMatchThePainterSurface) {
    Sequence random;
    for (int size = 0; size < 40; ++size) {
        const int w = random.Between(1, size < 30 ? 40 : 400);
        const int h = random.Between(1, size < 30 ? 40 : 400);
        QImage expected(w, h, QImage::Format_RGB32);
        expected.fill(Qt::white);
        RasterSurface raster(w, h);
        QPainter painter(&expected);
        PainterSurface reference(painter);
        for (int n = 0; n < 60; ++n) {
            Sequence forRaster = random;
            DrawRandom(reference, random, w, h);
            DrawRandom(raster, forRaster, w, h);
            painter.end();
            ASSERT_EQ(expected, WrapCanvas(raster)) << w << " x " << h << ", primitive " << n;
            painter.begin(&expected);
        }
    }
}

// A busy machine in every presentation and colour map, at a few sizes (rows of blocks of one
// pixel and of several), over eight ticks, its trace started again on the seventh: the pixels
// of the QPainter surface, and every pixel that changed inside the area reported changed,
// which is all the window copies to the screen.
TEST(RasterSurfaceTest, FramesMatchThePainterSurface) {
    for (const auto& [w, h] : {std::pair{600, 560}, {97, 203}, {50, 40}, {1001, 380}}) {
        for (int p = 0; p < 5; ++p) {
            for (int map = 0; map < 3; ++map) {
                SimulationState state;
                ApplyWindingSettings(
                    state, 0, WindingSettings{1, 1, 1, 0, 120, 240, 50, 0, 0, kWaveformSinus});
                ApplyWindingSettings(
                    state, 1, WindingSettings{1, 1, 0, 0, 90, 0, 20, 10, 30, kWaveformSinus});
                ResetClockState(state);
                SelectPresentation(state, static_cast<Presentation>(p));
                SelectColourMap(state, static_cast<ColourMapKind>(map));
                MachineScene scene;
                scene.Resize(w, h);
                SimulationState painted = state;
                RasterSurface canvas;
                QImage previous;
                for (int tick = 0; tick < 8; ++tick) {
                    if (tick == 6) {
                        SelectPresentation(state, static_cast<Presentation>(p));
                        SelectPresentation(painted, static_cast<Presentation>(p));
                    }
                    QImage image(w, h, QImage::Format_RGB32);
                    QPainter painter(&image);
                    AdvanceFrame(scene, painted);
                    PaintMachineFrame(painter, scene, painted);
                    painter.end();
                    RenderNextFrame(canvas, scene, state);
                    ASSERT_EQ(image, WrapCanvas(canvas))
                        << w << " x " << h << ", presentation " << p << ", map " << map;
                    std::vector<Rect> changed;
                    canvas.ChangedArea(changed);
                    const auto inChanged = [&](int x, int y) {
                        return std::ranges::any_of(changed, [&](const Rect& r) {
                            return x >= r.left && x < r.right && y >= r.top && y < r.bottom &&
                                   r.right <= w && r.bottom <= h;
                        });
                    };
                    for (int y = 0; y < h && !previous.isNull(); ++y)
                        for (int x = 0; x < w; ++x)
                            ASSERT_TRUE(previous.pixel(x, y) == image.pixel(x, y) ||
                                        inChanged(x, y))
                                << w << " x " << h << ", presentation " << p << ", tick " << tick;
                    previous = image;
                    AdvanceClock(state);
                    AdvanceClock(painted);
                }
            }
        }
    }
}

}  // namespace
}  // namespace vireflu
