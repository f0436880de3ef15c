#include "option_table.h"

#include <span>

#include "lessons/lesson_library.h"
#include "option_values.h"

namespace vireflu {

namespace {

constexpr int kMaxSide = 16384;
constexpr int kMinDelayMs = 10;
constexpr int kMaxDelayMs = 10'000;

constexpr Named<Winding> kPanels[] = {
    {"stator", Winding::Stator},
    {"rotor", Winding::Rotor},
};

template <typename T>
std::string NameList(std::span<const Named<T>> names) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) list += i + 1 == names.size() ? " or " : ", ";
        list += names[i].name;
    }
    return list;
}

template <typename T>
std::vector<std::string> Choices(std::span<const Named<T>> names) {
    std::vector<std::string> choices;
    for (const Named<T>& named : names) choices.emplace_back(named.name);
    return choices;
}

using Setter = decltype(CommandOption::set);

template <typename Field>
Setter WholeNumber(Field field, int min, int max) {
    return [=](RenderOptions& o, const std::string& text) {
        const std::optional<int> value = ParseWholeNumber(text, min, max);
        if (value) field(o) = *value;
        return value.has_value();
    };
}

template <typename Field>
Setter DecimalNumber(Field field, double min, double max) {
    return [=](RenderOptions& o, const std::string& text) {
        const std::optional<double> value = ParseDecimal(text, min, max);
        if (value) field(o) = *value;
        return value.has_value();
    };
}

template <typename Field, typename T>
Setter Name(Field field, std::span<const Named<T>> names) {
    return [=](RenderOptions& o, const std::string& text) {
        for (const Named<T>& named : names) {
            if (text == named.name) {
                field(o) = named.value;
                return true;
            }
        }
        return false;
    };
}

template <typename Field>
Setter Size(Field field) {
    return [=](RenderOptions& o, const std::string& text) {
        const std::optional<PixelSize> size = ParsePixelSize(text, kMaxSide);
        if (size) field(o) = *size;
        return size.has_value();
    };
}

template <typename Field>
Setter Path(Field field) {
    return [=](RenderOptions& o, const std::string& text) {
        if (!text.empty()) field(o) = text;
        return !text.empty();
    };
}

void AddWindingOptions(std::vector<CommandOption>& options, const std::string& winding,
                       WindingSetup Setup::*member, std::span<const Named<int>> waveforms,
                       const std::string& waveformRule) {
    const auto field = [member](auto pick) {
        return [member, pick](RenderOptions& o) -> decltype(auto) { return pick(o.setup.*member); };
    };
    const std::string prefix = "--" + winding + "-";
    options.push_back({prefix + "phases",
                       "N",
                       "How many " + winding + " phases are on, phase 1 first",
                       "a whole number 0..3",
                       "0",
                       {},
                       WholeNumber(field([](WindingSetup& w) -> int& { return w.phases; }), 0, 3)});
    options.push_back({prefix + "angles",
                       "A1,A2,A3",
                       "The " + winding + " phase angles, as typed in the panel",
                       "three whole numbers of degrees 0..360, separated by commas",
                       "0,0,0",
                       {},
                       [member](RenderOptions& o, const std::string& text) {
                           const auto angles = ParseTriple(text, 0, kMaxDeg);
                           if (angles) (o.setup.*member).anglesDeg = *angles;
                           return angles.has_value();
                       }});
    options.push_back(
        {prefix + "frequency",
         "HZ",
         "The " + winding + " supply frequency",
         "a whole number of hertz 0..100",
         "50",
         {},
         WholeNumber(field([](WindingSetup& w) -> int& { return w.frequencyHz; }), 0, kMaxHz)});
    options.push_back(
        {prefix + "waveform", "NAME", "The " + winding + " waveform; " + waveformRule,
         NameList(waveforms), "sinus", Choices(waveforms),
         Name(field([](WindingSetup& w) -> std::optional<int>& { return w.waveform; }),
              waveforms)});
}

}  // namespace

