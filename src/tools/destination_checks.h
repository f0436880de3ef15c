#pragma once

#include <optional>
#include <variant>

#include "output_target.h"
#include "render_options.h"

namespace vireflu {

// Every output of a run, resolved and checked before anything is written.
struct Destinations {
    std::optional<OutputTarget> state;
    std::optional<OutputTarget> output;
    std::optional<OutputTarget> animation;
    std::optional<OutputTarget> panelOutput;
    std::optional<OutputTarget> measures;
    std::optional<OutputTarget> saveSetup;
    std::optional<OutputTarget> scorm;
    std::optional<OutputTarget> link;  // always standard output
    std::optional<FramesFolder> frames;
};

// Resolves each output (see ResolveOutput and ResolveFramesFolder), then refuses two
// outputs that are one file, whatever paths name them, and an output that is the frames
// folder or lies in it. Returns the first refusal.
std::variant<Destinations, OptionError> CheckDestinations(const RenderOptions& options);

}  // namespace vireflu
