#pragma once

#include <memory>

#include <QIODevice>
#include <QImage>

namespace vireflu {

// Why an animation could not be written.
enum class GifStatus {
    Ok,
    // The frames hold more distinct colours than one GIF palette (256).
    TooManyColours,
    // The device refused the bytes.
    WriteFailed,
};

// Writes an animated GIF frame by frame onto a device: it loops forever and shows every
// frame for the same delay. The palette is exact: it holds each colour of the frames as
// it is, so every decoded pixel equals the frame's. A frame is stored as the bounding
// box of the pixels that changed since the previous one, with the unchanged pixels in it
// transparent, which keeps an animation of a mostly still picture small.
class GifAnimationWriter {
public:
    // GIF counts time in hundredths of a second: the delay is rounded to the nearest.
    GifAnimationWriter(QIODevice& device, int delayMs);
    ~GifAnimationWriter();
    GifAnimationWriter(const GifAnimationWriter&) = delete;
    GifAnimationWriter& operator=(const GifAnimationWriter&) = delete;

    // The first frame sets the animation's size; every later one must have that size.
    GifStatus AddFrame(const QImage& frame);
    // Writes the end of the file; an animation needs at least one frame.
    GifStatus Finish();

private:
    struct Encoder;
    std::unique_ptr<Encoder> encoder;
};

}  // namespace vireflu
