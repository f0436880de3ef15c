#include "stator_panel.h"

namespace {

using C = vireflu::PanelControl;

// Template 130, in template order; rectangles in dialog units.
constexpr TemplateControl kStatorControls[] = {
    {C::FrequencyLabel, "", {7, 232, 114, 18}},
    {C::FrequencySlider, "", {7, 211, 114, 21}},
    {C::Phase1Frame, "", {7, 133, 70, 40}},
    {C::Phase2Frame, "", {7, 78, 70, 40}},
    {C::Phase3Frame, "", {7, 22, 70, 40}},
    {std::nullopt, "phase", {78, 133, 43, 35}},
    {C::Phase1Field, "", {83, 148, 32, 12}},
    {C::Phase1Spin, "", {105, 148, 11, 15}},
    {std::nullopt, "phase", {78, 78, 43, 34}},
    {C::Phase2Field, "", {83, 95, 32, 12}},
    {C::Phase2Spin, "", {105, 93, 11, 15}},
    {std::nullopt, "phase", {78, 22, 43, 34}},
    {C::Phase3Field, "", {83, 31, 32, 12}},
    {C::Phase3Spin, "", {105, 31, 11, 15}},
    {C::Phase1Check, "phase 1", {7, 117, 43, 13}},
    {C::Phase2Check, "phase 2", {7, 62, 43, 13}},
    {C::Phase3Check, "phase 3", {7, 7, 43, 13}},
    {C::Sinus, "sinus", {7, 174, 43, 9}},
    {C::Continu, "continu", {7, 184, 43, 9}},
    {C::Rectangulaire, "rectangulaire", {7, 195, 52, 8}},
};

constexpr PanelTemplate kStatorTemplate{vireflu::Winding::Stator, "Stator", 128, 263,
                                        kStatorControls};

}  // namespace

CStatorPanel::CStatorPanel(QWidget* owner) : CWindingPanel(owner, kStatorTemplate) {}
