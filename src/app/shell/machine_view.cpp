#include "machine_view.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "frame_renderer.h"
#include "view/annotations.h"

namespace vireflu {

CMachineView::CMachineView(Session& session, QWidget* parent) : QWidget(parent), session(session) {
    // The frame covers the whole view, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QCoreApplication::translate("View", "Coupe de la machine"));
}

void CMachineView::DrawFrame() {
    const qreal ratio = devicePixelRatioF();
    if (ratio > 1.0) {
        // One image for as long as the size and the ratio hold, drawn at full resolution.
        RenderMachineFrame(frame, session.Scene(), session.State(), ratio);
        return;
    }
    // One canvas for as long as the size holds, shown without a copy.
    RenderMachineFrame(canvas, session.Scene(), session.State());
    frame = WrapCanvas(canvas);
}

QRegion CMachineView::ChangedRegion() {
    if (!showsPreviousFrame) return rect();
    changedRects.clear();
    canvas.ChangedArea(changedRects);
    changedQRects.clear();
    for (const Rect& r : changedRects)
        changedQRects.emplace_back(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    // The rectangles come in bands without overlaps, as a region keeps them.
    QRegion changed;
    changed.setRects(changedQRects.data(), static_cast<int>(changedQRects.size()));
    return changed;
}

void CMachineView::Redraw() {
    session.AdvanceFrame();
    DrawFrame();
    framePending = true;
    // Only what changed is copied to the screen: at large sizes the copy costs more than
    // the frame. The annotations change with the clock and cover any part of it.
    repaint(annotations || legend ? QRegion(rect()) : ChangedRegion());
    framePending = false;
    showsPreviousFrame = isVisible() && devicePixelRatioF() <= 1.0;
}

void CMachineView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    session.ResizeView(width(), height());
}

void CMachineView::paintEvent(QPaintEvent* event) {
    // A paint that Redraw did not ask for (the view uncovered or resized) draws the
    // present instant anew, at the view's present size, and adds nothing to the trace; the
    // view outside the paint still shows the frame before.
    if (!framePending) {
        session.PrepareFrame();
        DrawFrame();
        showsPreviousFrame =
            (QRegion(rect()) - event->region()).isEmpty() && devicePixelRatioF() <= 1.0;
    }
    // One rectangle at a time: Qt copies an image into a plain rectangle directly, row by
    // row, where a clip of many rectangles would take it through its general span filler.
    QPainter painter(this);
    for (const QRect& area : event->region()) {
        painter.setClipRect(area);
        painter.drawImage(area.topLeft(), frame,
                          QRectF(area.topLeft() * frame.devicePixelRatio(),
                                 area.size() * frame.devicePixelRatio()));
    }
    if (annotations || legend) {
        painter.setClipRegion(event->region());
        DrawAnnotations(painter);
    }
}

void CMachineView::DrawAnnotations(QPainter& painter) {
    // The time takes the decimal mark the catalogue gives the measures, as in the page.
    const bool decimalComma = QCoreApplication::translate("Measures", ",") == QLatin1String(",");
    const MachineAnnotations a =
        ComputeAnnotations(session.State(), session.Scene(), decimalComma,
                           annotations ? AnnotationParts::All : AnnotationParts::Legend);
    const int bands = static_cast<int>(a.scaleColours.size());
    for (int i = 0; i < bands; ++i) {
        const Rgb c = a.scaleColours[static_cast<std::size_t>(i)];
        const int height = a.scale.bottom - a.scale.top;
        const int top = a.scale.top + height * i / bands;
        const int bottom = a.scale.top + height * (i + 1) / bands;
        painter.fillRect(QRect(QPoint(a.scale.left, top), QPoint(a.scale.right - 1, bottom - 1)),
                         QColor(c.red, c.green, c.blue));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    if (!a.senseArrow.empty()) {
        QPolygon arrow;
        for (const Point& p : a.senseArrow) arrow << QPoint(p.x, p.y);
        painter.setPen(QPen(QColor(0, 128, 0), 2));
        painter.drawPolyline(arrow);
    }
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // Labels such as "1'" and "0°" read left to right in every language.
    painter.setLayoutDirection(Qt::LeftToRight);
    for (const AnnotationText& t : a.texts) {
        const QString text = QCoreApplication::translate("Annotations", t.text.c_str());
        const QRect box = painter.fontMetrics().boundingRect(text);
        const QPoint at = t.left ? QPoint(t.at.x, t.at.y + box.height() / 2)
                                 : QPoint(t.at.x - box.width() / 2, t.at.y + box.height() / 3);
        painter.drawText(at, text);
    }
}

}  // namespace vireflu
