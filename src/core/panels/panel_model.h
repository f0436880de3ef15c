#pragma once

#include <array>
#include <string>

#include "machine/simulation_state.h"

namespace vireflu {

// The controls of a "Stator" or "Rotor" panel whose enabled or visible state the
// handlers change. The rotor has no "rectangulaire" button; only the rotor has the
// rotation and initial-position trackbars.
enum class PanelControl {
    Phase1Check,
    Phase2Check,
    Phase3Check,
    Sinus,
    Continu,
    Rectangulaire,
    Phase1Frame,
    Phase2Frame,
    Phase3Frame,
    Phase1Field,
    Phase2Field,
    Phase3Field,
    Phase1Spin,
    Phase2Spin,
    Phase3Spin,
    FrequencySlider,
    FrequencyLabel,
    RotationSlider,
    RotationLabel,
    PositionSlider,
    PositionLabel,
    Count
};

struct ControlState {
    bool enabled = true;
    bool visible = true;

    friend bool operator==(const ControlState&, const ControlState&) = default;
};

enum class PanelSlider { Frequency, Rotation, InitialPosition };

// An angle field holds at most three characters, digits and spaces only, typed or pasted.
inline constexpr int kAngleFieldLength = 3;
bool IsAngleFieldText(const std::string& text);
// A typed angle above 360 is held at 360; the front-ends say so beside the field.
bool IsAngleAboveRange(const std::string& text);
extern const char* const kAngleHeldHint;

// What a handler asks of the window after it ran: redraw the phase pictures, and send the
// panel's record to the main window.
struct PanelReaction {
    bool redrawPictures = false;
    bool send = false;
};

// A panel's settings and the state of its controls, with the handlers of the user's
// actions. The window layer only shows this state and forwards the user's actions, so
// the twins' behaviour lives here once, free of any toolkit.
class PanelModel {
public:
    explicit PanelModel(Winding winding);
    // A panel showing `record` as the panel that sent it showed it: its values, and its
    // controls as the settings call for (a phase's frame and field show while it is on).
    PanelModel(Winding winding, const WindingSettings& record);

    Winding GetWinding() const { return winding; }
    const ControlState& State(PanelControl control) const;
    bool Has(PanelControl control) const;

    // Check state of phase 1..3 and the checked waveform button (-1: none).
    int PhaseOn(int phase) const;
    int Waveform() const { return waveform; }
    const std::string& AngleText(int phase) const;
    int AngleDeg(int phase) const;
    int SliderPosition(PanelSlider slider) const;
    static int SliderMaximum(PanelSlider slider);
    const std::string& FrequencyLabel() const { return frequencyLabel; }
    const std::string& RotationLabel() const { return rotationLabel; }
    const std::string& InitialPositionLabel() const { return initialPositionLabel; }
    // The text of one of the three labels above.
    const std::string& LabelText(PanelControl label) const;

    // The main window copies the winding's phase switches in before the panel opens.
    void SetPhaseFlags(const std::array<int, 3>& on);

    PanelReaction OnPhaseClicked(int phase, bool checked);
    PanelReaction OnSinusClicked();
    PanelReaction OnContinuClicked();
    PanelReaction OnRectangulaireClicked();  // ignored by the rotor panel
    // The angle field's text changed (typing, or the up/down control).
    PanelReaction OnPhaseAngleChange(int phase, const std::string& text);
    // The up/down control of a field: steps its number by one within 0..360, no wrap; a
    // step past either end changes nothing and sends nothing.
    PanelReaction StepAngle(int phase, int delta);
    PanelReaction OnHScroll(PanelSlider slider, int position);
    PanelReaction OnOK() { return PanelReaction{false, true}; }

    // The record the panel sends: its current values.
    WindingSettings Record() const;

    // The integer value of an angle text, as atoi reads it: leading white space, an
    // optional sign, then the digits up to the first other character.
    static int TextValue(const std::string& text);

private:
    // The three members of one phase, for the handlers that work on "the field's" values.
    template <typename Self>
    static auto PhaseMembers(Self& self, int phase) {
        struct Members {
            decltype((self.phase1On)) on;
            decltype((self.phase1AngleText)) angleText;
            decltype((self.phase1AngleDeg)) angleDeg;
        };
        if (phase == 1) return Members{self.phase1On, self.phase1AngleText, self.phase1AngleDeg};
        if (phase == 2) return Members{self.phase2On, self.phase2AngleText, self.phase2AngleDeg};
        return Members{self.phase3On, self.phase3AngleText, self.phase3AngleDeg};
    }
    ControlState& Mutable(PanelControl control);
    void Enable(PanelControl control, bool enabled);
    void Show(PanelControl control, bool visible);
    void ShowAngleControls(int phase, bool visible);
    void ShowFrame(int phase, bool visible);
    void ShowFrequency(bool visible);
    void EnableWaveforms(bool enabled);
    void RefreshFrequency();
    void ClampAngle(int phase);
    // The controls' enabled and visible states for the present values, phase 1 on.
    void ShowSwitchedOn();

    Winding winding;
    std::array<ControlState, static_cast<std::size_t>(PanelControl::Count)> controls{};
    // The panel's copy of the settings, named and coded as in the record it sends.
    int phase1On = 0;
    int phase2On = 0;
    int phase3On = 0;
    int waveform = kWaveformNone;
    std::string phase1AngleText = "0";
    std::string phase2AngleText = "0";
    std::string phase3AngleText = "0";
    int phase1AngleDeg = 0;
    int phase2AngleDeg = 0;
    int phase3AngleDeg = 0;
    int frequencyHz = 50;
    int rotationHz = 0;
    int initialPositionDeg = 0;
    // Trackbar positions, which the values above copy when the handlers read them.
    int frequencyPosition = 50;
    int rotationPosition = 0;
    int initialPositionPosition = 0;
    std::string frequencyLabel;
    std::string rotationLabel;
    std::string initialPositionLabel;
};

}  // namespace vireflu
