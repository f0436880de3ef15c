#include "panels/panel_model.h"

#include <algorithm>
#include <cctype>

#include "shell/interface_text.h"

namespace vireflu {

namespace {

constexpr int kMaxAngle = 360;

std::string Label(const char* prefix, int position, const char* suffix) {
    return prefix + std::to_string(position) + suffix;
}

PanelReaction RedrawAndSend() {
    return PanelReaction{true, true};
}

}  // namespace

bool IsAngleFieldText(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || (c >= '0' && c <= '9'); });
}

const char* const kAngleHeldHint = VIREFLU_UI_TEXT("Panel", "Angle limité à 360°");

bool IsAngleAboveRange(const std::string& text) {
    return PanelModel::TextValue(text) > kMaxAngle;
}

PanelModel::PanelModel(Winding w) : winding(w) {
    using C = PanelControl;
    const bool rotor = winding == Winding::Rotor;
    Enable(C::Phase2Check, false);
    Enable(C::Phase3Check, false);
    EnableWaveforms(false);
    for (int phase = 1; phase <= 3; ++phase) {
        ShowAngleControls(phase, false);
        ShowFrame(phase, false);
    }
    Show(C::FrequencySlider, false);
    // The stator's empty frequency label stays in place; the rotor's is hidden.
    Show(C::FrequencyLabel, !rotor);
    if (rotor) {
        rotationLabel = Label("fréquence de rotation: ", 0, " Hz");
        initialPositionLabel = Label("position initiale: ", 0, " degré");
    } else {
        Show(C::RotationSlider, false);
        Show(C::RotationLabel, false);
        Show(C::PositionSlider, false);
        Show(C::PositionLabel, false);
    }
}

PanelModel::PanelModel(Winding w, const WindingSettings& record) : PanelModel(w) {
    SetPhaseFlags({record.phase1On, record.phase2On, record.phase3On});
    const std::array<int, 3> angles{record.phase1AngleDeg, record.phase2AngleDeg,
                                    record.phase3AngleDeg};
    for (int phase = 1; phase <= 3; ++phase) {
        auto p = PhaseMembers(*this, phase);
        p.angleDeg = angles[static_cast<std::size_t>(phase - 1)];
        p.angleText = std::to_string(p.angleDeg);
    }
    frequencyHz = frequencyPosition = record.frequencyHz;
    if (winding == Winding::Rotor) {
        rotationHz = rotationPosition = record.rotationHz;
        initialPositionDeg = initialPositionPosition = record.initialPositionDeg;
        rotationLabel = Label("fréquence de rotation: ", rotationHz, " Hz");
        initialPositionLabel = Label("position initiale: ", initialPositionDeg, " degré");
    }
    if (!phase1On) return;
    waveform = record.waveform;
    RefreshFrequency();
    ShowSwitchedOn();
}

void PanelModel::ShowSwitchedOn() {
    using C = PanelControl;
    EnableWaveforms(true);
    const bool sinus = waveform == kWaveformSinus;
    Enable(C::Phase2Check, sinus);
    Enable(C::Phase3Check, sinus && phase2On);
    for (int phase = 1; phase <= 3; ++phase) {
        ShowFrame(phase, PhaseOn(phase) != 0);
        ShowAngleControls(phase, sinus && PhaseOn(phase) != 0);
    }
    ShowFrequency(waveform != kWaveformContinu);
}

bool PanelModel::Has(PanelControl control) const {
    using C = PanelControl;
    if (winding == Winding::Stator)
        return control != C::RotationSlider && control != C::RotationLabel &&
               control != C::PositionSlider && control != C::PositionLabel;
    return control != C::Rectangulaire;
}

const ControlState& PanelModel::State(PanelControl control) const {
    return controls[static_cast<std::size_t>(control)];
}

ControlState& PanelModel::Mutable(PanelControl control) {
    return controls[static_cast<std::size_t>(control)];
}

void PanelModel::Enable(PanelControl control, bool enabled) {
    Mutable(control).enabled = enabled;
}
void PanelModel::Show(PanelControl control, bool visible) {
    Mutable(control).visible = visible;
}

