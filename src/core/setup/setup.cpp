#include "setup/setup.h"

namespace vireflu {

std::optional<std::string> WaveformRule(const WindingSetup& winding) {
    if (!winding.waveform) return std::nullopt;
    if (winding.phases == 0)
        return "needs phase 1 on: the panel offers no waveform while phase 1 is off";
    if (*winding.waveform == kWaveformContinu && winding.phases != 1)
        return "continu needs 1 phase: \"continu\" switches phases 2 and 3 off";
    if (*winding.waveform == kWaveformRectangulaire && winding.phases != 3)
        return "rectangulaire needs 3 phases: \"rectangulaire\" switches all three phases on";
    return std::nullopt;
}

}  // namespace vireflu
