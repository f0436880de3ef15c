#pragma once

#include <QDialog>
#include <array>

#include "drawing/raster_surface.h"
#include "machine/induction_circuit.h"
#include "machine/winding_design.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace vireflu {

// "Bobinage": the stator's pole pairs, slots per pole and per phase, coil pitch and a cut
// phase, each a list; a line naming the winding and its star of slots. Modeless like the
// other windows; it only says which winding was chosen.
class WindingDesignPanel : public QDialog {
    Q_OBJECT

public:
    explicit WindingDesignPanel(QWidget* owner);

    // Shows `design` and the cage switch without telling anyone (an opened setup, undo).
    void Show(const WindingDesign& design);
    void ShowCage(const CageRotor& cage);
    const WindingDesign& Design() const { return design; }

signals:
    void DesignChosen(const vireflu::WindingDesign& design);
    void CageChosen(bool on);
    void FreeRotorChosen(bool on, double loadNm);
    void CircuitChosen(const vireflu::EquivalentCircuit& circuit);

private:
    WindingDesign design;
    std::array<QComboBox*, 4> lists{};
    QLabel* summary;
    QCheckBox* cage;
    QCheckBox* free;
    QDoubleSpinBox* load;
    std::array<QDoubleSpinBox*, 6> circuit{};
    QLabel* diagram;
    RasterSurface circuitCanvas;
    QLabel* star;
    RasterSurface canvas;
};

}  // namespace vireflu
