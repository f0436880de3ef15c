#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "drawing/raster_surface.h"
#include "gif_animation.h"
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
    // Ends the animated GIF, when the output asks for one, after the last frame.
    void FinishAnimation();
    const QByteArray& Animation() const { return animationBytes.data(); }
    // Why a frame could not be written; no further frame is written after it.
    const std::optional<OptionError>& Failure() const { return failure; }

private:
    void WriteFrame(int frameNumber);
    void Animate(GifStatus status);

    const RenderOptions& options;
    RasterSurface canvas;
    QByteArray lastSvg;
    QBuffer animationBytes;
    std::unique_ptr<GifAnimationWriter> animation;
    std::optional<OptionError> failure;
};

// True when --output names an SVG file (by its extension, in any case).
bool WantsSvg(const RenderOptions& options);

}  // namespace vireflu
