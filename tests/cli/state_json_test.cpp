// The state JSON: each option reaches the run it names, and numbers read back exactly.
// The values themselves are the core's, tested there.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "tool_runner.h"

namespace {

std::vector<int> Ints(const QJsonValue& value) {
    std::vector<int> ints;
    for (const QJsonValue& item : value.toArray()) ints.push_back(item.toInt(-1));
    return ints;
}

// At clock zero each phase's angle alone decides its levels: 0, 120 and 240 degrees give
// (32, 32), (59, 4) and (4, 59); "continu" puts phase 1 at (64, 0).
TEST(StateJsonTest, WindingOptionsReachTheirPhases) {
    const QJsonObject json = RunForState({"--stator-phases", "3", "--stator-angles", "0,120,240",
                                          "--rotor-phases", "1", "--rotor-waveform", "continu",
                                          "--size", "400x300", "--presentation", "trace"});
    EXPECT_EQ(Ints(json["statorConductorLevel"]), (std::vector<int>{32, 32, 59, 4, 4, 59}));
    EXPECT_EQ(Ints(json["rotorConductorLevel"]), (std::vector<int>{64, 0, 32, 32, 32, 32}));
    const QJsonObject g = json["geometry"].toObject();
    EXPECT_EQ((std::vector{g["clientWidth"].toInt(), g["clientHeight"].toInt()}),
              (std::vector{400, 300}));
    EXPECT_EQ(json["traceCount"].toInt(), 4);  // one point per frame: four commands
    EXPECT_EQ(json["airGapLevel"].toArray().size(), 180);
}

// Two ticks of 0.0005 s at each winding's own pulsation; the rotor turns from its initial
// position at its rotation frequency.
TEST(StateJsonTest, FrequenciesAndRotationDriveTheClock) {
    const QJsonObject json =
        RunForState({"--stator-phases", "1", "--stator-frequency", "20", "--rotor-frequency", "100",
                     "--rotation", "10", "--initial-position", "90", "--ticks", "2"});
    EXPECT_NEAR(json["elapsedTime"].toDouble(), 0.001, 1e-15);
    EXPECT_NEAR(json["statorAngle"].toDouble(), 0.001 * 20 * 6.28318, 1e-12);
    EXPECT_NEAR(json["rotorAngle"].toDouble(), 0.001 * 100 * 6.28318, 1e-12);
    EXPECT_NEAR(json["rotorPosition"].toDouble(), 1.570795 + 0.001 * 10 * 6.28318, 1e-12);
}

// The README's synchronous machine: its field turns counterclockwise, as the rotor does, and
// the rotor keeps step with it; a single coil's field pulsates, with a slip against each half.
TEST(StateJsonTest, SignedSlipOfTheReadmeMachine) {
    const QJsonObject m =
        RunForState({"--stator-phases", "3", "--stator-angles", "0,240,120", "--rotor-phases", "1",
                     "--rotor-waveform", "continu", "--rotation", "50", "--presentation", "couple",
                     "--period"})["measures"]
            .toObject();
    EXPECT_EQ(m["fieldSense"].toString(), "counterclockwise");
    EXPECT_EQ(m["fieldRpm"].toDouble(), 3000);
    EXPECT_NEAR(m["slip"].toDouble(-1), 0, 1e-12);
    const QJsonObject single =
        RunForState({"--stator-phases", "1", "--rotation", "25"})["measures"].toObject();
    EXPECT_EQ(single["fieldSense"].toString(), "pulsating");
    EXPECT_TRUE(single["slip"].isNull());
    EXPECT_NEAR(single["slipPlus"].toDouble(), 0.5, 1e-12);
    EXPECT_NEAR(single["slipMinus"].toDouble(), 1.5, 1e-12);
}

// The winding's options reach the machine and its figures (the core checks the values);
// without --coil-pitch the coils are full-pitch.
TEST(StateJsonTest, WindingOptionsReachTheMachineAndItsHarmonics) {
    const QJsonObject json = RunForState({"--pole-pairs", "2", "--slots-per-pole-per-phase", "2",
                                          "--coil-pitch", "5", "--stator-phases", "3"});
    const QJsonObject machine = json["machine"].toObject();
    EXPECT_EQ((std::vector{machine["polePairs"].toInt(), machine["slots"].toInt(),
                           machine["coilPitch"].toInt()}),
              (std::vector{2, 24, 5}));
    const QJsonObject m = json["measures"].toObject();
    EXPECT_EQ(m["synchronousRpm"].toDouble(), 1500);
    EXPECT_NEAR(m["windingFactors"][1]["winding"].toDouble(), 0.067, 5e-4);  // order 5
    EXPECT_EQ(m["mmfHarmonics"][1]["rpm"].toDouble(), -300);
    const QJsonObject full = RunForState({"--slots-per-pole-per-phase", "3"})["machine"].toObject();
    EXPECT_EQ(full["coilPitch"].toInt(), 9);
}

// A cage rotor reports the circuit's figures at the slip played: the textbook's 460 V, 60 Hz
// four-pole motor at 1440 tr/min (g = 0.2) sits beside its largest torque (the core checks
// the values); the cage's figures are absent without a cage.
TEST(StateJsonTest, CageRotorReportsItsCircuit) {
    const QStringList machine = {"--stator-phases",    "3",  "--stator-angles", "0,240,120",
                                 "--stator-frequency", "60", "--pole-pairs",    "2",
                                 "--rotation",         "24"};
    const auto induction = [](const QJsonObject& state) {
        return state["measures"].toObject().value("induction");
    };
    const QJsonObject cage =
        induction(RunForState(machine + QStringList{"--rotor-cage", "--equivalent-circuit",
                                                    "0.641,1.106,0.332,0.464,26.3",
                                                    "--line-voltage", "460"}))
            .toObject();
    EXPECT_NEAR(cage["slip"].toDouble(), 0.2, 1e-9);
    EXPECT_NEAR(cage["torqueNm"].toDouble(), 230.8, 0.05);
    EXPECT_NEAR(cage["maxTorqueNm"].toDouble(), 230.8, 0.05);
    EXPECT_EQ(cage["rotorRpm"].toDouble(), 1440);
    EXPECT_TRUE(induction(RunForState(machine)).isUndefined());
}

// A lesson's setup is the start the options override, and the answer follows what is played.
TEST(StateJsonTest, LessonAnswerOfTheSetupPlayed) {
    const ToolRun ids = RunTool({"--lessons"});
    EXPECT_EQ(ids.out.substr(0, ids.out.find('\n')), "une-phase");
    const QJsonObject lesson = RunForState({"--lesson", "glissement"})["lesson"].toObject();
    EXPECT_EQ(lesson["quantity"].toString(), "slip");
    EXPECT_NEAR(lesson["value"].toDouble(), 0.04, 1e-12);
    EXPECT_EQ(lesson["rightChoice"].toInt(-1), 1);
    const QJsonObject faster =
        RunForState({"--lesson", "glissement", "--rotation", "50"})["lesson"].toObject();
    EXPECT_NEAR(faster["value"].toDouble(-1), 0, 1e-12);
    EXPECT_EQ(faster["rightChoice"].toInt(-1), 0);
    // The verdict and the window agree: the synchronous machine's stator field leads the
    // rotor's by 60 degrees and pushes it counterclockwise, torque +0.9 sin 60 > 0, while
    // the bar's own figure, up for clockwise, is its opposite.
    const QJsonObject synchronous = RunForState({"--lesson", "machine-synchrone"});
    EXPECT_EQ(synchronous["lesson"].toObject()["value"].toString(), "antihoraire");
    EXPECT_NEAR(synchronous["measures"].toObject()["torque"].toDouble(), 0.779, 1e-3);
    // A six-step stator's harmonic fields at n times the fundamental's +3000 rpm.
    const QJsonObject harmonics = RunForState({"--lesson", "harmonique-5"})["measures"].toObject();
    EXPECT_GT(harmonics["statorDirectShare"].toDouble(), 1);
    const std::pair<const char*, double> speeds[] = {{"sixStepHarmonic5Rpm", -15000},
                                                     {"sixStepHarmonic7Rpm", 21000},
                                                     {"sixStepHarmonic11Rpm", -33000},
                                                     {"sixStepHarmonic13Rpm", 39000}};
    for (const auto& [key, rpm] : speeds) EXPECT_NEAR(harmonics[key].toDouble(), rpm, 1e-6) << key;
}

// Shortest exact forms: the fortieth tick at 50 Hz leaves 2^-50; a torque of 0 / 0 is null.
// /dev/stdout names the standard output, here a pipe, written directly.
TEST(StateJsonTest, NumbersReadBackExactly) {
    const ToolRun run =
        RunTool({"--stator-phases", "1", "--ticks", "40", "--state", "/dev/stdout"});
    EXPECT_NE(run.out.find("\"statorAngle\": 8.881784197001252e-16,"), std::string::npos);
    EXPECT_NE(run.out.find("\"rotorPosition\": 0,"), std::string::npos);
    const QJsonObject tiny = RunForState({"--size", "2x2", "--stator-phases", "1", "--rotor-phases",
                                          "1", "--presentation", "vecteur"});
    EXPECT_TRUE(tiny["torqueValue"].isNull());
}

}  // namespace
