#include "rgba_image.h"

namespace vireflu {

void ToRgba(std::span<const std::uint32_t> pixels, std::vector<std::uint32_t>& out) {
    out.resize(pixels.size());
    std::uint32_t* word = out.data();
    // Red and blue change places; green and the opaque alpha stay.
    for (const std::uint32_t pixel : pixels)
        *word++ = (pixel & 0xFF00FF00u) | ((pixel >> 16) & 0xFFu) | ((pixel & 0xFFu) << 16);
}

}  // namespace vireflu
