#include "shell/main_menu.h"

#include "simulation/display_commands.h"

namespace vireflu {

namespace {

constexpr int Arg(Presentation p) {
    return static_cast<int>(p);
}
constexpr int Arg(ColourMapKind k) {
    return static_cast<int>(k);
}

using M = MenuCommand;

// A separator line stands above "&Quitter".
constexpr MenuItem kGeneral[] = {{"&Exporter l'animation...", M::ExportAnimation},
                                 {"&Quitter", M::Quit, 0, true}};
constexpr MenuItem kPresentation[] = {
    {"Entrefer:couleur", M::Presentation, Arg(Presentation::AirGap)},
    {"Vecteur", M::Presentation, Arg(Presentation::Vector)},
    {"Trace", M::Presentation, Arg(Presentation::Trace)},
    {"Forces magnéto-motrices", M::Presentation, Arg(Presentation::MagnetomotiveForces)},
    {"Couple", M::Presentation, Arg(Presentation::Torque)},
};
constexpr MenuItem kView[] = {{"&Stator", M::OpenStator}, {"&Rotor", M::OpenRotor}};
constexpr MenuItem kColour[] = {
    {"Bleu Noir Rouge", M::ColourMap, Arg(ColourMapKind::BlueBlackRed)},
    {"Vert NoirRouge", M::ColourMap, Arg(ColourMapKind::GreenBlackRed)},
    {"CAO", M::ColourMap, Arg(ColourMapKind::Cao)},
};
constexpr MenuItem kHelp[] = {{"&A propos de Vireflu...", M::About}};

constexpr Menu kMenus[] = {
    {"&Général", kGeneral}, {"&Représentation", kPresentation},
    {"&Vue", kView},        {"&Couleur", kColour},
    {"&?", kHelp},
};

constexpr const char* kAboutLines[] = {"Vireflu version 2.0", "Simulateur pédagogique, 2026",
                                       "Le champ tournant des machines triphasées"};

}  // namespace

std::span<const Menu> MainMenus() {
    return kMenus;
}

std::span<const char* const> AboutLines() {
    return kAboutLines;
}

}  // namespace vireflu
