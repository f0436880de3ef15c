#pragma once

#include <QDialog>
#include <vector>

#include "drawing/raster_surface.h"
#include "measures/measure_rows.h"

class QCheckBox;
class QLabel;
class QScrollArea;

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
    // Shows the window again if hidden, raises it and gives it the focus.
    void Reopen();

    QCheckBox* sequencesCheck;

signals:
    void SequencesToggled(bool on);

private:
    // As large as the content, but no taller than the screen: the content then scrolls.
    void FitScreen();
    QWidget* content;
    QScrollArea* scroll;
    QLabel* curve;
    std::vector<QLabel*> names;
    std::vector<QLabel*> values;
    std::vector<const char*> labels;  // each row's, in French
    RasterSurface canvas;
    QLabel* torqueCurve;  // a cage rotor's, shown only for one
    RasterSurface torqueCanvas;
    MeasureWords words;
};

}  // namespace vireflu
