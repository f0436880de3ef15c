#include "frame_name.h"

#include <cstdio>

namespace vireflu {

std::string FrameFileName(int frameNumber) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%04d.png", frameNumber);
    return name;
}

}  // namespace vireflu
