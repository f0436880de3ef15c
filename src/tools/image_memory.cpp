#include "image_memory.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "frame_recorder.h"

namespace vireflu {

namespace {

// The images are 32 bits a pixel.
constexpr std::uint64_t kBytesPerPixel = 4;

std::uint64_t ImageBytes(PixelSize size, int count = 1) {
    return kBytesPerPixel * static_cast<std::uint64_t>(size.width) *
           static_cast<std::uint64_t>(size.height) * static_cast<std::uint64_t>(count);
}

std::string SizeText(PixelSize size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

}  // namespace

std::optional<OptionError> CheckImageMemory(const RenderOptions& options) {
    std::uint64_t bytes = 0;
    std::vector<std::string> sizes;
    if (DrawsViewPixels(options)) {
        // The view, and the animation writer's copy of the previous frame.
        bytes += ImageBytes(options.size, options.animationPath ? 2 : 1);
        sizes.push_back("--size " + SizeText(options.size));
    }
    if (options.panel) {
        // One picture a phase that is on, stacked, and the one being drawn.
        const WindingSetup& winding =
            *options.panel == Winding::Stator ? options.setup.stator : options.setup.rotor;
        bytes += ImageBytes(options.pictureSize, winding.phases + 1);
        sizes.push_back("--picture-size " + SizeText(options.pictureSize));
    }
    if (bytes == 0) return std::nullopt;
    // Through a volatile pointer, so the compiler cannot drop the request as unused.
    if (void* volatile trial = std::malloc(bytes)) {
        std::free(trial);
        return std::nullopt;
    }
    constexpr std::uint64_t kMiB = 1024 * 1024;
    const std::string asked = sizes.size() == 1 ? sizes[0] : sizes[0] + " and " + sizes[1];
    return OptionError{asked + (sizes.size() == 1 ? " needs " : " need ") +
                       std::to_string((bytes + kMiB - 1) / kMiB) +
                       " MiB of image memory, which cannot be had here"};
}

}  // namespace vireflu
