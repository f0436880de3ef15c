#include "stator_panel.h"

CStatorPanel::CStatorPanel(QWidget* owner)
    : CWindingPanel(owner, vireflu::PanelTemplateOf(vireflu::Winding::Stator)) {}
