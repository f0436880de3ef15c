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
