// Every kind of input the panels could not produce, or the program could not honour, is
// refused before anything is written: one short line on standard error naming the option,
// exit 2, and not a single file written, not even the outputs that were fine.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "quoted_text.h"
#include "tool_runner.h"

namespace {

struct Refusal {
    const char* name;
    // "@" stands for the test's scratch folder.
    QStringList args;
    const char* option;  // what the message must show: the option, or the value as quoted
};

// Outputs that would be written if the run went ahead.
const QStringList kOutputs{"--state",    "@/state.json", "--output",
                           "@/view.png", "--frames",     "@/frames"};

QStringList WithOutputs(QStringList args) {
    return kOutputs + args;
}

const Refusal kRefusals[] = {
    // Combinations the panels cannot produce.
    {"ContinuWithTwoPhases", WithOutputs({"--stator-phases", "2", "--stator-waveform", "continu"}),
     "--stator-waveform"},
    {"WaveformWithNoPhase", WithOutputs({"--rotor-waveform", "sinus"}), "--rotor-waveform"},
    {"PanelWithPhase1Off", WithOutputs({"--panel", "stator", "--panel-output", "@/panel.png"}),
     "--panel"},
    {"PanelFileWithoutPanel", WithOutputs({"--panel-output", "@/panel.png"}), "--panel-output"},
    {"PictureSizeWithoutPanel", WithOutputs({"--picture-size", "50x30"}), "--picture-size"},
    // Values out of range, beyond the limits, malformed, or long (shortened to head and tail).
    {"AngleAbove360", WithOutputs({"--rotor-angles", "0,120,361"}), "--rotor-angles"},
    {"UnknownLesson", WithOutputs({"--lesson", "nope"}), "'nope'"},
    {"UnknownPanel", WithOutputs({"--panel", "left"}), "accepts stator or rotor, not 'left'"},
    {"LessonBesideSetup", WithOutputs({"--lesson", "une-phase", "--setup", "@/s.vireflu"}),
     "--lesson"},
    {"EmptyView", WithOutputs({"--size", "0x560"}), "--size"},
    {"ViewBeyond16384", WithOutputs({"--size", "16385x560"}), "--size"},
    {"TicksBeyondTenMillion", WithOutputs({"--ticks", "10000001"}), "--ticks"},
    {"FrequencyAbove100", WithOutputs({"--rotor-frequency", "101"}), "--rotor-frequency"},
    {"FivePolePairs", WithOutputs({"--pole-pairs", "5"}),
     "--pole-pairs accepts a whole number 1..4"},
    {"CoilWiderThanAPole", WithOutputs({"--slots-per-pole-per-phase", "2", "--coil-pitch", "7"}),
     "--coil-pitch accepts 1..6 with --slots-per-pole-per-phase 2"},
    {"RotorWithoutResistance", WithOutputs({"--rotor-cage", "--equivalent-circuit", "1,2,0,2,50"}),
     "--equivalent-circuit accepts five numbers 0..1000 separated by commas, only R1 may be 0"},
    {"MissingValue", WithOutputs({"--ticks"}), "--ticks"},
    {"LongValue", WithOutputs({"--rotor-frequency", QString(56, 'h') + QString(999, 'm') + "t"}),
     "h...mmmmmmmmmmmmmmmmmmmt' (1056 bytes)"},
    // Unknown, repeated or misused options and names.
    {"UnknownOption", WithOutputs({"-x"}), "'-x'"},
    {"StrayArgument", WithOutputs({"view.png"}), "view.png"},
    {"ShortHelpWithValue", WithOutputs({"-h=x"}), "-h takes no value"},
    {"ShortVersionWithValue", WithOutputs({"-v=x"}), "-v takes no value"},
    {"RepeatedOption", WithOutputs({"--ticks", "1", "--ticks", "2"}), "--ticks"},
    // Outputs that cannot be written, beside outputs that could.
    {"OutputNamesAFolder", {"--state", "@/state.json", "--output", "@"}, "--output"},
    {"FramesInMissingParent", {"--state", "@/state.json", "--frames", "@/m/frames"}, "--frames"},
    // The kernel resolves "m/..", which needs m: the path is not cleaned into "@/s.json".
    {"DotDotAfterMissingFolder", {"--output", "@/v.png", "--state", "@/m/../s.json"}, "--state"},
    {"NameOverNameMax", {"--state", "@/s.json", "--output", "@/" + QString(256, 'n')}, "--output"},
    {"TwoOutputsOneFile",
     {"--state", "@/s.json", "--output", "@/v.png", "--measures", "@//v.png"},
     "--measures"},
    {"OutputIsTheNewFramesFolder", {"--frames", "@/f", "--output", "@/f"}, "--frames"},
    {"OutputInTheFramesFolder", {"--frames", "@", "--state", "@/s.json"}, "--frames"},
    {"OutputOnStandardOutput", {"--state", "@/s.json", "--output", "-"}, "--output"},
    // Even where permissions would let root through, a file that cannot be created is refused.
    {"OutputOnProcFilesystem", {"--state", "@/s.json", "--output", "/proc/v.png"}, "--output"},
    {"NothingToWrite", {"--ticks", "5"}, "--state"},
    // Animations: a period that does not exist, a delay out of range, an unwritable file.
    {"PeriodWithNothingOn", WithOutputs({"--period"}), "--period"},
    {"PeriodWithTicks", WithOutputs({"--stator-phases", "1", "--period", "--ticks", "3"}),
     "--period"},
    // Setups that cannot be read or are not setups (the program itself: too large).
    {"SetupIsAFolder", WithOutputs({"--setup", "@"}), "--setup"},
    {"SetupTooLarge", WithOutputs({"--setup", VIREFLU_RENDER_PATH}), "larger than 64 KiB"},
    {"LinkAndStateOnStandardOutput", {"--link", "--state", "-"}, "--link"},
    {"DelayBelowTen", WithOutputs({"--animation", "@/a.gif", "--frame-delay", "9"}),
     "--frame-delay"},
    {"DelayOverTenSeconds", WithOutputs({"--animation", "@/a.gif", "--frame-delay", "10001"}),
     "--frame-delay"},
    {"DelayWithoutAnimation", WithOutputs({"--frame-delay", "100"}), "--frame-delay"},
    {"AnimationInMissingFolder", WithOutputs({"--animation", "@/m/a.gif"}), "--animation"},
    // Packages: a course of lessons that do not exist, a course file that is none, a page
    // that is not one.
    {"ScormWithoutCourse", WithOutputs({"--scorm", "@/c.zip"}), "--scorm needs --course"},
    {"CourseOfUnknownLesson", {"--scorm", "@/c.zip", "--course", "trois-phases,,x"},
     "--course 'trois-phases,,x': ','"},
    {"CourseFileIsTheProgram", {"--scorm", "@/c.zip", "--course", VIREFLU_RENDER_PATH ".json"},
     "--course"},
    {"PageIsTheProgram",
     {"--scorm", "@/c.zip", "--course", "glissement", "--page", VIREFLU_RENDER_PATH},
     "--page"},
};

class RefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, OneLineNamingTheOptionExitTwoAndNoFile) {
    const Scratch scratch;
    QStringList args = GetParam().args;
    for (QString& arg : args) arg.replace("@", scratch.Root());

