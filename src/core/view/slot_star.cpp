#include "view/slot_star.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "machine/constants.h"

namespace vireflu {

namespace {

constexpr std::array<Rgb, 3> kPhaseColours{Rgb{200, 0, 0}, Rgb{0, 140, 0}, Rgb{0, 0, 220}};

}  // namespace

void DrawSlotStar(Surface& surface, const WindingDesign& design, int size) {
    surface.FillRect(Rect{0, 0, size, size}, Brush::Of(Colour::FromRgb(255, 255, 255)));
    const Point centre{size / 2, size / 2};
    const double radius = 0.45 * size;
    const int width = std::max(1, size / 80);
    const std::vector<Slot> slots = SlotsOf(design);
    const std::size_t perPair = slots.size() / static_cast<std::size_t>(design.polePairs);
    const Pen kept = surface.SelectPen(Pen::Null());
    const Brush keptBrush = surface.SelectBrush(Brush::Of(Colour::FromRgb(0, 0, 0)));
    for (std::size_t s = 0; s < perPair; ++s) {
        const CoilSide& side = slots[s].top;
        const double length = side.sign > 0 ? radius : 0.7 * radius;
        const double angle = slots[s].electricalDeg * constants::kDegreeFactor;
        const Point tip{centre.x + Trunc(length * std::cos(angle)),
                        centre.y - Trunc(length * std::sin(angle))};
        const Rgb colour = kPhaseColours[static_cast<std::size_t>(side.phase)];
        surface.SelectPen(Pen::Solid(width, colour));
        surface.MoveTo(centre);
        surface.LineTo(tip);
        surface.SelectBrush(Brush::Of(Colour::FromRgb(colour.red, colour.green, colour.blue)));
        const int dot = 2 * width + 1;
        surface.Ellipse(Rect{tip.x - dot, tip.y - dot, tip.x + dot + 1, tip.y + dot + 1});
    }
    surface.SelectPen(kept);
    surface.SelectBrush(keptBrush);
}

void RenderSlotStar(RasterSurface& canvas, const WindingDesign& design, int size) {
    size = std::max(size, 1);
    canvas.Resize(size, size);
    DrawSlotStar(canvas, design, size);
}

}  // namespace vireflu
