#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "drawing/raster_surface.h"
#include "gif_device.h"
#include "png_workers.h"
#include "render_options.h"
#include "session/session.h"
#include "setup/setup_scenario.h"

namespace vireflu {

// The view of the headless run: every frame is advanced, as the window's Redraw does, and
// every frame an image output shows is drawn into an off-screen image of the client size. It writes
// the frames the options ask for as they are drawn, into a folder that exists by then, and keeps
// what the final outputs need of the last one.
class FrameRecorder : public FrameSink {
public:
    // `framesFolder`, when given, is where the frame files go; `session` shows the frames.
    FrameRecorder(const RenderOptions& options, std::optional<std::string> framesFolder,
                  Session& session);

    // False once a frame could not be written or encoded, which ends the run.
    bool Draw(SimulationState& state, int frameNumber) override;

    // The last frame, viewing the recorder's own pixels.
    QImage LastFrame() const;
    // The last frame as SVG, when the output asks for it.
    const QByteArray& LastFrameSvg() const { return lastSvg; }
    // After the last frame: writes the frames still being encoded and ends the animated GIF.
    void Finish();
    const QByteArray& Animation() const { return animationBytes.data(); }
    // Why a frame could not be written or encoded.
    const std::optional<OptionError>& Failure() const { return failure; }

private:
    void Animate(GifStatus status);
    // Writes the frames encoded so far, or, when `all`, every frame drawn, until one fails.
    void WriteEncodedFrames(bool all);

    const RenderOptions& options;
    const std::optional<std::string> framesFolder;
    Session& session;
    std::vector<RasterSurface> canvases;
    std::size_t current = 0;               // the canvas of the last frame
    std::unique_ptr<PngWorkers> encoders;  // with a frames folder
    int framesWritten = 0;
    QByteArray lastSvg;
    QBuffer animationBytes;
    std::unique_ptr<GifAnimationWriter> animation;
    std::optional<OptionError> failure;
};

// Whether any output shows the view's pixels: frames, an animation or a PNG of the view.
// Without one the run draws no pixel, and needs no image of the view's size.
bool DrawsViewPixels(const RenderOptions& options);
// True when --output names an SVG file (by its extension, in any case).
bool WantsSvg(const RenderOptions& options);
// Whether a file name ends in ".svg", in any case.
bool IsSvgName(const std::optional<std::string>& path);

}  // namespace vireflu
