#include "destination_checks.h"

#include <vector>

#include "quoted_text.h"

namespace vireflu {

namespace {

std::optional<OptionError> Resolve(const std::string& option,
                                   const std::optional<std::string>& given,
                                   std::optional<OutputTarget>& target) {
    if (!given) return std::nullopt;
    auto resolved = ResolveOutput(option, *given);
    if (auto* refused = std::get_if<OptionError>(&resolved)) return *refused;
    target = std::get<OutputTarget>(std::move(resolved));
    return std::nullopt;
}

std::string Named(const OutputTarget& target) {
    return target.option + " " + Quoted(target.given);
}

std::optional<OptionError> CheckOverlaps(const Destinations& d) {
    std::vector<const OutputTarget*> files;
    for (const auto* target :
         {&d.state, &d.output, &d.animation, &d.panelOutput, &d.measures, &d.saveSetup, &d.scorm})
        if (*target) files.push_back(&**target);
    for (std::size_t i = 0; i < files.size(); ++i) {
        for (std::size_t j = i + 1; j < files.size(); ++j)
            if (files[i]->identity == files[j]->identity)
                return OptionError{Named(*files[i]) + " and " + Named(*files[j]) +
                                   " are the same file"};
        if (!d.frames) continue;
        const bool inFolder =
            files[i]->kind == TargetKind::NewFile || files[i]->kind == TargetKind::RegularFile;
        if (files[i]->identity == d.frames->identity)
            return OptionError{Named(*files[i]) + " is the --frames folder"};
        if (inFolder && !d.frames->create && files[i]->folderIdentity == d.frames->identity)
            return OptionError{Named(*files[i]) + " lies in the --frames folder"};
    }
    return std::nullopt;
}

}  // namespace

std::variant<Destinations, OptionError> CheckDestinations(const RenderOptions& options) {
    Destinations d;
    if (auto refused = Resolve("--state", options.statePath, d.state)) return *refused;
    if (auto refused = Resolve("--output", options.outputPath, d.output)) return *refused;
    if (auto refused = Resolve("--animation", options.animationPath, d.animation)) return *refused;
    if (auto refused = Resolve("--panel-output", options.panelOutputPath, d.panelOutput))
        return *refused;
    if (auto refused = Resolve("--measures", options.measuresPath, d.measures)) return *refused;
    if (auto refused = Resolve("--save-setup", options.saveSetupPath, d.saveSetup)) return *refused;
    if (auto refused = Resolve("--scorm", options.scormPath, d.scorm)) return *refused;
    if (options.link) {
        d.link.emplace();
        d.link->option = "--link";
        d.link->given = "-";
        d.link->kind = TargetKind::StandardOutput;
    }
    if (options.framesDir) {
        auto frames = ResolveFramesFolder(*options.framesDir, options.setup.ticks);
        if (auto* refused = std::get_if<OptionError>(&frames)) return *refused;
        d.frames = std::get<FramesFolder>(std::move(frames));
    }
    if (auto refused = CheckOverlaps(d)) return *refused;
    return d;
}

}  // namespace vireflu
