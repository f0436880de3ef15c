#pragma once

#include <QColor>
#include <QPainter>

#include "drawing/surface.h"

namespace vireflu {

QColor ToQColor(Rgb rgb);

// The drawing surface on a QPainter: antialiasing off, integer coordinates. One-pixel
// segments are rasterised here rather than by Qt, so every slope leaves out its final
// pixel exactly; fills use no outline when the null pen is selected.
class PainterSurface : public Surface {
public:
    explicit PainterSurface(QPainter& painter);

protected:
    void DoFillRect(const Rect& rect, const Brush& brush) override;
    void DoEllipse(const Rect& rect) override;
    void DoPolygon(std::span<const Point> vertices) override;
    void DoRectangle(Point corner1, Point corner2) override;
    void DoLine(Point from, Point to) override;

private:
    // Applies the selected brush to the painter for a filled shape, and the selected pen
    // as a one-pixel outline when `outlined`.
    void PrepareFill(bool outlined);
    void FillSpan(int x, int y, int width, int height, const QColor& colour);

    QPainter& painter;
};

}  // namespace vireflu
