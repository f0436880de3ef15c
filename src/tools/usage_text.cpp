#include <QCommandLineParser>

#include "build_info.h"
#include "render_options.h"

namespace vireflu {

namespace {

// Breaks text into lines of at most `width` characters after the indent.
std::string Wrapped(const std::string& text, const std::string& indent, std::size_t width) {
    std::string result;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            result += indent + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty()) result += indent + line + "\n";
    return result;
}

}  // namespace

std::string UsageText() {
    constexpr std::size_t kWidth = 78;
    std::string description =
        "Plays a Vireflu scenario without a window, through the simulation and drawing code\n"
        "of the program, and writes the machine view, its frames, the state and a panel's\n"
        "phase pictures.\n\n" +
        Wrapped(
            "The run, one frame drawn after each step as the window draws it: the "
            "presentation command; the colour-map command; the \"Stator\" panel's record, "
            "then the \"Rotor\" panel's record, each built by setting the panel's controls "
            "as a user would and applied like the panel's notification, which puts the "
            "clock back to zero; then the clock ticks, 0.0005 s of simulated time each. A "
            "value follows its option as --option VALUE or --option=VALUE.",
            "", kWidth);
    description.pop_back();  // the layout puts its own blank line before the options
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(description));
    DeclareOptions(parser);
    // Qt names the program after the running application, and there is none here.
    const QString layout = parser.helpText();
    std::string text = "Usage: vireflu-render [options]\n" +
                       layout.mid(layout.indexOf(QLatin1Char('\n')) + 1).toStdString();
    text += "\n";
    text += Wrapped(
        "The state JSON holds elapsedTime, statorAngle, rotorAngle, rotorPosition, "
        "statorConductorLevel and rotorConductorLevel (6 each), statorAirGapLevel, "
        "rotorAirGapLevel and airGapLevel (180 each), resultant [X, Y], torqueValue (as the "
        "last frame stored it: only presentations that draw the vector or the trace compute "
        "it; positive when the torque pushes the rotor clockwise, as the bar rises; null when "
        "not a number), traceCount, geometry (clientWidth, clientHeight, centreX, "
        "centreY, gapInnerRadius, gapOuterRadius, conductorHalfSize, torqueSpan, "
        "torqueBarRight) and measures, the \"Mesures\" window's figures. Their speeds and "
        "slips are signed, positive counterclockwise, the way a positive --rotation turns the "
        "rotor: fieldSense (counterclockwise, clockwise, pulsating, or null without an "
        "alternating stator field), synchronousRpm (60 f, whichever the sense), rotorRpm; "
        "fieldRpm, slip and rotorCurrentHz (|slip| f) against a rotating field; slipPlus, "
        "slipMinus, rotorCurrentHzPlus and rotorCurrentHzMinus against the counterclockwise "
        "and clockwise halves of a pulsating one; torque, positive when it pushes the rotor "
        "counterclockwise (the opposite of torqueValue); statorDirectShare and "
        "statorInverseShare, the direct sequence (phases peaking 1, 2, 3: 0/240/120, the "
        "angles being leads) turning counterclockwise; sixStepHarmonic5Rpm, 7, 11 and 13, the "
        "signed speed of each harmonic's field on a six-step supply. The air-gap levels, the "
        "resultant and the "
        "measures are computed from the state after the last frame. A run from --lesson adds "
        "lesson: id, quantity, value (a sense's name or a number, computed from the setup "
        "played), rightChoice (the right choice's index from 0, null when not exactly one "
        "choice is right) and sentence, the verdict as the program words it (in French). Numbers "
        "are written so that "
        "they read back exactly.",
        "", kWidth);
    text += "\n";
    text += Wrapped(
        "At least one output is needed. A refused option, value or combination prints one "
        "line on standard error and exits with status 2 before anything is written. Every "
        "file is written to a temporary file in its folder and then renamed, so none is ever "
        "left half-written; a file that still cannot be written (a full disk) also ends the "
        "run with status 2.",
        "", kWidth);
    return text;
}

std::string VersionText() {
    return std::string("vireflu-render ") + kVersion + "\n";
}

}  // namespace vireflu
