#pragma once

#include <span>

#include "machine/clock.h"
#include "shell/interface_text.h"

namespace vireflu {

// What a menu item does; the argument of a presentation or colour-map command is its
// Presentation or ColourMapKind, as an int.
enum class MenuCommand {
    OpenSetup,
    SaveSetup,
    SaveSetupAs,
    CopyLink,  // the page's own: its address holds the setup
    ExportAnimation,
    Quit,
    Presentation,
    OpenStator,
    OpenRotor,
    ColourMap,
    About,
    OpenMeasures,
    OpenWinding,  // "Bobinage"
    Pace,         // argument: the timer's period in milliseconds
    Projection,   // checked: the projector mode is on
    Annotations,  // checked: the phases, clock, field's sense and colour scale over the view
    Legend,       // checked: the torque bar's and the colour scale's words alone
    Shortcuts,    // the list of keys
    Conventions,  // how signs, senses and sequences are counted
    Undo,
    Redo,
    ResetAll,  // back to the start: the panels, the display and the windows as at start-up
};

// The command's name where a front-end names commands (the page's "openSetup", ...).
const char* CommandName(MenuCommand command);

// How an item shows a state: not at all, as a check mark of its own, or as the one
// checked item among those of the same command (the paces).
enum class MenuCheck { None, Toggle, OneOf };

// Which front-ends show an item: a page has its address instead of files named and cannot
// close itself; the desktop has no address to copy.
enum class MenuPlace { Both, Desktop, Page };

struct MenuItem {
    const char* text;  // UTF-8, with its "&" mnemonic
    MenuCommand command;
    int argument = 0;
    bool separatorBefore = false;
    MenuCheck check = MenuCheck::None;
    bool checkedAtStart = false;
    const char* shortcut = nullptr;  // as Qt writes it: "Ctrl+O"
    MenuPlace place = MenuPlace::Both;
};

struct Menu {
    const char* title;
    std::span<const MenuItem> items;
};

// Menu 128, left to right, which every front-end builds its menu bar from.
std::span<const Menu> MainMenus();

// The command bar's buttons; the animation button reads kStopCaption while the clock runs.
inline constexpr const char* kResetCaption = VIREFLU_UI_TEXT("CommandBar", "&Initialisation");
inline constexpr const char* kAnimationCaption = VIREFLU_UI_TEXT("CommandBar", "&Animation");
inline constexpr const char* kStopCaption = VIREFLU_UI_TEXT("CommandBar", "&Stop");

// The about box: its title and its three lines.
inline constexpr const char* kAboutTitle = VIREFLU_UI_TEXT("AboutBox", "A propos de Vireflu");
std::span<const char* const> AboutLines();

// "Raccourcis clavier": the keys that act in every window, one line each.
inline constexpr const char* kShortcutsTitle = VIREFLU_UI_TEXT("Shortcuts", "Raccourcis clavier");
struct ShortcutLine {
    const char* text;
    // Ctrl+Q and Ctrl+Shift+S: a page cannot close itself, and its files are downloads.
    bool desktopOnly;
};
std::span<const ShortcutLine> ShortcutLines();

// "Conventions de signe": how every figure shown is signed and what the angles mean.
inline constexpr const char* kConventionsTitle =
    VIREFLU_UI_TEXT("Conventions", "Conventions de signe");
std::span<const char* const> ConventionLines();

}  // namespace vireflu
