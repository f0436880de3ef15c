#include "render_options.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <set>

#include "option_table.h"
#include "quoted_text.h"
#include "setup/setup_json.h"
#include "setup/setup_scenario.h"

namespace vireflu {

namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

OptionError Refuse(std::string message) {
    return OptionError{std::move(message)};
}

QString BareName(const std::string& name) {
    return QString::fromStdString(name).mid(2);
}

// Arguments are bytes, and a file name need not be text: each byte goes to the parser as one
// Latin-1 character and comes back unchanged.
QString FromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string Bytes(const QString& text) {
    return text.toLatin1().toStdString();
}

bool IsHelpOrVersion(const std::string& name) {
    return name == "--help" || name == "-h" || name == "--version" || name == "-v";
}

std::string Dashed(const QString& name) {
    return (name.size() == 1 ? "-" : "--") + Bytes(name);
}

// Names what the parser refused: it reports an unknown option by name, but a flag given a
// value and a last option left without its value only as a sentence of its own.
OptionError ParseFailure(const QCommandLineParser& parser, const std::vector<std::string>& args,
                         const std::vector<CommandOption>& known) {
    if (!parser.unknownOptionNames().isEmpty())
        return Refuse("unknown option " + Quoted(Dashed(parser.unknownOptionNames().first())) +
                      ": see --help");
    for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        const std::string& arg = args[i];
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto option = std::find_if(known.begin(), known.end(),
                                         [&](const CommandOption& o) { return o.name == name; });
        const bool flag = option == known.end() ? IsHelpOrVersion(name) : option->metavar.empty();
        if (flag && equals != std::string::npos) return Refuse(name + " takes no value");
        if (option != known.end() && !flag && equals == std::string::npos) {
            if (i + 1 == args.size()) return Refuse(name + " needs a value: " + option->accepts);
            ++i;
        }
    }
    return Refuse(parser.errorText().toStdString());
}

std::optional<OptionError> CheckWinding(const std::string& winding, const WindingSetup& w) {
    if (const auto rule = WaveformRule(w)) return Refuse("--" + winding + "-waveform " + *rule);
    return std::nullopt;
}

// Coils full-pitch unless told otherwise, and never wider than a pole: 3 Q slots.
std::optional<OptionError> CheckCoilPitch(WindingDesign& w, const std::set<std::string>& given) {
    if (given.contains("--slots-per-pole-per-phase") && !given.contains("--coil-pitch"))
        w.coilPitch = w.FullPitch();
    if (w.coilPitch <= w.FullPitch()) return std::nullopt;
    return Refuse("--coil-pitch accepts 1.." + std::to_string(w.FullPitch()) +
                  " with --slots-per-pole-per-phase " + std::to_string(w.slotsPerPolePerPhase) +
                  ", not " + Quoted(std::to_string(w.coilPitch)));
}

// The setup file a run starts from, read whole but never beyond what a setup may hold.
std::optional<OptionError> LoadSetup(const std::string& path, Setup& setup) {
    const std::string named = "--setup " + Quoted(path);
    std::ifstream file(path, std::ios::binary);
    std::string document(kMaxSetupBytes + 1, '\0');
    file.read(document.data(), static_cast<std::streamsize>(document.size()));
    if (file.bad() || (!file.eof() && !file))
        return Refuse(named + " could not be read (" + std::strerror(errno) + ")");
    document.resize(static_cast<std::size_t>(file.gcount()));
    const auto read = ReadSetup(document);
    if (const auto* refused = std::get_if<SetupError>(&read))
        return Refuse(named + ": " + refused->message);
    setup = std::get<Setup>(read);
    return std::nullopt;
}

// A course file when the value names one ("/" or ".json" in it), shipped lessons' ids else.
std::optional<OptionError> LoadCourse(const std::string& value, RenderOptions& options) {
    const bool file = value.find('/') != std::string::npos || value.ends_with(".json");
    std::variant<Course, SetupError> read = CourseOfIds(value, "Parcours Vireflu");
    if (file) {
        std::ifstream input(value, std::ios::binary);
        std::string document(kMaxCourseBytes + 1, '\0');
        input.read(document.data(), static_cast<std::streamsize>(document.size()));
        if (input.bad() || (!input.eof() && !input))
            return Refuse("--course " + Quoted(value) + " could not be read (" +
                          std::strerror(errno) + ")");
        document.resize(static_cast<std::size_t>(input.gcount()));
        read = ReadCourse(document);
    }
    if (const auto* refused = std::get_if<SetupError>(&read))
        return Refuse("--course " + Quoted(value) + ": " +
                      (file ? refused->message
                            : Quoted(refused->key) + " is not a lesson's id, see --lessons"));
    options.course = std::get<Course>(std::move(read));
    return std::nullopt;
}

