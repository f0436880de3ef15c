#pragma once

#include <QRect>
#include <optional>
#include <span>

#include "panels/panel_model.h"

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
inline QRect DialogRectToPixels(const DialogRect& r) {
    const int left = DialogUnitsToPixelsX(r.x);
    const int top = DialogUnitsToPixelsY(r.y);
    return QRect(left, top, DialogUnitsToPixelsX(r.x + r.width) - left,
                 DialogUnitsToPixelsY(r.y + r.height) - top);
}

// One control of a panel template. Its role names the model control it shows; a control
// without a role is a "phase" group box, decoration only.
struct TemplateControl {
    std::optional<vireflu::PanelControl> role;
    const char* text;  // UTF-8; labels take their text from the model
    DialogRect rect;
};

// A panel's template: caption, client size and controls in template order, which is also
// the tab order and pairs each up/down control with the field before it.
struct PanelTemplate {
    vireflu::Winding winding;
    const char* caption;
    int width;   // dialog units
    int height;  // dialog units
    std::span<const TemplateControl> controls;
};
