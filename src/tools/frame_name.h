#pragma once

#include <string>

namespace vireflu {

// "frame-0007.png": four digits at least, more once the numbers need them.
std::string FrameFileName(int frameNumber);

}  // namespace vireflu