int PanelModel::PhaseOn(int phase) const {
    return PhaseMembers(*this, phase).on;
}

const std::string& PanelModel::AngleText(int phase) const {
    return PhaseMembers(*this, phase).angleText;
}

int PanelModel::AngleDeg(int phase) const {
    return PhaseMembers(*this, phase).angleDeg;
}

const std::string& PanelModel::LabelText(PanelControl label) const {
    if (label == PanelControl::RotationLabel) return rotationLabel;
    if (label == PanelControl::PositionLabel) return initialPositionLabel;
    return frequencyLabel;
}

int PanelModel::SliderPosition(PanelSlider slider) const {
    switch (slider) {
        case PanelSlider::Frequency:
            return frequencyPosition;
        case PanelSlider::Rotation:
            return rotationPosition;
        case PanelSlider::InitialPosition:
            return initialPositionPosition;
    }
    return 0;
}

int PanelModel::SliderMaximum(PanelSlider slider) {
    return slider == PanelSlider::InitialPosition ? kMaxAngle : 100;
}

void PanelModel::SetPhaseFlags(const std::array<int, 3>& on) {
    phase1On = on[0];
    phase2On = on[1];
    phase3On = on[2];
}

void PanelModel::ShowAngleControls(int phase, bool visible) {
    const int offset = phase - 1;
    Show(static_cast<PanelControl>(static_cast<int>(PanelControl::Phase1Field) + offset), visible);
    Show(static_cast<PanelControl>(static_cast<int>(PanelControl::Phase1Spin) + offset), visible);
}

void PanelModel::ShowFrame(int phase, bool visible) {
    Show(static_cast<PanelControl>(static_cast<int>(PanelControl::Phase1Frame) + phase - 1),
         visible);
}

void PanelModel::ShowFrequency(bool visible) {
    Show(PanelControl::FrequencySlider, visible);
    Show(PanelControl::FrequencyLabel, visible);
}

void PanelModel::EnableWaveforms(bool enabled) {
    Enable(PanelControl::Sinus, enabled);
    Enable(PanelControl::Continu, enabled);
    Enable(PanelControl::Rectangulaire, enabled && winding == Winding::Stator);
}

void PanelModel::RefreshFrequency() {
    frequencyHz = frequencyPosition;
    frequencyLabel =
        Label(winding == Winding::Stator ? "fréquence stator: " : "fréquence rotor: ", frequencyHz,
              " Hz");
}

PanelReaction PanelModel::OnPhaseClicked(int phase, bool checked) {
    using C = PanelControl;
    PhaseMembers(*this, phase).on = checked ? 1 : 0;
    if (phase == 1) {
        if (phase1On) {
            // Switching phase 1 on always lands in "sinus" with phases 2 and 3 off.
            EnableWaveforms(true);
            waveform = kWaveformSinus;
            Enable(C::Phase2Check, true);
            ShowFrequency(true);
            RefreshFrequency();
            ShowFrame(1, true);
            ShowAngleControls(1, true);
        } else {
            waveform = kWaveformNone;
            phase2On = 0;
            phase3On = 0;
            Enable(C::Phase2Check, false);
            Enable(C::Phase3Check, false);
            EnableWaveforms(false);
            for (int p = 1; p <= 3; ++p) {
                ShowFrame(p, false);
                ShowAngleControls(p, false);
            }
            ShowFrequency(false);
        }
    } else if (phase == 2) {
        if (phase2On) {
            Enable(C::Phase3Check, true);
            ShowFrame(2, true);
            ShowAngleControls(2, true);
        } else {
            Enable(C::Phase3Check, false);
            phase3On = 0;
            for (int p = 2; p <= 3; ++p) {
                ShowFrame(p, false);
                ShowAngleControls(p, false);
            }
        }
    } else {
        ShowFrame(3, phase3On != 0);
        ShowAngleControls(3, phase3On != 0);
    }
    return RedrawAndSend();
}

