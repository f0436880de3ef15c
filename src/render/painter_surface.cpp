#include "painter_surface.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <QPolygon>

namespace vireflu {

QColor ToQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

PainterSurface::PainterSurface(QPainter& p) : painter(p) {
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void PainterSurface::FillSpan(int x, int y, int width, int height, const QColor& colour) {
    if (width > 0 && height > 0) painter.fillRect(QRect(x, y, width, height), colour);
}

void PainterSurface::DoFillRect(const Rect& rect, const Brush& brush) {
    FillSpan(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
             ToQColor(Resolve(brush.colour)));
}

void PainterSurface::PrepareFill(bool outlined) {
    const Pen& pen = CurrentPen();
    if (!outlined || pen.style == Pen::Style::Null)
        painter.setPen(Qt::NoPen);
    else
        painter.setPen(QPen(ToQColor(pen.colour), 1));
    painter.setBrush(ToQColor(Resolve(CurrentBrush().colour)));
}

void PainterSurface::DoEllipse(const Rect& rect) {
    PrepareFill(true);
    painter.drawEllipse(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
}

void PainterSurface::DoPolygon(std::span<const Point> vertices) {
    // The sides, if any, are drawn as segments afterwards.
    PrepareFill(false);
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(vertices.size()));
    for (const Point& v : vertices) polygon << QPoint(v.x, v.y);
    painter.drawPolygon(polygon, Qt::OddEvenFill);
}

void PainterSurface::DoRectangle(Point corner1, Point corner2) {
    const int left = std::min(corner1.x, corner2.x);
    const int top = std::min(corner1.y, corner2.y);
    const int right = std::max(corner1.x, corner2.x);
    const int bottom = std::max(corner1.y, corner2.y);
    FillSpan(left, top, right - left, bottom - top, ToQColor(Resolve(CurrentBrush().colour)));
}

void PainterSurface::DoLine(Point from, Point to) {
    const Pen& pen = CurrentPen();
    const QColor colour = ToQColor(pen.colour);
    // Horizontal and vertical segments become one filled span each; that is both exact
    // and compact in SVG output. Other slopes are plotted pixel by pixel.
    std::vector<QPoint> pixels;
    RasteriseSegment(from, to, [&](int x, int y) { pixels.emplace_back(x, y); });
    if (pixels.empty()) return;
    // A wider pen thickens the segment across its major axis, toward the smaller coordinate.
    const bool xMajor = std::abs(to.x - from.x) >= std::abs(to.y - from.y);
    const int extra = std::max(pen.width, 1) - 1;
    if (from.x == to.x || from.y == to.y) {
        const QPoint first = pixels.front();
        const QPoint last = pixels.back();
        const int left = std::min(first.x(), last.x());
        const int top = std::min(first.y(), last.y());
        const int width = std::abs(last.x() - first.x()) + 1;
        const int height = std::abs(last.y() - first.y()) + 1;
        if (xMajor)
            FillSpan(left, top - extra, width, height + extra, colour);
        else
            FillSpan(left - extra, top, width + extra, height, colour);
        return;
    }
    painter.setPen(QPen(colour, 1));
    for (int offset = 0; offset <= extra; ++offset) {
        QPolygon points;
        for (const QPoint& p : pixels)
            points << (xMajor ? QPoint(p.x(), p.y() - offset) : QPoint(p.x() - offset, p.y()));
        painter.drawPoints(points);
    }
}

}  // namespace vireflu
