#include "rotor_panel.h"

namespace {

using C = vireflu::PanelControl;

// Template 131, in template order; rectangles in dialog units.
constexpr TemplateControl kRotorControls[] = {
    {C::FrequencyLabel, "", {7, 212, 114, 9}},     {C::FrequencySlider, "", {7, 191, 114, 22}},
    {C::Phase1Frame, "", {7, 135, 70, 40}},        {C::Phase2Frame, "", {7, 78, 70, 40}},
    {C::Phase3Frame, "", {7, 22, 70, 40}},         {std::nullopt, "phase", {78, 135, 43, 34}},
    {C::Phase1Field, "", {83, 148, 32, 12}},       {C::Phase1Spin, "", {105, 148, 11, 15}},
    {std::nullopt, "phase", {78, 78, 43, 34}},     {C::Phase2Field, "", {83, 94, 32, 12}},
    {C::Phase2Spin, "", {105, 91, 11, 15}},        {std::nullopt, "phase", {78, 22, 43, 34}},
    {C::Phase3Field, "", {83, 38, 32, 12}},        {C::Phase3Spin, "", {105, 38, 11, 15}},
    {C::Phase1Check, "phase 1", {7, 120, 43, 13}}, {C::Phase2Check, "phase 2", {7, 62, 43, 13}},
    {C::Phase3Check, "phase 3", {7, 7, 43, 13}},   {C::Sinus, "sinus", {7, 175, 43, 9}},
    {C::Continu, "continu", {57, 175, 43, 9}},     {C::RotationLabel, "", {7, 247, 114, 9}},
    {C::RotationSlider, "", {7, 226, 114, 21}},    {C::PositionLabel, "", {7, 284, 114, 9}},
    {C::PositionSlider, "", {7, 263, 114, 21}},
};

constexpr PanelTemplate kRotorTemplate{vireflu::Winding::Rotor, "Rotor", 128, 301, kRotorControls};

}  // namespace

CRotorPanel::CRotorPanel(QWidget* owner) : CWindingPanel(owner, kRotorTemplate) {}
