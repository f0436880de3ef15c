#pragma once

#include <array>
#include <string>

#include "machine/induction_circuit.h"
#include "machine/winding_design.h"
#include "shell/interface_text.h"

namespace vireflu {

// "Bobinage": the stator's winding as a user chooses it, four lists of whole numbers.
inline constexpr const char* kWindingTitle = VIREFLU_UI_TEXT("Winding", "Bobinage");
inline constexpr const char* kSlotStarTitle = VIREFLU_UI_TEXT("Winding", "Étoile des encoches");

// A switch below the lists: a squirrel cage in place of the fed rotor.
inline constexpr const char* kCageLabel = VIREFLU_UI_TEXT("Winding", "Rotor à cage");
inline constexpr const char* kCageTip =
    VIREFLU_UI_TEXT("Winding",
                    "Les courants du rotor ne sont plus imposés : le glissement les induit, "
                    "comme dans un moteur asynchrone.");

// With a cage: the rotor free to find its speed, under a constant load torque.
inline constexpr const char* kFreeLabel = VIREFLU_UI_TEXT("Winding", "Rotor libre");
inline constexpr const char* kFreeTip =
    VIREFLU_UI_TEXT("Winding",
                    "Le rotor part de la fréquence de rotation du panneau Rotor et trouve sa "
                    "vitesse : J dω/dt = C - Cr.");
inline constexpr const char* kLoadLabel = VIREFLU_UI_TEXT("Winding", "Couple de charge (N·m)");

inline constexpr const char* kCircuitTitle =
    VIREFLU_UI_TEXT("Winding", "Schéma équivalent d'une phase : R1, X1, XM, X2, R2/g");

// The cage's equivalent circuit as "Bobinage" edits it: each value's label, its member and
// its range (R2, X1, X2 and XM above their minimum).
struct CircuitField {
    const char* label;
    double EquivalentCircuit::*value;
    double minimum;
    double maximum;
};
inline constexpr std::array<CircuitField, 6> kCircuitFields{{
    {"R1 (Ω)", &EquivalentCircuit::r1, 0, kMaxOhms},
    {"X1 (Ω)", &EquivalentCircuit::x1, 0, kMaxOhms},
    {"R2 (Ω)", &EquivalentCircuit::r2, 0, kMaxOhms},
    {"X2 (Ω)", &EquivalentCircuit::x2, 0, kMaxOhms},
    {"XM (Ω)", &EquivalentCircuit::xm, 0, kMaxOhms},
    {VIREFLU_UI_TEXT("Winding", "Tension composée (V)"), &EquivalentCircuit::lineVoltage, 1,
     kMaxLineVoltage},
}};

enum class WindingValue { PolePairs, SlotsPerPolePerPhase, CoilPitch, CutPhase };

// One list: its label (context "Winding"), what it is for, its range and the value shown.
// The value `minimum` of the cut phase reads `noneText`.
struct WindingControl {
    WindingValue value;
    const char* label;
    const char* tip;
    int minimum;
    int maximum;
    int current;
    const char* noneText = nullptr;
};

std::array<WindingControl, 4> WindingControls(const WindingDesign& design);

// The winding after the user chose `chosen` for `value`, held in range. A full-pitch winding
// stays full pitch when q changes; a shorter pitch stays as it is, as far as the new full
// pitch allows.
WindingDesign WithWindingValue(WindingDesign design, WindingValue value, int chosen);

// "24 encoches, 4 pôles, pas 5/6" in the user's language.
std::string WindingSummary(const WindingDesign& design, const Translate& translate);

}  // namespace vireflu
