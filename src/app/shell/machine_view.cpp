#include "machine_view.h"

#include <QPainter>
#include <QResizeEvent>

#include "frame_renderer.h"

namespace vireflu {

CMachineView::CMachineView(SimulationState& state, QWidget* parent)
    : QWidget(parent), state(state) {
    // The frame covers the whole view, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CMachineView::DrawFrame() {
    const qreal ratio = devicePixelRatioF();
    if (ratio > 1.0) {
        frame = RenderMachineFrame(scene, state, ratio);
        return;
    }
    // One canvas for as long as the size holds, shown without a copy.
    RenderMachineFrame(canvas, scene, state);
    frame = WrapCanvas(canvas);
}

void CMachineView::Redraw() {
    DrawFrame();
    framePending = true;
    repaint();
    framePending = false;
}

void CMachineView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scene.Resize(width(), height());
}

void CMachineView::paintEvent(QPaintEvent*) {
    // A paint that Redraw did not ask for (the view uncovered or resized) draws the
    // present instant anew.
    if (!framePending) DrawFrame();
    QPainter painter(this);
    painter.drawImage(0, 0, frame);
}

}  // namespace vireflu
