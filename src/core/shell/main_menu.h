#pragma once

#include <span>

namespace vireflu {

// What a menu item does; the argument of a presentation or colour-map command is its
// Presentation or ColourMapKind, as an int.
enum class MenuCommand {
    ExportAnimation,
    Quit,
    Presentation,
    OpenStator,
    OpenRotor,
    ColourMap,
    About
};

struct MenuItem {
    const char* text;  // UTF-8, with its "&" mnemonic
    MenuCommand command;
    int argument = 0;
    bool separatorBefore = false;
};

struct Menu {
    const char* title;
    std::span<const MenuItem> items;
};

// Menu 128, left to right, which every front-end builds its menu bar from.
std::span<const Menu> MainMenus();

// The command bar's buttons; the animation button reads kStopCaption while the clock runs.
inline constexpr const char* kResetCaption = "&Initialisation";
inline constexpr const char* kAnimationCaption = "&Animation";
inline constexpr const char* kStopCaption = "&Stop";

// The about box: its title and its three lines.
inline constexpr const char* kAboutTitle = "A propos de Vireflu";
std::span<const char* const> AboutLines();

}  // namespace vireflu
