#include "frame_recorder.h"

#include <cstdint>

#include "frame_name.h"
#include "frame_renderer.h"
#include "output_files.h"
#include "svg_frame.h"

namespace vireflu {

bool WantsSvg(const RenderOptions& options) {
    return IsSvgName(options.outputPath);
}

bool DrawsViewPixels(const RenderOptions& options) {
    return options.framesDir || options.animationPath || (options.outputPath && !WantsSvg(options));
}

bool IsSvgName(const std::optional<std::string>& path) {
    // Compared byte by byte: a name need not be valid text.
    if (!path || path->size() < 4) return false;
    return QByteArray::fromStdString(path->substr(path->size() - 4)).toLower() == ".svg";
}

FrameRecorder::FrameRecorder(const RenderOptions& o, std::optional<std::string> folder,
                             Session& session)
    : options(o), framesFolder(std::move(folder)), session(session) {
    std::size_t frames = 1;
    if (framesFolder) {
        const auto pixels = static_cast<std::size_t>(o.size.width) * o.size.height;
        encoders = std::make_unique<PngWorkers>(pixels * sizeof(std::uint32_t));
        // A frame being encoded keeps its canvas until its file is written; the next frames
        // are drawn into the others.
        frames = encoders->Capacity();
    }
    if (DrawsViewPixels(o)) canvases.assign(frames, RasterSurface(o.size.width, o.size.height));
    if (options.animationPath) {
        animationBytes.open(QIODevice::WriteOnly);
        animation =
            std::make_unique<GifAnimationWriter>(DeviceSink(animationBytes), options.frameDelayMs);
    }
}

bool FrameRecorder::Draw(SimulationState& state, int frameNumber) {
    session.AdvanceFrame();
    const bool last = frameNumber == options.setup.ticks;
    if (last && WantsSvg(options)) lastSvg = RenderSvgFrame(session.Scene(), state);
    const bool kept = frameNumber >= 0 && (framesFolder || animation);
    if (!kept && !(last && options.outputPath && !WantsSvg(options))) return true;
    current = (current + 1) % canvases.size();
    RenderMachineFrame(canvases[current], session.Scene(), state);
    if (encoders) {
        encoders->Add(LastFrame());
        WriteEncodedFrames(false);
    }
    // The animation holds the same frames as the files.
    if (animation && !failure)
        Animate(animation->AddFrame(canvases[current].Pixels(), options.size.width));
    return !failure;
}

void FrameRecorder::Finish() {
    if (encoders) WriteEncodedFrames(true);
    if (animation && !failure) Animate(animation->Finish());
}

void FrameRecorder::WriteEncodedFrames(bool all) {
    // In their order, so the files are numbered as drawn, and none after a failure. A full
    // queue waits for its oldest frame.
    while (!failure) {
        const std::optional<QByteArray> png = encoders->Next(all || encoders->Full());
        if (!png) return;
        failure = WriteFrameFile(*framesFolder + "/" + FrameFileName(framesWritten++), *png);
    }
}

void FrameRecorder::Animate(GifStatus status) {
    if (status == GifStatus::TooManyColours)
        failure = OptionError{"--animation cannot hold more than 256 colours in one GIF palette"};
    else if (status != GifStatus::Ok)
        failure = OptionError{"--animation could not encode the frames"};
}

QImage FrameRecorder::LastFrame() const {
    return WrapCanvas(canvases[current]);
}

}  // namespace vireflu
