#pragma once

#include <optional>
#include <string>

#include <QByteArray>
#include <QImage>

#include "drawing/raster_surface.h"
#include "render_options.h"
#include "scenario.h"

namespace vireflu {

// The view of the headless run: every frame is drawn into one off-screen image of the
// client size, as the window's Redraw does. It writes the frames the options ask for as
// they are drawn and keeps what the final outputs need of the last one.
class FrameRecorder : public FrameSink {
public:
    explicit FrameRecorder(const RenderOptions& options);

    void Draw(MachineScene& scene, SimulationState& state, int frameNumber) override;

    // The last frame, viewing the recorder's own pixels.
    QImage LastFrame() const;
    // The last frame as SVG, when the output asks for it.
    const QByteArray& LastFrameSvg() const { return lastSvg; }
    // Why a frame file could not be written; no further frame is written after it.
    const std::optional<OptionError>& Failure() const { return failure; }

private:
    void WriteFrame(int frameNumber);

    const RenderOptions& options;
    RasterSurface canvas;
    QByteArray lastSvg;
    std::optional<OptionError> failure;
};

// True when --output names an SVG file (by its extension, in any case).
bool WantsSvg(const RenderOptions& options);

}  // namespace vireflu
