#include "rgba_image.h"

namespace vireflu {

namespace {

// Red and blue change places; green and the opaque alpha stay.
std::uint32_t SwapRedBlue(std::uint32_t pixel) {
    return (pixel & 0xFF00FF00u) | ((pixel >> 16) & 0xFFu) | ((pixel & 0xFFu) << 16);
}

}  // namespace

void ToRgba(std::span<const std::uint32_t> pixels, std::vector<std::uint32_t>& out) {
    out.resize(pixels.size());
    // A plain loop, which the compiler turns into SIMD steps of four pixels.
    for (std::size_t i = 0; i < pixels.size(); ++i) out[i] = SwapRedBlue(pixels[i]);
}

}  // namespace vireflu
