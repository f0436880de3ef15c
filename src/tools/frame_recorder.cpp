#include "frame_recorder.h"

#include <QDir>
#include <QString>

#include "frame_renderer.h"
#include "output_files.h"
#include "svg_frame.h"

namespace vireflu {

bool WantsSvg(const RenderOptions& options) {
    return options.outputPath &&
           QString::fromStdString(*options.outputPath).endsWith(".svg", Qt::CaseInsensitive);
}

FrameRecorder::FrameRecorder(const RenderOptions& o)
    : options(o), canvas(o.size.width, o.size.height) {
    if (options.framesDir) QDir().mkpath(QString::fromStdString(*options.framesDir));
    if (options.animationPath) {
        animationBytes.open(QIODevice::WriteOnly);
        animation = std::make_unique<GifAnimationWriter>(animationBytes, options.frameDelayMs);
    }
}

void FrameRecorder::Draw(MachineScene& scene, SimulationState& state, int frameNumber) {
    if (frameNumber == options.ticks && WantsSvg(options)) lastSvg = RenderSvgFrame(scene, state);
    RenderMachineFrame(canvas, scene, state);
    if (frameNumber >= 0 && options.framesDir && !failure) WriteFrame(frameNumber);
    // The animation holds the same frames as the files.
    if (frameNumber >= 0 && animation && !failure) Animate(animation->AddFrame(LastFrame()));
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

void FrameRecorder::WriteFrame(int frameNumber) {
    const QString folder = QString::fromStdString(*options.framesDir);
    const std::string path =
        (folder + "/" + QString::fromStdString(FrameFileName(frameNumber))).toStdString();
    failure = WritePng("--frames", path, LastFrame());
}

}  // namespace vireflu
