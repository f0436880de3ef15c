#include "drawing/surface.h"

namespace vireflu {

Rgb Surface::Resolve(const Colour& colour) const {
    if (colour.kind == Colour::Kind::Rgb) return colour.rgb;
    if (colourMap == nullptr || colour.level < 0 || colour.level >= kColourLevels) return Rgb{};
    return (*colourMap)[static_cast<std::size_t>(colour.level)];
}

Pen Surface::SelectPen(const Pen& pen) {
    Pen previous = selectedPen;
    selectedPen = pen;
    return previous;
}

Brush Surface::SelectBrush(const Brush& brush) {
    Brush previous = selectedBrush;
    selectedBrush = brush;
    return previous;
}

void Surface::LineTo(Point to) {
    if (selectedPen.style != Pen::Style::Null) DoLine(currentPoint, to);
    currentPoint = to;
}

}  // namespace vireflu
