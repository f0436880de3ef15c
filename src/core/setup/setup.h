#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "machine/clock.h"
#include "machine/display_commands.h"
#include "machine/simulation_state.h"

namespace vireflu {

// The ranges of the panels' values.
constexpr int kMaxHz = 100;
constexpr int kMaxDeg = 360;
constexpr int kMaxTicks = 10'000'000;

// A setting's value and the name setups and the command line give it.
template <typename T>
struct Named {
    const char* name;
    T value;
};

inline constexpr Named<Presentation> kPresentationNames[] = {
    {"entrefer", Presentation::AirGap}, {"vecteur", Presentation::Vector},
    {"trace", Presentation::Trace},     {"fmm", Presentation::MagnetomotiveForces},
    {"couple", Presentation::Torque},
};
inline constexpr Named<ColourMapKind> kColourMapNames[] = {
    {"bleu-noir-rouge", ColourMapKind::BlueBlackRed},
    {"vert-noir-rouge", ColourMapKind::GreenBlackRed},
    {"cao", ColourMapKind::Cao},
    {"bleu-blanc-orange", ColourMapKind::BlueWhiteOrange},
};
inline constexpr Named<int> kStatorWaveformNames[] = {
    {"sinus", kWaveformSinus},
    {"continu", kWaveformContinu},
    {"rectangulaire", kWaveformRectangulaire},
};
// The rotor panel has no "rectangulaire" button.
inline constexpr Named<int> kRotorWaveformNames[] = {
    {"sinus", kWaveformSinus},
    {"continu", kWaveformContinu},
};
// The "Cadence" menu's paces, as the clock's timer period.
inline constexpr Named<int> kPaceNames[] = {
    {"x1/4", 4 * kTickPeriodMs}, {"x1/2", 2 * kTickPeriodMs}, {"x1", kTickPeriodMs},
    {"x2", kTickPeriodMs / 2},   {"x4", kTickPeriodMs / 4},
};

// What a user sets in one panel, phase 1 first. The rotation and the initial position exist
// only on the rotor panel.
struct WindingSetup {
    int phases = 0;
    std::array<int, 3> anglesDeg{0, 0, 0};
    int frequencyHz = 50;
    // Only set when chosen: a panel whose phase 1 is off offers no waveform at all.
    std::optional<int> waveform;
    int rotationHz = 0;
    int initialPositionDeg = 0;
};

// Why a panel could not show this waveform with this many phases ("continu needs 1 phase"),
// or nothing when it can.
std::optional<std::string> WaveformRule(const WindingSetup& winding);

// Everything a teacher prepares: both panels, the display, the windows open, and the clock.
struct Setup {
    WindingSetup stator;
    WindingSetup rotor;
    Presentation presentation = Presentation::AirGap;
    ColourMapKind colourMap = ColourMapKind::BlueBlackRed;
    bool projection = false;
    bool sequences = false;
    int pacePeriodMs = kTickPeriodMs;
    bool statorWindow = false;
    bool rotorWindow = false;
    bool measuresWindow = false;
    bool windingWindow = false;  // "Bobinage"
    int ticks = 0;               // since the clock's zero
    bool running = false;
    WindingDesign winding;  // written only when it is not the teaching machine's
    CageRotor cage;         // written only when the rotor is a cage
};

}  // namespace vireflu
