#pragma once

#include <QIODevice>
#include <QImage>

#include "gif_animation.h"

namespace vireflu {

// The GIF writer's bytes go onto a Qt device (a file, a save file, a buffer).
GifByteSink DeviceSink(QIODevice& device);

// Adds a QImage as the next frame, in the RGB32 words the writer reads.
GifStatus AddImage(GifAnimationWriter& writer, const QImage& image);

}  // namespace vireflu
