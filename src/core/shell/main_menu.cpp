#include "shell/main_menu.h"

#include "build_info.h"
#include "machine/display_commands.h"
#include "shell/interface_text.h"

namespace vireflu {

namespace {

constexpr int Arg(Presentation p) {
    return static_cast<int>(p);
}
constexpr int Arg(ColourMapKind k) {
    return static_cast<int>(k);
}

using M = MenuCommand;

// A separator line stands above "&Quitter". The setup commands come first.
constexpr MenuItem kGeneral[] = {
    {VIREFLU_UI_TEXT("Menu", "&Ouvrir..."), M::OpenSetup, 0, false, MenuCheck::None, false,
     "Ctrl+O"},
    {VIREFLU_UI_TEXT("Menu", "&Enregistrer..."), M::SaveSetup, 0, false, MenuCheck::None, false,
     "Ctrl+S"},
    {VIREFLU_UI_TEXT("Menu", "Enregistrer &sous..."), M::SaveSetupAs, 0, false, MenuCheck::None,
     false, "Ctrl+Shift+S", MenuPlace::Desktop},
    {VIREFLU_UI_TEXT("Menu", "Copier le &lien"), M::CopyLink, 0, false, MenuCheck::None, false,
     nullptr, MenuPlace::Page},
    {VIREFLU_UI_TEXT("Menu", "E&xporter l'animation..."), M::ExportAnimation},
    {VIREFLU_UI_TEXT("Menu", "&Quitter"), M::Quit, 0, true, MenuCheck::None, false, nullptr,
     MenuPlace::Desktop}};
constexpr MenuItem kEdit[] = {
    {VIREFLU_UI_TEXT("Menu", "&Annuler"), M::Undo, 0, false, MenuCheck::None, false, "Ctrl+Z"},
    {VIREFLU_UI_TEXT("Menu", "&Rétablir"), M::Redo, 0, false, MenuCheck::None, false,
     "Ctrl+Shift+Z"},
    {VIREFLU_UI_TEXT("Menu", "Tout réi&nitialiser"), M::ResetAll, 0, true},
};
constexpr MenuItem kPresentation[] = {
    {VIREFLU_UI_TEXT("Menu", "Entrefer:couleur"), M::Presentation, Arg(Presentation::AirGap)},
    {VIREFLU_UI_TEXT("Menu", "Vecteur"), M::Presentation, Arg(Presentation::Vector)},
    {VIREFLU_UI_TEXT("Menu", "Trace"), M::Presentation, Arg(Presentation::Trace)},
    {VIREFLU_UI_TEXT("Menu", "Forces magnéto-motrices"), M::Presentation,
     Arg(Presentation::MagnetomotiveForces)},
    {VIREFLU_UI_TEXT("Menu", "Couple"), M::Presentation, Arg(Presentation::Torque)},
};
// The paces change only the timer's period; "x1" is the program's own tick.
constexpr MenuItem kView[] = {
    {VIREFLU_UI_TEXT("Menu", "&Stator"), M::OpenStator},
    {VIREFLU_UI_TEXT("Menu", "&Rotor"), M::OpenRotor},
    {VIREFLU_UI_TEXT("Menu", "&Mesures"), M::OpenMeasures},
    {VIREFLU_UI_TEXT("Menu", "&Bobinage"), M::OpenWinding},
    {VIREFLU_UI_TEXT("Menu", "Annotations"), M::Annotations, 0, false, MenuCheck::Toggle},
    {VIREFLU_UI_TEXT("Menu", "Lé&gende"), M::Legend, 0, false, MenuCheck::Toggle},
    {VIREFLU_UI_TEXT("Menu", "Cadence x1/4"), M::Pace, 4 * kTickPeriodMs, true, MenuCheck::OneOf},
    {VIREFLU_UI_TEXT("Menu", "Cadence x1/2"), M::Pace, 2 * kTickPeriodMs, false, MenuCheck::OneOf},
    {VIREFLU_UI_TEXT("Menu", "Cadence x1"), M::Pace, kTickPeriodMs, false, MenuCheck::OneOf, true},
    {VIREFLU_UI_TEXT("Menu", "Cadence x2"), M::Pace, kTickPeriodMs / 2, false, MenuCheck::OneOf},
    {VIREFLU_UI_TEXT("Menu", "Cadence x4"), M::Pace, kTickPeriodMs / 4, false, MenuCheck::OneOf},
};
constexpr MenuItem kColour[] = {
    {VIREFLU_UI_TEXT("Menu", "Bleu Noir Rouge"), M::ColourMap, Arg(ColourMapKind::BlueBlackRed)},
    {VIREFLU_UI_TEXT("Menu", "Vert NoirRouge"), M::ColourMap, Arg(ColourMapKind::GreenBlackRed)},
    {VIREFLU_UI_TEXT("Menu", "CAO"), M::ColourMap, Arg(ColourMapKind::Cao)},
    {VIREFLU_UI_TEXT("Menu", "Bleu Blanc Orange"), M::ColourMap,
     Arg(ColourMapKind::BlueWhiteOrange)},
    {VIREFLU_UI_TEXT("Menu", "Projection"), M::Projection, 0, true, MenuCheck::Toggle},
};
constexpr MenuItem kHelp[] = {{VIREFLU_UI_TEXT("Menu", "Raccourcis &clavier"), M::Shortcuts},
                              {VIREFLU_UI_TEXT("Menu", "Conventions de &signe"), M::Conventions},
                              {VIREFLU_UI_TEXT("Menu", "&A propos de Vireflu..."), M::About}};

constexpr Menu kMenus[] = {
    {VIREFLU_UI_TEXT("Menu", "&Général"), kGeneral},
    {VIREFLU_UI_TEXT("Menu", "É&dition"), kEdit},
    {VIREFLU_UI_TEXT("Menu", "&Représentation"), kPresentation},
    {VIREFLU_UI_TEXT("Menu", "&Vue"), kView},
    {VIREFLU_UI_TEXT("Menu", "&Couleur"), kColour},
    {VIREFLU_UI_TEXT("Menu", "&?"), kHelp},
};

// The version line reads the same in every language.
constexpr char kVersionLine[] = "Vireflu version " VIREFLU_VERSION_TEXT;
constexpr const char* kAboutLines[] = {
    kVersionLine,
    VIREFLU_UI_TEXT("AboutBox", "Simulateur pédagogique, 2026"),
    VIREFLU_UI_TEXT("AboutBox", "Le champ tournant des machines triphasées"),
};

constexpr ShortcutLine kShortcutLines[] = {
    {VIREFLU_UI_TEXT("Shortcuts", "Espace : lancer ou arrêter l'animation"), false},
    {VIREFLU_UI_TEXT("Shortcuts", "Origine : initialisation, l'horloge à zéro"), false},
    {VIREFLU_UI_TEXT("Shortcuts", "F11 : plein écran"), false},
    {VIREFLU_UI_TEXT("Shortcuts", "Ctrl+O, Ctrl+S : ouvrir, enregistrer un réglage"), false},
    {VIREFLU_UI_TEXT("Shortcuts", "Ctrl+Maj+S : enregistrer sous un autre nom"), true},
    {VIREFLU_UI_TEXT("Shortcuts", "Ctrl+Z, Ctrl+Maj+Z : annuler, rétablir"), false},
    {VIREFLU_UI_TEXT("Shortcuts", "Ctrl+Q : quitter"), true},
    {VIREFLU_UI_TEXT("Shortcuts", "Alt + lettre soulignée : menus et boutons"), false},
    {VIREFLU_UI_TEXT("Shortcuts", "Tab, flèches, Entrée, Échap : dans les panneaux"), false},
    {VIREFLU_UI_TEXT("Shortcuts",
                     "Espace et Origine agissent dans chaque fenêtre, sauf dans un champ en cours "
                     "de saisie"),
     false},
};

constexpr const char* kConventionLines[] = {
    VIREFLU_UI_TEXT("Conventions",
                    "Le courant d'une phase vaut sin(ωt + angle) : l'angle est une avance."),
    VIREFLU_UI_TEXT("Conventions",
                    "Séquence directe : les phases culminent dans l'ordre 1, 2, 3, soit les "
                    "angles 0/240/120 ; son champ tourne dans le sens antihoraire."),
    VIREFLU_UI_TEXT("Conventions",
                    "Séquence inverse : 0/120/240, l'ordre 1, 3, 2 ; son champ tourne dans le "
                    "sens horaire."),
    VIREFLU_UI_TEXT("Conventions",
                    "Vitesses, glissements, angles et couples sont positifs dans le sens "
                    "antihoraire, celui où tourne le rotor pour une fréquence de rotation "
                    "positive."),
    VIREFLU_UI_TEXT("Conventions",
                    "Glissement g = (ns - n) / ns avec les vitesses signées : 0 au synchronisme, "
                    "1 à l'arrêt, plus de 1 contre le champ."),
    VIREFLU_UI_TEXT("Conventions",
                    "La barre de couple monte pour un couple horaire et descend pour un couple "
                    "antihoraire."),
    VIREFLU_UI_TEXT("Conventions",
                    "L'harmonique n des courants fait un champ qui tourne n fois plus vite que "
                    "le fondamental : 5 et 11 contre lui, 7 et 13 avec lui."),
};

}  // namespace

std::span<const char* const> ConventionLines() {
    return kConventionLines;
}

std::span<const ShortcutLine> ShortcutLines() {
    return kShortcutLines;
}

std::span<const Menu> MainMenus() {
    return kMenus;
}

std::span<const char* const> AboutLines() {
    return kAboutLines;
}

const char* CommandName(MenuCommand command) {
    using M = MenuCommand;
    switch (command) {
        case M::OpenSetup:
            return "openSetup";
        case M::SaveSetup:
            return "saveSetup";
        case M::SaveSetupAs:
            return "saveSetupAs";
        case M::CopyLink:
            return "copyLink";
        case M::ExportAnimation:
            return "exportAnimation";
        case M::Quit:
            return "quit";
        case M::Presentation:
            return "presentation";
        case M::OpenStator:
            return "openStator";
        case M::OpenRotor:
            return "openRotor";
        case M::ColourMap:
            return "colourMap";
        case M::About:
            return "about";
        case M::OpenMeasures:
            return "openMeasures";
        case M::OpenWinding:
            return "openWinding";
        case M::Pace:
            return "pace";
        case M::Projection:
            return "projection";
        case M::Annotations:
            return "annotations";
        case M::Legend:
            return "legend";
        case M::Shortcuts:
            return "shortcuts";
        case M::Conventions:
            return "conventions";
        case M::Undo:
            return "undo";
        case M::Redo:
            return "redo";
        case M::ResetAll:
            return "resetAll";
    }
    return "";
}

}  // namespace vireflu
