#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vireflu {

// The core's 0xFFRRGGBB pixels as the canvas's RGBA bytes (R, G, B, A in memory order), one
// 32-bit word per pixel on WebAssembly's little-endian memory.
void ToRgba(std::span<const std::uint32_t> pixels, std::vector<std::uint32_t>& out);

}  // namespace vireflu
