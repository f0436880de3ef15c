#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "classroom/course.h"
#include "machine/clock.h"
#include "machine/display_commands.h"
#include "machine/simulation_state.h"
#include "setup/setup.h"

class QCommandLineParser;

namespace vireflu {

struct PixelSize {
    int width = 0;
    int height = 0;
};

// One run of vireflu-render: the scenario to play and the outputs to write.
struct RenderOptions {
    // The scenario: the panels, the display and the ticks to play. A setup file gives the
    // starting values, which the options override.
    Setup setup;
    std::optional<std::string> setupPath;
    // A shipped lesson's id: the run starts from its setup and --state adds its answer.
    std::optional<std::string> lessonId;
    bool listLessons = false;  // --lessons
    PixelSize size{600, 560};

    std::optional<std::string> statePath;  // "-" is standard output
    std::optional<std::string> outputPath;
    std::optional<std::string> framesDir;
    std::optional<std::string> animationPath;
    int frameDelayMs = kTickPeriodMs;
    // Play one period of the supply: ticks are set from the settings once they are read.
    bool period = false;
    std::optional<Winding> panel;
    std::optional<std::string> panelOutputPath;
    PixelSize pictureSize{97, 57};
    // The "Mesures" window's curve and numbers.
    std::optional<std::string> measuresPath;
    // The scenario as a setup file, and as the page's link on standard output.
    std::optional<std::string> saveSetupPath;
    bool link = false;
    // A SCORM package of a course, with the browser page found or given.
    std::optional<std::string> scormPath;
    std::optional<Course> course;
    std::optional<std::string> pagePath;

    bool help = false;     // -h, --help
    bool version = false;  // -v, --version
};

// A refused command line, as the one line the user reads: the option at fault and what
// it accepts.
struct OptionError {
    std::string message;
};

// Reads the arguments after the program name. Every value, range and combination is
// checked here, so that a run that starts never stops half-way over its input.
std::variant<RenderOptions, OptionError> ParseRenderOptions(const std::vector<std::string>& args);

// Declares every option, --help and --version included, to the parser that reads them and to
// the one that lays out --help, so the two cannot differ.
void DeclareOptions(QCommandLineParser& parser);

// The --help text: every option with what it accepts and its default.
std::string UsageText();

// The --version text: the program's name and the project's version.
std::string VersionText();

}  // namespace vireflu