    const ToolRun run = RunTool(args);

    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_LT(run.err.size(), 300u) << run.err;
    EXPECT_TRUE(run.err.ends_with("\n")) << run.err;
    EXPECT_NE(run.err.find(GetParam().option), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(scratch.Entries(), QStringList()) << "written despite the refusal";
}

INSTANTIATE_TEST_SUITE_P(EachBadInput, RefusalTest, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<Refusal>& row) { return row.param.name; });

// -h and --help list every option (alone or after its short form), -v and --version the version.
TEST(HelpTest, ShortAndLongFormsOnStandardOutput) {
    const QString options =
        "--stator-phases --stator-angles --stator-frequency --stator-waveform --rotor-phases "
        "--rotor-angles --rotor-frequency --rotor-waveform --rotation --initial-position "
        "--presentation --colour-map --ticks --size --state --output --frames --panel "
        "--animation --frame-delay --period --panel-output --picture-size --help --version";
    for (const char* form : {"--help", "-h"}) {
        const ToolRun run = RunTool({form});
        EXPECT_EQ(run.exitCode, 0);
        // Wrapped for a terminal: 78 columns after the indent, so no line reaches 90 bytes.
        EXPECT_FALSE(std::regex_search(run.out, std::regex("[^\n]{90}")));
        for (const QString& option : options.split(' '))
            EXPECT_TRUE(std::regex_search(run.out,
                                          std::regex("(\n  |, )" + option.toStdString() + "[ \n]")))
                << option.toStdString();
    }
    for (const char* form : {"--version", "-v"})
        EXPECT_EQ(RunTool({form}).out, "vireflu-render " VIREFLU_VERSION "\n");
}

// How a refusal shows a value, byte by byte: well-formed UTF-8 as itself, the rest escaped.
TEST(QuotedTextTest, CharactersAsThemselvesOrEscaped) {
    const std::pair<const char*, const char*> rows[] = {
        {"\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80", "'\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80'"},
        {"a\\b\tc\x1b", "'a\\\\b\\tc\\x1b'"},
        {"\xed\xa0\x80", "'\\xed\\xa0\\x80'"},           // U+D800, a surrogate
        {"\xc2\x85", "'\\xc2\\x85'"},                    // U+0085, a C1 control
        {"\xe0\x80\xaf", "'\\xe0\\x80\\xaf'"},           // "/" in three bytes
        {"\xf4\x90\x80\x80", "'\\xf4\\x90\\x80\\x80'"},  // past U+10FFFF
        {"\xe2\x82z", "'\\xe2\\x82z'"},                  // cut short
    };
    for (const auto& [value, shown] : rows) EXPECT_EQ(vireflu::Quoted(value), shown);
    EXPECT_EQ(vireflu::EscapeControls("a\\b\n\xff"), "a\\b\\n\\xff");
}

}  // namespace
