#pragma once

#include "winding_panel.h"

// The "Rotor" panel: three phases, "sinus" or "continu", the supply frequency, the
// rotation frequency and the initial rotor position. Sends its record with selector 1.
class CRotorPanel : public CWindingPanel {
    Q_OBJECT

public:
    explicit CRotorPanel(QWidget* owner);
};
