#pragma once

#include <optional>

#include "render_options.h"

namespace vireflu {

// Refuses sizes whose images cannot all be held at once: the view (--size), with
// --animation a copy of it, and with --panel the panel's column of pictures and one
// picture drawn into it (--picture-size).
// The memory is asked for once, up front, and given back at once, so a run never starts
// that would fail for want of it; the refusal gives the figure.
std::optional<OptionError> CheckImageMemory(const RenderOptions& options);

}  // namespace vireflu
