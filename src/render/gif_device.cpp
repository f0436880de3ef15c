#include "gif_device.h"

namespace vireflu {

GifByteSink DeviceSink(QIODevice& device) {
    return [&device](std::span<const std::uint8_t> bytes) {
        const auto length = static_cast<qint64>(bytes.size());
        return device.write(reinterpret_cast<const char*>(bytes.data()), length) == length;
    };
}

GifStatus AddImage(GifAnimationWriter& writer, const QImage& image) {
    // RGB32 rows hold exactly width words, with no padding between them.
    const QImage frame = image.convertToFormat(QImage::Format_RGB32);
    const auto* words = reinterpret_cast<const std::uint32_t*>(frame.constBits());
    const auto count = static_cast<std::size_t>(frame.width()) * frame.height();
    return writer.AddFrame({words, count}, frame.width());
}

}  // namespace vireflu
