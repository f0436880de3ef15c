#include "render_tool.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <variant>

#include "classroom/page_file.h"
#include "classroom/scorm_package.h"
#include "destination_checks.h"
#include "frame_recorder.h"
#include "image_memory.h"
#include "lessons/lesson_library.h"
#include "measures_image.h"
#include "output_files.h"
#include "panel_image.h"
#include "quoted_text.h"
#include "render_options.h"
#include "setup/setup_json.h"
#include "setup/setup_scenario.h"
#include "state_json.h"
#include "temporary_files.h"

namespace vireflu {

namespace {

int Refused(std::ostream& err, const OptionError& error) {
    // Escaped once more as a whole, so whatever a message quotes it stays one line.
    err << "vireflu-render: " << EscapeControls(error.message) << '\n';
    return kExitRefused;
}

// The lesson the run started from, with the setup the options made of its own: the answer
// --state carries is the one for what was played.
std::unique_ptr<Lesson> LessonOf(const RenderOptions& options) {
    if (!options.lessonId) return nullptr;
    auto lesson = std::make_unique<Lesson>(*FindLesson(*options.lessonId));
    lesson->setup = options.setup;
    return lesson;
}

// The browser page a SCORM package carries: the one given, or the one found.
std::variant<std::string, OptionError> PageOf(const RenderOptions& options) {
    const std::optional<std::string> path = options.pagePath ? options.pagePath : FindPage();
    if (!path)
        return OptionError{
            "--scorm needs the browser page: build it with `make web`, or give --page FILE"};
    PageBytes page = ReadPage(*path);
    if (!page.failure.empty()) return OptionError{"--page " + Quoted(*path) + " " + page.failure};
    return std::move(page.bytes);
}

// The outputs that follow the run, written all or nothing.
std::optional<OptionError> WriteOutputs(const RenderOptions& options, const Destinations& to,
                                        const SimulationState& state, const MachineScene& scene,
                                        const FrameRecorder& frames, const PanelRecords& records,
                                        std::ostream& out) {
    OutputBatch batch;
    if (to.state)
        if (auto failed = batch.Stage(*to.state, QByteArray::fromStdString(StateJson(
                                                     state, scene, LessonOf(options).get()))))
            return failed;
    if (to.output) {
        QByteArray view = WantsSvg(options) ? frames.LastFrameSvg() : PngBytes(frames.LastFrame());
        if (auto failed = batch.Stage(*to.output, std::move(view))) return failed;
    }
    if (to.animation)
        if (auto failed = batch.Stage(*to.animation, frames.Animation())) return failed;
    if (to.panelOutput) {
        const Winding winding = *options.panel;
        // The panel's cursor stands where the last tick left its winding's angle.
        const double angle = winding == Winding::Stator ? state.statorAngle : state.rotorAngle;
        const QImage pictures = RenderPanelPictures(winding, records.Of(winding), angle,
                                                    options.pictureSize, LineWidth(state));
        if (auto failed = batch.Stage(*to.panelOutput, PngBytes(pictures))) return failed;
    }
    if (to.measures) {
        QByteArray measures = RenderMeasuresDocument(state, scene, IsSvgName(options.measuresPath));
        if (auto failed = batch.Stage(*to.measures, std::move(measures))) return failed;
    }
    if (to.saveSetup)
        if (auto failed =
                batch.Stage(*to.saveSetup, QByteArray::fromStdString(WriteSetup(options.setup))))
            return failed;
    if (to.scorm) {
        const auto page = PageOf(options);
        if (const auto* failed = std::get_if<OptionError>(&page)) return *failed;
        if (auto failed =
                batch.Stage(*to.scorm, QByteArray::fromStdString(ScormPackage(
                                           std::get<std::string>(page), *options.course))))
            return failed;
    }
    if (to.link)
        if (auto failed =
                batch.Stage(*to.link, QByteArray::fromStdString(SetupLink(options.setup) + "\n")))
            return failed;
    return batch.Commit(out);
}

std::optional<OptionError> CreateFramesFolder(const FramesFolder& frames) {
    if (!frames.create || mkdir(frames.path.c_str(), 0777) == 0) return std::nullopt;
    return OptionError{"--frames " + Quoted(frames.path) + " could not be created (" +
                       std::strerror(errno) + ")"};
}

}  // namespace

int RunRenderTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed = ParseRenderOptions(args);
    if (const auto* refused = std::get_if<OptionError>(&parsed)) return Refused(err, *refused);
    const RenderOptions& options = std::get<RenderOptions>(parsed);
    if (options.help || options.version || options.listLessons) {
        if (options.listLessons)
            for (const Lesson& lesson : ShippedLessons()) out << lesson.id << '\n';
        else
            out << (options.help ? UsageText() : VersionText());
        out << std::flush;
        if (!out)
            return Refused(err, {std::string(options.help      ? "--help"
                                             : options.version ? "--version"
                                                               : "--lessons") +
                                 ": standard output could not be written"});
        return kExitDone;
    }
    // Every check comes before the first write.
    const auto checked = CheckDestinations(options);
    if (const auto* refused = std::get_if<OptionError>(&checked)) return Refused(err, *refused);
    const Destinations& to = std::get<Destinations>(checked);
    for (const auto* target : {&to.state, &to.link})
        if (*target && (*target)->kind == TargetKind::StandardOutput && !out)
            return Refused(err, {(*target)->option + " '-': standard output is closed"});
    if (auto refused = CheckImageMemory(options)) return Refused(err, *refused);

    RemoveTemporariesOnInterrupt();
    std::optional<std::string> framesFolder;
    if (to.frames) {
        if (auto failed = CreateFramesFolder(*to.frames)) return Refused(err, *failed);
        framesFolder = to.frames->path;
    }
    Session session;
    session.ResizeView(options.size.width, options.size.height);
    FrameRecorder frames(options, framesFolder, session);
    // A setup and its link say what the options say: only the other outputs need the run,
    // which for ten million ticks takes a while.
    const bool played =
        to.state || to.output || to.frames || to.animation || to.panelOutput || to.measures;
    PanelRecords records{};
    if (played) records = PlaySetup(options.setup, session.State(), frames);
    frames.Finish();
    if (frames.Failure()) return Refused(err, *frames.Failure());
    if (auto failed =
            WriteOutputs(options, to, session.State(), session.Scene(), frames, records, out))
        return Refused(err, *failed);
    return kExitDone;
}

}  // namespace vireflu
