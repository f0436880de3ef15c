#include "panel_pictures/phase_picture.h"

#include <algorithm>

#include "panel_pictures/waveform_curves.h"

namespace vireflu {

namespace {

int PhaseAngleDeg(const WindingSettings& values, int phase) {
    return phase == 1   ? values.phase1AngleDeg
           : phase == 2 ? values.phase2AngleDeg
                        : values.phase3AngleDeg;
}

// The curve of one phase. With "rectangulaire" the typed angles play no part: phase 2
// lags by 120 degrees (shift 240) and phase 3 by 240 (shift 120).
void DrawCurve(Surface& surface, double w, double h, Winding winding, int phase,
               const WindingSettings& values, int lineWidth) {
    const double angle = PhaseAngleDeg(values, phase);
    const int waveform = values.waveform;
    if (winding == Winding::Rotor) {
        if (phase == 1 && waveform != kWaveformSinus)
            DrawDirectPicture(surface, w, h, angle, lineWidth);
        else
            DrawSinePicture(surface, w, h, angle, lineWidth);
        return;
    }
    if (waveform == kWaveformSinus) {
        DrawSinePicture(surface, w, h, angle, lineWidth);
    } else if (phase == 1) {
        if (waveform == kWaveformContinu) DrawDirectPicture(surface, w, h, angle, lineWidth);
        if (waveform == kWaveformRectangulaire) DrawSixStepPicture(surface, w, h, 0, lineWidth);
    } else {
        DrawSixStepPicture(surface, w, h, phase == 2 ? 240 : 120, lineWidth);
    }
}

}  // namespace

void DrawTimeCursor(Surface& surface, double w, double h, double angle, int lineWidth) {
    const Pen kept = surface.SelectPen(Pen::Solid(lineWidth, Rgb{0, 0, 0}));
    // 0.15915507752443828 is 1 / 6.28318, the program's own turn.
    const int x = Trunc(10 + ((w - 15) * angle) * 0.15915507752443828);
    surface.MoveTo({x, 5});
    surface.LineTo({x, Trunc(h - 5)});
    surface.SelectPen(kept);
}

std::vector<int> PicturedPhases(const WindingSettings& values) {
    if (values.phase1On != 1) return {};
    std::vector<int> phases{1};
    if (values.phase2On == 1) phases.push_back(2);
    if (values.phase3On == 1) phases.push_back(3);
    return phases;
}

void DrawPhasePicture(Surface& surface, int w, int h, Winding winding, int phase,
                      const WindingSettings& values, double currentAngle, int lineWidth) {
    surface.FillRect(Rect{0, 0, w, h}, Brush::Of(Colour::FromRgb(255, 255, 255)));
    DrawCurve(surface, w, h, winding, phase, values, lineWidth);
    DrawTimeCursor(surface, w, h, currentAngle, lineWidth);
}

void RenderPhasePicture(RasterSurface& canvas, int w, int h, Winding winding, int phase,
                        const WindingSettings& values, double currentAngle, int lineWidth) {
    canvas.Resize(std::max(w, 1), std::max(h, 1));
    DrawPhasePicture(canvas, w, h, winding, phase, values, currentAngle, lineWidth);
}

}  // namespace vireflu
