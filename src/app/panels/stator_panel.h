#pragma once

#include "winding_panel.h"

// The "Stator" panel: three phases, "sinus", "continu" or "rectangulaire", and the supply
// frequency. Sends its record with selector 0.
class CStatorPanel : public CWindingPanel {
    Q_OBJECT

public:
    explicit CStatorPanel(QWidget* owner);
};
