#include "render_tool.h"

#include <memory>
#include <variant>

#include "frame_recorder.h"
#include "output_files.h"
#include "panel_image.h"
#include "render_options.h"
#include "scenario.h"
#include "state_json.h"

namespace vireflu {

namespace {

int Refused(std::ostream& err, const OptionError& error) {
    err << "vireflu-render: " << error.message << '\n';
    return kExitRefused;
}

std::optional<OptionError> WriteBytes(const std::string& option, const std::string& path,
                                      const QByteArray& bytes) {
    return WriteOutput(option, path,
                       [&](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

// The outputs that follow the run, each written whole or not at all.
std::optional<OptionError> WriteOutputs(const RenderOptions& options, const SimulationState& state,
                                        const MachineScene& scene, const FrameRecorder& frames,
                                        const PanelRecords& records, std::ostream& out) {
    if (options.statePath) {
        const std::string json = StateJson(state, scene);
        if (*options.statePath == "-")
            out << json << std::flush;
        else if (auto failed =
                     WriteBytes("--state", *options.statePath, QByteArray::fromStdString(json)))
            return failed;
    }
    if (options.outputPath) {
        const auto failed = WantsSvg(options)
                                ? WriteBytes("--output", *options.outputPath, frames.LastFrameSvg())
                                : WritePng("--output", *options.outputPath, frames.LastFrame());
        if (failed) return failed;
    }
    if (options.animationPath)
        if (auto failed = WriteBytes("--animation", *options.animationPath, frames.Animation()))
            return failed;
    if (options.panel) {
        const Winding winding = *options.panel;
        // The panel's cursor stands where the last tick left its winding's angle.
        const double angle = winding == Winding::Stator ? state.statorAngle : state.rotorAngle;
        const QImage pictures =
            RenderPanelPictures(winding, records.Of(winding), angle, options.pictureSize);
        if (auto failed = WritePng("--panel-output", *options.panelOutputPath, pictures))
            return failed;
    }
    return std::nullopt;
}

}  // namespace

int RunRenderTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseRenderOptions(args);
    if (const auto* refused = std::get_if<OptionError>(&parsed)) return Refused(err, *refused);
    const RenderOptions& options = std::get<RenderOptions>(parsed);
    if (options.help) {
        out << UsageText();
        return kExitDone;
    }
    if (auto refused = CheckDestinations(options)) return Refused(err, *refused);

    // The state and the scene hold kilobytes of tables and trace: keep them off the stack.
    auto state = std::make_unique<SimulationState>();
    auto scene = std::make_unique<MachineScene>();
    FrameRecorder frames(options);
    const PanelRecords records = RunScenario(options, *state, *scene, frames);
    frames.FinishAnimation();
    if (frames.Failure()) return Refused(err, *frames.Failure());
    if (auto failed = WriteOutputs(options, *state, *scene, frames, records, out))
        return Refused(err, *failed);
    return kExitDone;
}

}  // namespace vireflu
