#include "panels/panel_template.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "shell/interface_text.h"
#include "shell/projector.h"

namespace vireflu {

namespace {

using C = PanelControl;

// Template 130, in template order; rectangles in dialog units.
constexpr TemplateControl kStatorControls[] = {
    {C::FrequencyLabel, "", {7, 232, 114, 18}},
    {C::FrequencySlider, "", {7, 211, 114, 21}},
    {C::Phase1Frame, "", {7, 133, 70, 40}},
    {C::Phase2Frame, "", {7, 78, 70, 40}},
    {C::Phase3Frame, "", {7, 22, 70, 40}},
    {std::nullopt, VIREFLU_UI_TEXT("Panel", "phase"), {78, 133, 43, 35}},
    {C::Phase1Field, "", {83, 148, 32, 12}},
    {C::Phase1Spin, "", {105, 148, 11, 15}},
    {std::nullopt, VIREFLU_UI_TEXT("Panel", "phase"), {78, 78, 43, 34}},
    {C::Phase2Field, "", {83, 95, 32, 12}},
    {C::Phase2Spin, "", {105, 93, 11, 15}},
    {std::nullopt, VIREFLU_UI_TEXT("Panel", "phase"), {78, 22, 43, 34}},
    {C::Phase3Field, "", {83, 31, 32, 12}},
    {C::Phase3Spin, "", {105, 31, 11, 15}},
    {C::Phase1Check, VIREFLU_UI_TEXT("Panel", "phase 1"), {7, 117, 43, 13}},
    {C::Phase2Check, VIREFLU_UI_TEXT("Panel", "phase 2"), {7, 62, 43, 13}},
    {C::Phase3Check, VIREFLU_UI_TEXT("Panel", "phase 3"), {7, 7, 43, 13}},
    {C::Sinus, VIREFLU_UI_TEXT("Panel", "sinus"), {7, 174, 43, 9}},
    {C::Continu, VIREFLU_UI_TEXT("Panel", "continu"), {7, 184, 43, 9}},
    {C::Rectangulaire, VIREFLU_UI_TEXT("Panel", "rectangulaire"), {7, 195, 52, 8}},
};

// Template 131, in template order; rectangles in dialog units.
constexpr TemplateControl kRotorControls[] = {
    {C::FrequencyLabel, "", {7, 212, 114, 9}},
    {C::FrequencySlider, "", {7, 191, 114, 22}},
    {C::Phase1Frame, "", {7, 135, 70, 40}},
    {C::Phase2Frame, "", {7, 78, 70, 40}},
    {C::Phase3Frame, "", {7, 22, 70, 40}},
    {std::nullopt, VIREFLU_UI_TEXT("Panel", "phase"), {78, 135, 43, 34}},
    {C::Phase1Field, "", {83, 148, 32, 12}},
    {C::Phase1Spin, "", {105, 148, 11, 15}},
    {std::nullopt, VIREFLU_UI_TEXT("Panel", "phase"), {78, 78, 43, 34}},
    {C::Phase2Field, "", {83, 94, 32, 12}},
    {C::Phase2Spin, "", {105, 91, 11, 15}},
    {std::nullopt, VIREFLU_UI_TEXT("Panel", "phase"), {78, 22, 43, 34}},
    {C::Phase3Field, "", {83, 38, 32, 12}},
    {C::Phase3Spin, "", {105, 38, 11, 15}},
    {C::Phase1Check, VIREFLU_UI_TEXT("Panel", "phase 1"), {7, 120, 43, 13}},
    {C::Phase2Check, VIREFLU_UI_TEXT("Panel", "phase 2"), {7, 62, 43, 13}},
    {C::Phase3Check, VIREFLU_UI_TEXT("Panel", "phase 3"), {7, 7, 43, 13}},
    {C::Sinus, VIREFLU_UI_TEXT("Panel", "sinus"), {7, 175, 43, 9}},
    {C::Continu, VIREFLU_UI_TEXT("Panel", "continu"), {57, 175, 43, 9}},
    {C::RotationLabel, "", {7, 247, 114, 9}},
    {C::RotationSlider, "", {7, 226, 114, 21}},
    {C::PositionLabel, "", {7, 284, 114, 9}},
    {C::PositionSlider, "", {7, 263, 114, 21}},
};

constexpr PanelTemplate kStatorTemplate{Winding::Stator, VIREFLU_UI_TEXT("Panel", "Stator"), 128,
                                        263, kStatorControls};
constexpr PanelTemplate kRotorTemplate{Winding::Rotor, VIREFLU_UI_TEXT("Panel", "Rotor"), 128, 301,
                                       kRotorControls};

}  // namespace

const PanelTemplate& PanelTemplateOf(Winding winding) {
    return winding == Winding::Rotor ? kRotorTemplate : kStatorTemplate;
}

PanelScale ProjectorPanelScale(Winding winding, int screenLines, int room) {
    const int height = DialogUnitsToPixelsY(PanelTemplateOf(winding).height);
    const double wanted = ProjectorScale(kTemplateFontPixels, screenLines);
    const double layout = std::max(1.0, std::min(wanted, static_cast<double>(room) / height));
    // 24 pixels at 1080 lines, in proportion, whatever room the layout had.
    const double least = 24.0 * screenLines / 1080.0 / kTemplateFontPixels;
    return {layout, static_cast<int>(std::ceil(kTemplateFontPixels * std::max(layout, least)))};
}

Rect ControlPixels(const PanelTemplate& layout, std::size_t index) {
    const auto kindAt = [&](std::size_t i) {
        return i < layout.controls.size() ? KindOf(layout.controls[i].role) : ControlKind::GroupBox;
    };
    const auto width = [](const Rect& r) { return r.right - r.left; };
    Rect pixels = DialogRectToPixels(layout.controls[index].rect);
    if (index > 0 && kindAt(index) == ControlKind::UpDown &&
        kindAt(index - 1) == ControlKind::AngleField) {
        const Rect field = DialogRectToPixels(layout.controls[index - 1].rect);
        return Rect{field.right - width(pixels), field.top, field.right, field.bottom};
    }
    if (kindAt(index) == ControlKind::AngleField && kindAt(index + 1) == ControlKind::UpDown)
        pixels.right -= width(DialogRectToPixels(layout.controls[index + 1].rect));
    return pixels;
}

ControlKind KindOf(const std::optional<PanelControl>& role) {
    if (!role) return ControlKind::GroupBox;
    switch (*role) {
        case C::Phase1Check:
        case C::Phase2Check:
        case C::Phase3Check:
            return ControlKind::CheckBox;
        case C::Sinus:
        case C::Continu:
        case C::Rectangulaire:
            return ControlKind::RadioButton;
        case C::Phase1Frame:
        case C::Phase2Frame:
        case C::Phase3Frame:
            return ControlKind::PictureFrame;
        case C::Phase1Field:
        case C::Phase2Field:
        case C::Phase3Field:
            return ControlKind::AngleField;
        case C::Phase1Spin:
        case C::Phase2Spin:
        case C::Phase3Spin:
            return ControlKind::UpDown;
        case C::FrequencySlider:
        case C::RotationSlider:
        case C::PositionSlider:
            return ControlKind::Trackbar;
        default:
            return ControlKind::Label;
    }
}

int PhaseOf(PanelControl control) {
    // Each run of phase controls lists phases 1, 2 and 3 in order.
    for (const C first : {C::Phase1Check, C::Phase1Frame, C::Phase1Field, C::Phase1Spin}) {
        const int phase = static_cast<int>(control) - static_cast<int>(first) + 1;
        if (phase >= 1 && phase <= 3) return phase;
    }
    return 0;
}

int WaveformOf(PanelControl control) {
    switch (control) {
        case C::Sinus:
            return kWaveformSinus;
        case C::Continu:
            return kWaveformContinu;
        case C::Rectangulaire:
            return kWaveformRectangulaire;
        default:
            return kWaveformNone;
    }
}

std::optional<PanelSlider> SliderOf(PanelControl control) {
    switch (control) {
        case C::FrequencySlider:
            return PanelSlider::Frequency;
        case C::RotationSlider:
            return PanelSlider::Rotation;
        case C::PositionSlider:
            return PanelSlider::InitialPosition;
        default:
            return std::nullopt;
    }
}

const char* ControlName(PanelControl control) {
    static constexpr const char* kNames[] = {"phase1Check",
                                             "phase2Check",
                                             "phase3Check",
                                             "sinus",
                                             "continu",
                                             "rectangulaire",
                                             "phase1Frame",
                                             "phase2Frame",
                                             "phase3Frame",
                                             "phase1Edit",
                                             "phase2Edit",
                                             "phase3Edit",
                                             "phase1Spin",
                                             "phase2Spin",
                                             "phase3Spin",
                                             "frequencySlider",
                                             "frequencyLabel",
                                             "rotationSlider",
                                             "rotationLabel",
                                             "initialPositionSlider",
                                             "initialPositionLabel"};
    static_assert(std::size(kNames) == static_cast<std::size_t>(PanelControl::Count));
    return kNames[static_cast<std::size_t>(control)];
}

}  // namespace vireflu