PanelReaction PanelModel::OnSinusClicked() {
    if (winding == Winding::Stator && waveform == kWaveformRectangulaire) {
        phase2On = 0;
        phase3On = 0;
        ShowFrame(2, false);
        ShowFrame(3, false);
    }
    waveform = kWaveformSinus;
    Enable(PanelControl::Phase2Check, true);
    ShowAngleControls(1, true);
    ShowFrequency(true);
    RefreshFrequency();
    return RedrawAndSend();
}

PanelReaction PanelModel::OnContinuClicked() {
    waveform = kWaveformContinu;
    Enable(PanelControl::Phase2Check, false);
    Enable(PanelControl::Phase3Check, false);
    for (int p = 1; p <= 3; ++p) ShowAngleControls(p, false);
    phase3On = 0;
    phase2On = 0;
    ShowFrame(2, false);
    ShowFrame(3, false);
    ShowFrequency(false);
    return RedrawAndSend();
}

PanelReaction PanelModel::OnRectangulaireClicked() {
    if (winding != Winding::Stator) return PanelReaction{};
    waveform = kWaveformRectangulaire;
    Enable(PanelControl::Phase2Check, false);
    Enable(PanelControl::Phase3Check, false);
    for (int p = 1; p <= 3; ++p) ShowAngleControls(p, false);
    phase3On = 1;
    phase2On = 1;
    ShowFrame(2, true);
    ShowFrame(3, true);
    ShowFrequency(true);
    return RedrawAndSend();
}

int PanelModel::TextValue(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Held well inside the int range: any value past 360 is clamped by the caller anyway.
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(value * 10 + (text[i] - '0'), 1000000L);
    return static_cast<int>(negative ? -value : value);
}

void PanelModel::ClampAngle(int phase) {
    auto p = PhaseMembers(*this, phase);
    if (p.angleDeg < 0) {
        p.angleDeg = 0;
        p.angleText = std::to_string(p.angleDeg);
    }
    if (p.angleDeg > kMaxAngle) {
        p.angleDeg = kMaxAngle;
        p.angleText = std::to_string(p.angleDeg);
    }
}

PanelReaction PanelModel::OnPhaseAngleChange(int phase, const std::string& text) {
    auto p = PhaseMembers(*this, phase);
    p.angleText = text;
    p.angleDeg = TextValue(text);
    ClampAngle(phase);
    return RedrawAndSend();
}

PanelReaction PanelModel::StepAngle(int phase, int delta) {
    const int current = TextValue(AngleText(phase));
    const int stepped = std::clamp(current + delta, 0, kMaxAngle);
    // At either end the control writes nothing into the field, so nothing changes or is sent.
    if (stepped == current) return PanelReaction{};
    return OnPhaseAngleChange(phase, std::to_string(stepped));
}

PanelReaction PanelModel::OnHScroll(PanelSlider slider, int position) {
    const int held = std::clamp(position, 0, SliderMaximum(slider));
    if (slider == PanelSlider::Frequency) frequencyPosition = held;
    if (winding == Winding::Rotor && slider == PanelSlider::Rotation) rotationPosition = held;
    if (winding == Winding::Rotor && slider == PanelSlider::InitialPosition)
        initialPositionPosition = held;
    RefreshFrequency();
    if (winding == Winding::Rotor) {
        rotationHz = rotationPosition;
        rotationLabel = Label("fréquence de rotation: ", rotationHz, " Hz");
        initialPositionDeg = initialPositionPosition;
        initialPositionLabel = Label("position initiale: ", initialPositionDeg, " degré");
    }
    return PanelReaction{false, true};
}

WindingSettings PanelModel::Record() const {
    WindingSettings record;
    record.phase1On = phase1On;
    record.phase2On = phase2On;
    record.phase3On = phase3On;
    record.phase1AngleDeg = phase1AngleDeg;
    record.phase2AngleDeg = phase2AngleDeg;
    record.phase3AngleDeg = phase3AngleDeg;
    record.frequencyHz = frequencyHz;
    // The stator leaves these two unset; the main window never reads them for it.
    record.rotationHz = winding == Winding::Rotor ? rotationHz : 0;
    record.initialPositionDeg = winding == Winding::Rotor ? initialPositionDeg : 0;
    record.waveform = waveform;
    return record;
}

}  // namespace vireflu
