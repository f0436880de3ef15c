#include "rotor_panel.h"

CRotorPanel::CRotorPanel(QWidget* owner)
    : CWindingPanel(owner, vireflu::PanelTemplateOf(vireflu::Winding::Rotor)) {}