std::vector<CommandOption> CommandOptions() {
    std::vector<CommandOption> options;
    options.push_back({"--setup",
                       "FILE",
                       "Start from a setup file, as the program saves it (see the setup format); "
                       "the options given beside it override its values, and its ticks stand "
                       "for --ticks",
                       "a file name",
                       "",
                       {},
                       Path([](RenderOptions & o) -> auto& { return o.setupPath; })});
    std::vector<std::string> lessonIds;
    for (const Lesson& lesson : ShippedLessons()) lessonIds.push_back(lesson.id);
    options.push_back({"--lesson", "ID",
                       "Start from a lesson's setup, at the clock's zero (see the lesson format); "
                       "the options given beside it override its values, and --state then "
                       "carries the lesson's quantity, its value and the right choice",
                       "an id that --lessons lists", "", lessonIds,
                       [](RenderOptions& o, const std::string& id) {
                           const Lesson* lesson = FindLesson(id);
                           if (lesson == nullptr) return false;
                           o.setup = lesson->setup;
                           o.lessonId = id;
                           return true;
                       }});
    options.push_back({"--lessons",
                       "",
                       "Print the ids of the lessons, one per line, and exit",
                       "",
                       "",
                       {},
                       [](RenderOptions& o, const std::string&) { return o.listLessons = true; }});
    AddWindingOptions(options, "stator", &Setup::stator, kStatorWaveformNames,
                      "continu needs 1 phase, rectangulaire 3, and none is given with 0 phases");
    AddWindingOptions(options, "rotor", &Setup::rotor, kRotorWaveformNames,
                      "continu needs 1 phase, and none is given with 0 phases");
    options.push_back(
        {"--rotation",
         "HZ",
         "The rotor's rotation frequency",
         "a whole number of hertz 0..100",
         "0",
         {},
         WholeNumber([](RenderOptions& o) -> int& { return o.setup.rotor.rotationHz; }, 0,
                     kMaxHz)});
    options.push_back(
        {"--initial-position",
         "DEG",
         "The rotor's position at clock zero",
         "a whole number of degrees 0..360",
         "0",
         {},
         WholeNumber([](RenderOptions& o) -> int& { return o.setup.rotor.initialPositionDeg; }, 0,
                     kMaxDeg)});
    options.push_back(
        {"--pole-pairs",
         "P",
         "The stator winding's pole pairs: 2 for a four-pole machine",
         "a whole number 1..4",
         "1",
         {},
         WholeNumber([](RenderOptions& o) -> int& { return o.setup.winding.polePairs; }, 1,
                     kMaxPolePairs)});
    options.push_back(
        {"--slots-per-pole-per-phase",
         "Q",
         "The stator's slots per pole and per phase (6 P Q slots in all)",
         "a whole number 1..4",
         "1",
         {},
         WholeNumber([](RenderOptions& o) -> int& { return o.setup.winding.slotsPerPolePerPhase; },
                     1, kMaxSlotsPerPolePerPhase)});
    options.push_back(
        {"--coil-pitch",
         "W",
         "The coils' width in slots: 3 Q is full pitch, less a short pitch in two layers",
         "a whole number of slots 1..3 Q",
         "3 Q",
         {},
         WholeNumber([](RenderOptions& o) -> int& { return o.setup.winding.coilPitch; }, 1,
                     3 * kMaxSlotsPerPolePerPhase)});
    options.push_back(
        {"--cut-phase",
         "N",
         "The phase whose line is cut, its coil kept: the two others carry opposite "
         "currents; 0 cuts none",
         "a whole number 0..3",
         "0",
         {},
         WholeNumber([](RenderOptions& o) -> int& { return o.setup.winding.cutPhase; }, 0, 3)});
    options.push_back(
        {"--rotor-cage",
         "",
         "A squirrel-cage rotor instead of the fed one: its currents are induced by the slip",
         "",
         "",
         {},
         [](RenderOptions& o, const std::string&) { return o.setup.cage.on = true; }});
    options.push_back({"--equivalent-circuit",
                       "R1,X1,R2,X2,XM",
                       "The cage's per-phase equivalent circuit referred to the stator, in ohms",
                       "five numbers 0..1000 separated by commas, only R1 may be 0",
                       "2,2.8,1.8,3.5,90",
                       {},
                       [](RenderOptions& o, const std::string& text) {
                           const auto ohms = ParseDecimals(text, 5, 0, kMaxOhms);
                           if (!ohms) return false;
                           EquivalentCircuit c = o.setup.cage.circuit;
                           for (std::size_t i = 0; i < kCircuitOhms.size(); ++i)
                               c.*kCircuitOhms[i] = (*ohms)[i];
                           if (!InRange(c)) return false;
                           o.setup.cage.circuit = c;
                           return true;
                       }});
    options.push_back(
        {"--free-rotor",
         "",
         "With --rotor-cage, the rotor finds its own speed: J dw/dt = T - T_load, "
         "from the rotation given",
         "",
         "",
         {},
         [](RenderOptions& o, const std::string&) { return o.setup.cage.free = true; }});
    options.push_back(
        {"--inertia",
         "J",
         "The free rotor's inertia, in kg m^2",
         "a number 0.0001..100",
         "0.02",
         {},
         DecimalNumber([](RenderOptions& o) -> double& { return o.setup.cage.inertia; },
                       kMinInertia, kMaxInertia)});
    options.push_back(
        {"--load-torque",
         "T",
         "The free rotor's constant load torque against the field, in N m",
         "a number -10000..10000",
         "0",
         {},
         DecimalNumber([](RenderOptions& o) -> double& { return o.setup.cage.loadNm; }, -kMaxLoadNm,
                       kMaxLoadNm)});
    options.push_back(
        {"--line-voltage",
         "V",
         "The cage machine's line voltage, star-connected",
         "a number of volts 1..10000",
         "400",
         {},
         DecimalNumber([](RenderOptions& o) -> double& { return o.setup.cage.circuit.lineVoltage; },
                       1, kMaxLineVoltage)});
    options.push_back({"--presentation", "NAME",
                       "The \"Représentation\" command: entrefer is \"Entrefer:couleur\", fmm "
                       "\"Forces magnéto-motrices\"",
                       NameList<Presentation>(kPresentationNames), "entrefer",
                       Choices<Presentation>(kPresentationNames),
                       Name([](RenderOptions& o) -> Presentation& { return o.setup.presentation; },
                            std::span<const Named<Presentation>>(kPresentationNames))});
    options.push_back({"--colour-map", "NAME", "The \"Couleur\" command",
                       NameList<ColourMapKind>(kColourMapNames), "bleu-noir-rouge",
                       Choices<ColourMapKind>(kColourMapNames),
                       Name([](RenderOptions& o) -> ColourMapKind& { return o.setup.colourMap; },
                            std::span<const Named<ColourMapKind>>(kColourMapNames))});
    options.push_back(
        {"--ticks",
         "N",
         "Clock ticks played after the two records",
         "a whole number 0..10000000",
         "0",
         {},
         WholeNumber([](RenderOptions& o) -> int& { return o.setup.ticks; }, 0, kMaxTicks)});
    options.push_back({"--size",
                       "WxH",
                       "The view's client size in pixels",
                       "WIDTHxHEIGHT, each side a whole number 1..16384",
                       "600x560",
                       {},
                       Size([](RenderOptions& o) -> PixelSize& { return o.size; })});
    options.push_back({"--state",
                       "FILE",
                       "Write the state after the run as JSON (see below)",
                       "a file name, or - for standard output",
                       "",
                       {},
                       Path([](RenderOptions & o) -> auto& { return o.statePath; })});
    options.push_back({"--output",
                       "FILE",
                       "Write the view after the run: SVG when FILE ends in .svg, PNG otherwise",
                       "a file name",
                       "",
                       {},
                       Path([](RenderOptions & o) -> auto& { return o.outputPath; })});
    options.push_back({"--frames",
                       "DIR",
                       "Write every frame from the rotor record on as PNG: frame-0000.png is the "
                       "frame before the first tick, frame-0001.png the one after it, and so on "
                       "(4 digits at least); DIR is created if missing, its parent must exist",
                       "a folder name",
                       "",
                       {},
                       Path([](RenderOptions & o) -> auto& { return o.framesDir; })});
    options.push_back({"--animation",
                       "FILE",
                       "Write the frames from the rotor record on (the one before the first "
                       "tick to the last tick) as one animated GIF that loops forever; its "
                       "palette holds the frames' colours exactly, and a frame is stored as the "
                       "part that changed",
                       "a file name",
                       "",
                       {},
                       Path([](RenderOptions & o) -> auto& { return o.animationPath; })});
    options.push_back(
        {"--frame-delay",
         "MS",
         "How long each frame of --animation is shown; GIF counts hundredths of a second, "
         "and browsers show delays under 20 ms as 100 ms",
         "a whole number of milliseconds 10..10000",
         std::to_string(kTickPeriodMs) + ", the program's tick",
         {},
         WholeNumber([](RenderOptions& o) -> int& { return o.frameDelayMs; }, kMinDelayMs,
                     kMaxDelayMs)});
    options.push_back(
        {"--period",
         "",
         "Play one electrical period instead of --ticks: with N the whole number of ticks "
         "nearest to 1 / (f x 0.0005) for the stator's frequency f (the rotor's when the stator "
         "has no alternating supply), the ticks 0 to N-1, so that an animation loops without a "
         "jump or a repeated frame. Refused when only continu supplies, 0 Hz or nothing is on. "
         "With a turning rotor the picture repeats only if the rotor makes whole turns in "
         "the period, that is when --rotation is a multiple of f",
         "",
         "",
         {},
         [](RenderOptions& o, const std::string&) { return o.period = true; }});
    options.push_back({"--panel", "NAME",
                       "Write that panel's phase pictures as one PNG (needs --panel-output): one "
                       "picture per phase that is on, phase 3 at the top as in the panel, the "
                       "cursor at the winding's angle after the run; a panel whose phase 1 is off "
                       "shows no picture, so it is refused",
                       NameList<Winding>(kPanels), "", Choices<Winding>(kPanels),
                       Name([](RenderOptions& o) -> std::optional<Winding>& { return o.panel; },
                            std::span<const Named<Winding>>(kPanels))});
    options.push_back(
        {"--panel-output", "FILE", "The PNG file for --panel", "a file name", "", {}, Path([
         ](RenderOptions & o) -> auto& { return o.panelOutputPath; })});
    options.push_back({"--picture-size",
                       "WxH",
                       "The size of one phase picture, for --panel",
                       "WIDTHxHEIGHT, each side a whole number 1..16384",
                       "97x57",
                       {},
                       Size([](RenderOptions& o) -> PixelSize& { return o.pictureSize; })});
    options.push_back({"--measures",
                       "FILE",
                       "Write the \"Mesures\" window after the run (the air-gap curve and the "
                       "numbers): SVG when FILE ends in .svg, PNG otherwise",
                       "a file name",
                       "",
                       {},
                       Path([](RenderOptions & o) -> auto& { return o.measuresPath; })});
    options.push_back(
        {"--sequences",
         "",
         "Draw the two rotating fields (\"Deux champs tournants\") in the view",
         "",
         "",
         {},
         [](RenderOptions& o, const std::string&) { return o.setup.sequences = true; }});
    options.push_back(
        {"--projection",
         "",
         "The projector mode: vector, trace and curve lines three times thicker",
         "",
         "",
         {},
         [](RenderOptions& o, const std::string&) { return o.setup.projection = true; }});
    options.push_back({"--save-setup",
                       "FILE",
                       "Write the scenario as a setup file, which the program and --setup open",
                       "a file name",
                       "",
                       {},
                       Path([](RenderOptions & o) -> auto& { return o.saveSetupPath; })});
    options.push_back({"--link",
                       "",
                       "Print the scenario as the browser page's link: what follows '#' in the "
                       "page's address",
                       "",
                       "",
                       {},
                       [](RenderOptions& o, const std::string&) { return o.link = true; }});
    options.push_back({"--scorm",
                       "FILE",
                       "Write a SCORM 1.2 package of --course for a learning platform: the "
                       "browser page with the course built in, and its manifest",
                       "a file name",
                       "",
                       {},
                       Path([](RenderOptions & o) -> auto& { return o.scormPath; })});
    options.push_back({"--course", "ID,ID,...|FILE",
                       "The course of --scorm: shipped lessons' ids in order, or a course file "
                       "(a name with '/' or ending in .json)",
                       "ids that --lessons lists, or a course file", "", lessonIds,
                       // Read before the other options, as --setup is.
                       [](RenderOptions&, const std::string&) { return true; }});
    options.push_back(
        {"--page",
         "FILE",
         "The browser page --scorm packages, when not the one found in $VIREFLU_PAGE, "
         "beside the program or in this source tree",
         "a file name",
         "",
         {},
         Path([](RenderOptions & o) -> auto& { return o.pagePath; })});
    return options;
}

}  // namespace vireflu
