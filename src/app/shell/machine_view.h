#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <vector>

#include "drawing/raster_surface.h"

#include "machine/simulation_state.h"
#include "session/session.h"
#include "view/machine_scene.h"

namespace vireflu {

// The cross-section of the machine, filling the main window above the command bar. Every
// picture is drawn whole into an off-screen image and then copied to the screen at once.
class CMachineView : public QWidget {
    Q_OBJECT

public:
    CMachineView(Session& session, QWidget* parent = nullptr);

    // Draws one frame of the present instant and shows it at once. Each call draws
    // exactly one frame: in "Trace" presentation it records exactly one point.
    void Redraw();
    // "Annotations": drawn over the frame, which stays the same pixels; the next Redraw
    // shows the change, copied whole once an overlay goes (its words would stay behind).
    void SetAnnotations(bool on) {
        showsPreviousFrame &= annotations == on;
        annotations = on;
    }
    bool Annotations() const { return annotations; }
    // "Légende": the torque bar's and the colour scale's words, also without the rest.
    void SetLegend(bool on) {
        showsPreviousFrame &= legend == on;
        legend = on;
    }
    bool Legend() const { return legend; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the present instant into `frame`.
    void DrawFrame();
    // The part of the view that differs from what it showed before the last frame drawn.
    QRegion ChangedRegion();
    void DrawAnnotations(QPainter& painter);

    Session& session;
    // The frames at one pixel per logical pixel; `frame` views it, or holds the scaled frames.
    RasterSurface canvas;
    QImage frame;
    // Set while Redraw's own paint runs, so that paint shows the frame just drawn instead
    // of drawing another one.
    bool framePending = false;
    // Whether the view shows the canvas's frame before the last one drawn, so that
    // showing the last one only needs what changed.
    bool showsPreviousFrame = false;
    std::vector<Rect> changedRects;
    std::vector<QRect> changedQRects;
    bool annotations = false;
    bool legend = false;
};

}  // namespace vireflu