std::optional<OptionError> CheckOutputs(const RenderOptions& o,
                                        const std::set<std::string>& given) {
    if (o.panel && !o.panelOutputPath) return Refuse("--panel needs --panel-output FILE");
    if (o.panelOutputPath && !o.panel) return Refuse("--panel-output needs --panel stator|rotor");
    if (given.contains("--picture-size") && !o.panel)
        return Refuse("--picture-size needs --panel stator|rotor");
    if (given.contains("--frame-delay") && !o.animationPath)
        return Refuse("--frame-delay needs --animation FILE");
    if (o.panel) {
        const bool stator = *o.panel == Winding::Stator;
        const std::string winding = stator ? "stator" : "rotor";
        if ((stator ? o.setup.stator : o.setup.rotor).phases == 0)
            return Refuse("--panel " + winding +
                          " has no phase picture to draw while phase 1 is off: give --" + winding +
                          "-phases 1..3");
    }
    if (o.scormPath.has_value() != o.course.has_value())
        return Refuse(o.scormPath ? "--scorm needs --course ID,ID,...|FILE"
                                  : "--course needs --scorm FILE");
    if (o.pagePath && !o.scormPath) return Refuse("--page needs --scorm FILE");
    if (o.link && o.statePath == "-")
        return Refuse("--link and --state - cannot both write to standard output");
    if (!o.statePath && !o.outputPath && !o.framesDir && !o.animationPath && !o.panel &&
        !o.measuresPath && !o.saveSetupPath && !o.link && !o.scormPath)
        return Refuse(
            "nothing to write: give --state, --output, --frames, --animation, --panel, "
            "--measures, --save-setup, --link or --scorm");
    return std::nullopt;
}

// --period stands for the ticks of one period of the settings the records will carry.
std::optional<OptionError> SetPeriodTicks(RenderOptions& o, const std::set<std::string>& given) {
    if (!o.period) return std::nullopt;
    if (given.contains("--ticks"))
        return Refuse("--period cannot be given with --ticks: it sets the ticks itself");
    const std::optional<int> period = SetupPeriodTicks(o.setup);
    if (!period)
        return Refuse("--period finds no period: only continu supplies, 0 Hz or nothing is on");
    o.setup.ticks = *period - 1;
    return std::nullopt;
}

std::string Description(const CommandOption& option) {
    std::string text = option.meaning + ".";
    if (option.accepts.empty()) return text;
    text += " Accepts " + option.accepts;
    if (!option.defaultText.empty()) text += ", default " + option.defaultText;
    return text + ".";
}

}  // namespace

void DeclareOptions(QCommandLineParser& parser) {
    parser.addOption({{QStringLiteral("h"), kHelp}, QStringLiteral("Print this help and exit.")});
    parser.addOption(
        {{QStringLiteral("v"), kVersion}, QStringLiteral("Print the version and exit.")});
    for (const CommandOption& option : CommandOptions()) {
        parser.addOption({BareName(option.name), QString::fromStdString(Description(option)),
                          QString::fromStdString(option.metavar)});
    }
}

std::variant<RenderOptions, OptionError> ParseRenderOptions(const std::vector<std::string>& args) {
    const std::vector<CommandOption> known = CommandOptions();
    QCommandLineParser parser;
    DeclareOptions(parser);
    QStringList line{QStringLiteral("vireflu-render")};
    for (const std::string& arg : args) line << FromBytes(arg);
    if (!parser.parse(line)) return ParseFailure(parser, args, known);

    std::set<std::string> given;
    for (const QString& name : parser.optionNames()) {
        if (!given.insert(Dashed(name)).second) return Refuse(Dashed(name) + " is given twice");
    }
    if (!parser.positionalArguments().isEmpty())
        return Refuse("unexpected argument " + Quoted(Bytes(parser.positionalArguments().first())) +
                      ": options start with --, see --help");

    if (given.contains("--setup") && given.contains("--lesson"))
        return Refuse("--setup and --lesson cannot both give the starting setup");
    RenderOptions options;
    if (parser.isSet(QStringLiteral("setup")))
        if (auto refused = LoadSetup(Bytes(parser.value(QStringLiteral("setup"))), options.setup))
            return *refused;
    if (parser.isSet(QStringLiteral("course")))
        if (auto refused = LoadCourse(Bytes(parser.value(QStringLiteral("course"))), options))
            return *refused;
    for (const CommandOption& option : known) {
        const QString name = BareName(option.name);
        if (!parser.isSet(name)) continue;
        if (option.metavar.empty()) {
            option.set(options, "");
            continue;
        }
        const std::string value = Bytes(parser.value(name));
        if (!option.set(options, value))
            return Refuse(option.name + " accepts " + option.accepts + ", not " + Quoted(value));
    }
    options.help = parser.isSet(kHelp);
    options.version = parser.isSet(kVersion);
    if (options.help || options.version || options.listLessons) return options;
    if (auto refused = CheckWinding("stator", options.setup.stator)) return *refused;
    if (auto refused = CheckWinding("rotor", options.setup.rotor)) return *refused;
    if (auto refused = CheckCoilPitch(options.setup.winding, given)) return *refused;
    if (auto refused = CheckOutputs(options, given)) return *refused;
    if (auto refused = SetPeriodTicks(options, given)) return *refused;
    return options;
}

}  // namespace vireflu
