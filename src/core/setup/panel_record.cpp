#include "setup/panel_record.h"

#include <algorithm>
#include <string>

namespace vireflu {

PanelModel PanelSetTo(Winding winding, const WindingSetup& wanted) {
    PanelModel panel(winding);

    // An angle field can only be typed into while its phase is on, and the frequency
    // trackbar only shows while phase 1 is on: switch on as many phases as that needs.
    int opened = wanted.phases;
    for (int phase = 3; phase > opened; --phase)
        if (wanted.anglesDeg[phase - 1] != panel.AngleDeg(phase)) opened = phase;
    const bool frequencyMoves = wanted.frequencyHz != panel.SliderPosition(PanelSlider::Frequency);
    if (frequencyMoves) opened = std::max(opened, 1);

    for (int phase = 1; phase <= opened; ++phase) panel.OnPhaseClicked(phase, true);
    for (int phase = 1; phase <= opened; ++phase) {
        const std::string text = std::to_string(wanted.anglesDeg[phase - 1]);
        if (text != panel.AngleText(phase)) panel.OnPhaseAngleChange(phase, text);
    }
    if (frequencyMoves) panel.OnHScroll(PanelSlider::Frequency, wanted.frequencyHz);
    // Unchecking a phase also unchecks the phases above it; the values typed stay.
    if (opened > wanted.phases) panel.OnPhaseClicked(wanted.phases + 1, false);

    if (wanted.waveform == kWaveformContinu) panel.OnContinuClicked();
    if (wanted.waveform == kWaveformRectangulaire) panel.OnRectangulaireClicked();

    if (winding == Winding::Rotor) {
        if (wanted.rotationHz != panel.SliderPosition(PanelSlider::Rotation))
            panel.OnHScroll(PanelSlider::Rotation, wanted.rotationHz);
        if (wanted.initialPositionDeg != panel.SliderPosition(PanelSlider::InitialPosition))
            panel.OnHScroll(PanelSlider::InitialPosition, wanted.initialPositionDeg);
    }
    return panel;
}

WindingSetup WindingSetupOf(const WindingSettings& record) {
    WindingSetup setup;
    const int on[] = {record.phase1On, record.phase2On, record.phase3On};
    while (setup.phases < 3 && on[setup.phases] != 0) ++setup.phases;
    setup.anglesDeg = {record.phase1AngleDeg, record.phase2AngleDeg, record.phase3AngleDeg};
    setup.frequencyHz = record.frequencyHz;
    if (record.waveform != kWaveformNone) setup.waveform = record.waveform;
    setup.rotationHz = record.rotationHz;
    setup.initialPositionDeg = record.initialPositionDeg;
    return setup;
}

}  // namespace vireflu
