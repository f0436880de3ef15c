#pragma once

#include <QDialog>
#include <vector>

#include "drawing/raster_surface.h"
#include "measures/measure_rows.h"

class QCheckBox;
class QLabel;

namespace vireflu {

// The "Mesures" window: the air-gap curve, the machine's numbers with their units and
// explanations, and the "Deux champs tournants" switch. Modeless like the winding panels;
// the main window hands it the measures of every frame it draws.
class CMeasuresPanel : public QDialog {
    Q_OBJECT

public:
    explicit CMeasuresPanel(QWidget* owner);

    // Redraws the curve and rewrites the numbers; nothing while the window is hidden.
    void Show(const Measures& measures, int lineWidth);
    // Projector mode: fonts one and a half times larger.
    void SetProjector(bool on);
    // Shows the window again if hidden, raises it and gives it the focus.
    void Reopen();

    QCheckBox* sequencesCheck;

signals:
    void SequencesToggled(bool on);

private:
    QLabel* curve;
    std::vector<QLabel*> values;
    RasterSurface canvas;
    QFont baseFont;
    MeasureWords words;
};

}  // namespace vireflu
