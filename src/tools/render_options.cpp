#include "render_options.h"

#include <algorithm>
#include <set>

#include "option_table.h"
#include "quoted_text.h"
#include "scenario.h"

namespace vireflu {

namespace {

OptionError Refuse(std::string message) {
    return OptionError{std::move(message)};
}

std::optional<OptionError> CheckWinding(const std::string& winding, const WindingOptions& w) {
    const std::string option = "--" + winding + "-waveform";
    if (!w.waveform) return std::nullopt;
    if (w.phases == 0)
        return Refuse(option + " needs --" + winding +
                      "-phases 1..3: the panel offers no waveform while phase 1 is off");
    if (*w.waveform == kWaveformContinu && w.phases != 1)
        return Refuse(option + " continu needs --" + winding +
                      "-phases 1: \"continu\" switches phases 2 and 3 off");
    if (*w.waveform == kWaveformRectangulaire && w.phases != 3)
        return Refuse(option + " rectangulaire needs --" + winding +
                      "-phases 3: \"rectangulaire\" switches all three phases on");
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
        if ((stator ? o.stator : o.rotor).phases == 0)
            return Refuse("--panel " + winding +
                          " has no phase picture to draw while phase 1 is off: give --" + winding +
                          "-phases 1..3");
    }
    if (!o.statePath && !o.outputPath && !o.framesDir && !o.animationPath && !o.panel)
        return Refuse("nothing to write: give --state, --output, --frames, --animation or --panel");
    return std::nullopt;
}

// --period stands for the ticks of one period of the settings the records will carry.
std::optional<OptionError> SetPeriodTicks(RenderOptions& o, const std::set<std::string>& given) {
    if (!o.period) return std::nullopt;
    if (given.contains("--ticks"))
        return Refuse("--period cannot be given with --ticks: it sets the ticks itself");
    const std::optional<int> period = ScenarioPeriodTicks(o);
    if (!period)
        return Refuse("--period finds no period: only continu supplies, 0 Hz or nothing is on");
    o.ticks = *period - 1;
    return std::nullopt;
}

}  // namespace

std::variant<RenderOptions, OptionError> ParseRenderOptions(const std::vector<std::string>& args) {
    const std::vector<CommandOption> known = CommandOptions();
    RenderOptions options;
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--"))
            return Refuse("unexpected argument " + Quoted(arg) +
                          ": options start with --, see --help");
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto option = std::find_if(known.begin(), known.end(),
                                         [&](const CommandOption& o) { return o.name == name; });
        if (option == known.end()) return Refuse("unknown option " + Quoted(name) + ": see --help");
        if (!given.insert(name).second) return Refuse(name + " is given twice");
        if (option->metavar.empty()) {
            if (equals != std::string::npos) return Refuse(name + " takes no value");
            option->set(options, "");
            continue;
        }
        std::string value;
        if (equals != std::string::npos)
            value = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            return Refuse(name + " needs a value: " + option->accepts);
        if (!option->set(options, value))
            return Refuse(name + " accepts " + option->accepts + ", not " + Quoted(value));
    }
    if (options.help) return options;
    if (auto refused = CheckWinding("stator", options.stator)) return *refused;
    if (auto refused = CheckWinding("rotor", options.rotor)) return *refused;
    if (auto refused = CheckOutputs(options, given)) return *refused;
    if (auto refused = SetPeriodTicks(options, given)) return *refused;
    return options;
}

}  // namespace vireflu
