#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace vireflu {

// Why an animation could not be written.
enum class GifStatus {
    Ok,
    // The frames hold more distinct colours than one GIF palette (256).
    TooManyColours,
    // The sink refused the bytes, or a frame's size differs from the first's.
    WriteFailed,
};

// Where the encoded bytes go, in order; false when they could not be taken.
using GifByteSink = std::function<bool(std::span<const std::uint8_t> bytes)>;

// Writes an animated GIF frame by frame: it loops forever and shows every frame for the same
// delay. The palette is exact: it holds each colour of the frames as it is, so every decoded
// pixel equals the frame's. A frame is stored as the bounding box of the pixels that changed
// since the previous one, with the unchanged pixels in it transparent, which keeps an
// animation of a mostly still picture small. The desktop and the page both write their
// animations with it, so they get the same bytes for the same frames.
class GifAnimationWriter {
public:
    // GIF counts time in hundredths of a second: the delay is rounded to the nearest.
    GifAnimationWriter(GifByteSink sink, int delayMs);
    ~GifAnimationWriter();
    GifAnimationWriter(const GifAnimationWriter&) = delete;
    GifAnimationWriter& operator=(const GifAnimationWriter&) = delete;

    // A frame is rows of `width` pixels as 0xFFRRGGBB words, as the core's canvases and
    // QImage::Format_RGB32 hold them. The first frame sets the animation's size; every later
    // one must have that size.
    GifStatus AddFrame(std::span<const std::uint32_t> pixels, int width);
    // Writes the end of the file; an animation needs at least one frame.
    GifStatus Finish();

private:
    struct Encoder;
    std::unique_ptr<Encoder> encoder;
};

}  // namespace vireflu
