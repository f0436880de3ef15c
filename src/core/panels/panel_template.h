#pragma once

#include <optional>
#include <span>

#include "drawing/geometry.h"
#include "panels/panel_model.h"

namespace vireflu {

// A rectangle in dialog units, as the panel templates give them.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

// Dialog units to pixels with the template font's base units, 6 x 13 pixels: x = du * 6 / 4
// and y = du * 13 / 8, rounded to the nearest pixel. A 70 x 40 frame is 105 x 65 pixels.
constexpr int DialogUnitsToPixelsX(int du) {
    return (du * 6 + 2) / 4;
}
constexpr int DialogUnitsToPixelsY(int du) {
    return (du * 13 + 4) / 8;
}

// Corners are converted, not sizes, so that controls that touch in dialog units still touch.
constexpr Rect DialogRectToPixels(const DialogRect& r) {
    return Rect{DialogUnitsToPixelsX(r.x), DialogUnitsToPixelsY(r.y),
                DialogUnitsToPixelsX(r.x + r.width), DialogUnitsToPixelsY(r.y + r.height)};
}

// One control of a panel template. Its role names the model control it shows; a control
// without a role is a "phase" group box, decoration only.
struct TemplateControl {
    std::optional<PanelControl> role;
    const char* text;  // UTF-8; labels take their text from the model
    DialogRect rect;
};

// A panel's template: caption, client size and controls in template order, which is also
// the tab order and pairs each up/down control with the field before it.
struct PanelTemplate {
    Winding winding;
    const char* caption;
    int width;   // dialog units
    int height;  // dialog units
    std::span<const TemplateControl> controls;
};

// Templates 130 ("Stator") and 131 ("Rotor"), which every front-end lays its panel out from.
const PanelTemplate& PanelTemplateOf(Winding winding);

// The template font, "MS Sans Serif" 8 points, is about 11 pixels high.
inline constexpr int kTemplateFontPixels = 11;

// A panel in projector mode on a screen of `screenLines`, whose window may be `room` pixels
// high: its layout grows as its text does (ProjectorScale), but no taller than the room; its
// text keeps the projector's least size even where the layout could not grow that far.
struct PanelScale {
    double layout = 1;
    int textPixels = kTemplateFontPixels;
};
PanelScale ProjectorPanelScale(Winding winding, int screenLines, int room);

// Where control `index` of a template lies, in pixels. An up/down control sits against the
// right edge of the angle field before it, at the field's height, and the field gives up
// that width to it.
Rect ControlPixels(const PanelTemplate& layout, std::size_t index);

// What kind of control a role is shown with; a template control without a role is a
// group box.
enum class ControlKind {
    GroupBox,
    CheckBox,
    RadioButton,
    PictureFrame,
    AngleField,
    UpDown,
    Trackbar,
    Label
};
ControlKind KindOf(const std::optional<PanelControl>& role);

// The phase 1..3 a check box, picture frame, angle field or up/down control belongs to; 0
// for the other controls.
int PhaseOf(PanelControl control);
// The waveform code of a radio button, as the record carries it.
int WaveformOf(PanelControl control);
// The trackbar a slider control stands for.
std::optional<PanelSlider> SliderOf(PanelControl control);

// The name of a control after the panel member it stands for ("phase1Check", "sinus",
// "frequencySlider"...), so tests and tools find it on every front-end.
const char* ControlName(PanelControl control);

}  // namespace vireflu
