#include "panels/spoken_names.h"

#include "shell/interface_text.h"

namespace vireflu {

namespace {

constexpr const char* kAngleName = VIREFLU_UI_TEXT("Panel", "angle de la phase %1");
constexpr const char* kAngleTip =
    VIREFLU_UI_TEXT("Panel",
                    "Le courant de la phase vaut sin(ωt + angle) : l'angle est une avance. Dans la "
                    "séquence directe, 0/240/120, les phases culminent dans l'ordre 1, 2, 3 et le "
                    "champ tourne dans le sens antihoraire.");
constexpr const char* kSliderDescription =
    VIREFLU_UI_TEXT("Panel", "flèches, Page préc. et Page suiv. pour régler");

}  // namespace

SpokenName SpokenNameOf(PanelControl control) {
    switch (KindOf(control)) {
        case ControlKind::AngleField:
            return {kAngleName, VIREFLU_UI_TEXT("Panel", "degrés, de 0 à 360"), kAngleTip};
        case ControlKind::UpDown:
            return {kAngleName, nullptr, kAngleTip};
        case ControlKind::PictureFrame:
            return {VIREFLU_UI_TEXT("Panel", "courbe de la phase %1"),
                    VIREFLU_UI_TEXT("Panel",
                                    "le courant de la phase sur une période, le trait "
                                    "vertical marquant l'instant")};
        case ControlKind::Trackbar:
            switch (*SliderOf(control)) {
                case PanelSlider::Frequency:
                    return {VIREFLU_UI_TEXT("Panel", "fréquence"), kSliderDescription};
                case PanelSlider::Rotation:
                    return {VIREFLU_UI_TEXT("Panel", "fréquence de rotation"), kSliderDescription};
                case PanelSlider::InitialPosition:
                    return {VIREFLU_UI_TEXT("Panel", "position initiale"), kSliderDescription};
            }
            return {};
        default:
            return {};
    }
}

const char* StepArrowName(int arrow) {
    return arrow == kStepUp ? VIREFLU_UI_TEXT("Panel", "augmenter l'angle de la phase %1")
                            : VIREFLU_UI_TEXT("Panel", "diminuer l'angle de la phase %1");
}

}  // namespace vireflu
