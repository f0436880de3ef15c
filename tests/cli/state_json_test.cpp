// The state JSON after hand-worked scenarios: the clock's arithmetic and its wrap, the
// layout, the levels, and the field vector with its torque.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include <QJsonArray>

#include "tool_runner.h"

namespace {

std::vector<int> Ints(const QJsonValue& value) {
    std::vector<int> ints;
    for (const QJsonValue& item : value.toArray()) ints.push_back(item.toInt(-1));
    return ints;
}

const QStringList kThreePhases{"--stator-phases", "3", "--stator-angles", "0,120,240"};

TEST(ClockTest, ThirtyNineTicksAt50HzStopJustBelowOneTurn) {
    const QJsonObject json = RunForState(kThreePhases + QStringList{"--ticks", "39"});
    // 39 steps of 0.0005 x 314.159 = 0.1570795 rad.
    EXPECT_EQ(json["statorAngle"].toDouble(), 6.126100500000001);
    // A rotor panel never touched still sends its 50 Hz.
    EXPECT_EQ(json["rotorAngle"].toDouble(), 6.126100500000001);
    EXPECT_NEAR(json["elapsedTime"].toDouble(), 39 * 0.0005, 1e-15);
    EXPECT_EQ(json["rotorPosition"].toDouble(-1), 0);
}

TEST(ClockTest, FortiethTickWrapsToOneUnitInTheLastPlace) {
    const QJsonObject json = RunForState(kThreePhases + QStringList{"--ticks", "40"});
    // The 40th step lands one unit in the last place above 6.28318, which is subtracted.
    EXPECT_EQ(json["statorAngle"].toDouble(), std::ldexp(1.0, -50));
}

TEST(ClockTest, DoublesAreWrittenInTheirShortestExactForm) {
    const ToolRun before = RunTool(kThreePhases + QStringList{"--ticks", "39", "--state", "-"});
    EXPECT_NE(before.out.find("\"statorAngle\": 6.126100500000001,"), std::string::npos);
    EXPECT_NE(before.out.find("\"rotorPosition\": 0,"), std::string::npos);
    const ToolRun after = RunTool(kThreePhases + QStringList{"--ticks", "40", "--state", "-"});
    EXPECT_NE(after.out.find("\"statorAngle\": 8.881784197001252e-16,"), std::string::npos);
}

TEST(LayoutTest, FollowsTheViewSize) {
    // Radii are 0.35, 0.4 and 0.04 of the shorter side; the torque bar 0.8 of the height and
    // 0.05 of the width; all truncated.
    const QJsonObject g = RunForState({"--size", "600x560"})["geometry"].toObject();
    EXPECT_EQ(g["clientWidth"].toInt(), 600);
    EXPECT_EQ(g["clientHeight"].toInt(), 560);
    EXPECT_EQ(g["centreX"].toInt(), 300);
    EXPECT_EQ(g["centreY"].toInt(), 280);
    EXPECT_EQ(g["gapInnerRadius"].toInt(), 196);
    EXPECT_EQ(g["gapOuterRadius"].toInt(), 224);
    EXPECT_EQ(g["conductorHalfSize"].toInt(), 22);
    EXPECT_EQ(g["torqueSpan"].toInt(), 448);
    EXPECT_EQ(g["torqueBarRight"].toInt(), 30);
}

TEST(LevelTest, SinglePhaseAtItsPeak) {
    // Ten ticks at 50 Hz reach 1.570795: conductor pairs are (trunc(32 + 32 sin),
    // trunc(32 - 32 sin)), and sector i of the gap trunc((cos i + 1) x 32).
    const QJsonObject json = RunForState({"--stator-phases", "1", "--ticks", "10"});
    EXPECT_EQ(Ints(json["statorConductorLevel"]), (std::vector<int>{63, 0, 32, 32, 32, 32}));
    EXPECT_EQ(Ints(json["rotorConductorLevel"]), (std::vector<int>(6, 32)));
    for (const char* field : {"statorAirGapLevel", "rotorAirGapLevel", "airGapLevel"})
        EXPECT_EQ(json[field].toArray().size(), 180) << field;
    EXPECT_EQ(json["airGapLevel"][0].toInt(), 63);
    EXPECT_EQ(json["airGapLevel"][90].toInt(), 1);
    EXPECT_EQ(json["rotorAirGapLevel"][0].toInt(), 32);
}

const QStringList kBothContinuRotorAt90{"--stator-phases",    "1", "--stator-waveform", "continu",
                                        "--rotor-phases",     "1", "--rotor-waveform",  "continu",
                                        "--initial-position", "90"};

TEST(FieldTest, CoilsAtRightAnglesGiveTorque) {
    // At 600x560 a single coil's vector is 0.6 Ra = 117.6; at right angles the half-sum
    // is (58.8, -58.8) and the torque 0.6^2 x 2.5 = 0.9.
    const QJsonObject json =
        RunForState(kBothContinuRotorAt90 + QStringList{"--presentation", "couple"});
    EXPECT_EQ(Ints(json["resultant"]), (std::vector<int>{58, -58}));
    EXPECT_NEAR(json["torqueValue"].toDouble(-1), 0.9, 1e-9);
}

TEST(FieldTest, TorqueOfNoRadiusIsNull) {
    // A view under 3 pixels has Ra = 0: the torque is 0/0.
    const QJsonObject json = RunForState({"--size", "2x2", "--stator-phases", "1", "--rotor-phases",
                                          "1", "--presentation", "vecteur"});
    EXPECT_EQ(Ints(json["resultant"]), (std::vector<int>{0, 0}));
    EXPECT_TRUE(json["torqueValue"].isNull()) << json["torqueValue"].toDouble();
}

}  // namespace
