#include "frame_recorder.h"

#include <QBuffer>

#include "drawing/blind_surface.h"
#include "frame_name.h"
#include "frame_renderer.h"
#include "output_files.h"
#include "svg_frame.h"

namespace vireflu {

bool WantsSvg(const RenderOptions& options) {
    return IsSvgName(options.outputPath);
}

bool IsSvgName(const std::optional<std::string>& path) {
    // Compared byte by byte: a name need not be valid text.
    if (!path || path->size() < 4) return false;
    return QByteArray::fromStdString(path->substr(path->size() - 4)).toLower() == ".svg";
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

FrameRecorder::FrameRecorder(const RenderOptions& o, std::optional<std::string> folder)
    : options(o), framesFolder(std::move(folder)), canvas(o.size.width, o.size.height) {
    if (options.animationPath) {
        animationBytes.open(QIODevice::WriteOnly);
        animation = std::make_unique<GifAnimationWriter>(animationBytes, options.frameDelayMs);
    }
}

bool FrameRecorder::Draw(MachineScene& scene, SimulationState& state, int frameNumber) {
    const bool last = frameNumber == options.ticks;
    if (last && WantsSvg(options)) lastSvg = RenderSvgFrame(scene, state);
    const bool kept = frameNumber >= 0 && (framesFolder || animation);
    if (!kept && !(last && options.outputPath && !WantsSvg(options))) {
        // No image shows this frame: only what it leaves in the state is needed.
        BlindSurface blind;
        scene.DrawFrame(blind, state);
        return true;
    }
    RenderMachineFrame(canvas, scene, state);
    if (framesFolder)
        failure =
            WriteFrameFile(*framesFolder + "/" + FrameFileName(frameNumber), PngBytes(LastFrame()));
    // The animation holds the same frames as the files.
    if (animation && !failure) Animate(animation->AddFrame(LastFrame()));
    return !failure;
}

void FrameRecorder::FinishAnimation() {
    if (animation && !failure) Animate(animation->Finish());
}

void FrameRecorder::Animate(GifStatus status) {
    if (status == GifStatus::TooManyColours)
        failure = OptionError{"--animation cannot hold more than 256 colours in one GIF palette"};
    else if (status != GifStatus::Ok)
        failure = OptionError{"--animation could not encode the frames"};
}

QImage FrameRecorder::LastFrame() const {
    return WrapCanvas(canvas);
}

}  // namespace vireflu
