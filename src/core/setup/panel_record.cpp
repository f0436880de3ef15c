#include "setup/panel_record.h"

namespace vireflu {

WindingSettings RecordOf(Winding winding, const WindingSetup& wanted) {
    WindingSettings record;
    record.phase1On = wanted.phases >= 1 ? 1 : 0;
    record.phase2On = wanted.phases >= 2 ? 1 : 0;
    record.phase3On = wanted.phases >= 3 ? 1 : 0;
    record.phase1AngleDeg = wanted.anglesDeg[0];
    record.phase2AngleDeg = wanted.anglesDeg[1];
    record.phase3AngleDeg = wanted.anglesDeg[2];
    record.frequencyHz = wanted.frequencyHz;
    if (winding == Winding::Rotor) {
        record.rotationHz = wanted.rotationHz;
        record.initialPositionDeg = wanted.initialPositionDeg;
    }
    const bool sixStep = wanted.waveform == kWaveformRectangulaire && winding == Winding::Stator;
    if (wanted.phases > 0)
        record.waveform =
            sixStep || wanted.waveform == kWaveformContinu ? *wanted.waveform : kWaveformSinus;
    return record;
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
