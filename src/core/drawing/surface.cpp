#include "drawing/surface.h"

namespace vireflu {

Rgb Surface::Resolve(const Colour& colour) const {
    if (colour.kind == Colour::Kind::Rgb) return colour.rgb;
    if (colourMap_ == nullptr || colour.level < 0 || colour.level >= kColourLevels) return Rgb{};
    return (*colourMap_)[static_cast<std::size_t>(colour.level)];
}

Pen Surface::SelectPen(const Pen& pen) {
    Pen previous = pen_;
    pen_ = pen;
    return previous;
}

Brush Surface::SelectBrush(const Brush& brush) {
    Brush previous = brush_;
    brush_ = brush;
    return previous;
}

void Surface::LineTo(Point to) {
    if (pen_.style != Pen::Style::Null) DoLine(current_, to);
    current_ = to;
}

}  // namespace vireflu
