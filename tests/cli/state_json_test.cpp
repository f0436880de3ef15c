// The state JSON after hand-worked scenarios: the clock's arithmetic, the layout, the
// levels, the field vector and the trace, each as the panels' records and the ticks
// leave them.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>

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
    EXPECT_EQ(json["rotorPosition"].toDouble(), 0);
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

struct Supply {
    const char* name;
    QStringList args;
    const char* field;
    double expected;
};

void PrintTo(const Supply& row, std::ostream* os) {
    *os << row.name;
}

// Each row's value follows from the record the panel sends: degrees x 0.017453277777777776,
// hertz x 6.28318, and 0.0005 s per tick.
const Supply kSupplies[] = {
    {"InitialPositionOf90", {"--initial-position", "90"}, "rotorPosition", 1.570795},
    {"InitialPositionOf360IsOneTurn", {"--initial-position", "360"}, "rotorPosition", 6.28318},
    {"RotorPositionIsNeverWrapped",
     {"--initial-position", "360", "--rotation", "100", "--ticks", "2"},
     "rotorPosition",
     6.911498},
    {"StatorAt100Hz", {"--stator-frequency", "100", "--ticks", "1"}, "statorAngle", 0.314159},
    {"StatorAt0HzStands", {"--stator-frequency", "0", "--ticks", "5"}, "statorAngle", 0},
    {"RotorAt25Hz", {"--rotor-frequency", "25", "--ticks", "1"}, "rotorAngle", 0.07853975},
    // Set with phase 1 on, then phase 1 switched off: the panel still sends it.
    {"FrequencyKeptWithPhase1Off",
     {"--stator-phases", "0", "--stator-frequency", "10", "--ticks", "1"},
     "statorAngle",
     0.031415900000000004},
};

class SupplyTest : public testing::TestWithParam<Supply> {};

TEST_P(SupplyTest, ReachesTheState) {
    const QJsonObject json = RunForState(GetParam().args);
    EXPECT_EQ(json[GetParam().field].toDouble(-1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Records, SupplyTest, testing::ValuesIn(kSupplies),
                         [](const auto& row) { return row.param.name; });

struct Layout {
    const char* size;
    int width, height, centreX, centreY, inner, outer, halfSize, torqueSpan, torqueBarRight;
};

void PrintTo(const Layout& row, std::ostream* os) {
    *os << row.size;
}

// Radii are 0.35, 0.4 and 0.04 of the shorter side; the torque bar 0.8 of the height and
// 0.05 of the width; all truncated.
const Layout kLayouts[] = {
    {"600x560", 600, 560, 300, 280, 196, 224, 22, 448, 30},
    {"400x300", 400, 300, 200, 150, 105, 120, 12, 240, 20},
    {"300x300", 300, 300, 150, 150, 105, 120, 12, 240, 15},
    {"301x300", 301, 300, 150, 150, 105, 120, 12, 240, 15},
    {"2x2", 2, 2, 1, 1, 0, 0, 0, 1, 0},
    {"16384x1", 16384, 1, 8192, 0, 0, 0, 0, 0, 819},
};

class LayoutTest : public testing::TestWithParam<Layout> {};

TEST_P(LayoutTest, FollowsTheViewSize) {
    const Layout& l = GetParam();
    const QJsonObject g = RunForState({"--size", l.size})["geometry"].toObject();
    EXPECT_EQ(g["clientWidth"].toInt(), l.width);
    EXPECT_EQ(g["clientHeight"].toInt(), l.height);
    EXPECT_EQ(g["centreX"].toInt(), l.centreX);
    EXPECT_EQ(g["centreY"].toInt(), l.centreY);
    EXPECT_EQ(g["gapInnerRadius"].toInt(), l.inner);
    EXPECT_EQ(g["gapOuterRadius"].toInt(), l.outer);
    EXPECT_EQ(g["conductorHalfSize"].toInt(), l.halfSize);
    EXPECT_EQ(g["torqueSpan"].toInt(), l.torqueSpan);
    EXPECT_EQ(g["torqueBarRight"].toInt(), l.torqueBarRight);
}

INSTANTIATE_TEST_SUITE_P(Sizes, LayoutTest, testing::ValuesIn(kLayouts),
                         [](const auto& row) { return std::string("Size") + row.param.size; });

struct Levels {
    const char* name;
    QStringList args;
    std::vector<int> stator;
    std::vector<int> rotor;
};

void PrintTo(const Levels& row, std::ostream* os) {
    *os << row.name;
}

const std::vector<int> kNeutral{32, 32, 32, 32, 32, 32};

// Pairs are (trunc(32 + 32 sin), trunc(32 - 32 sin)); ten ticks at 50 Hz reach 1.570795.
const Levels kLevels[] = {
    {"NothingOn", {}, kNeutral, kNeutral},
    {"SinglePhaseAtItsPeak",
     {"--stator-phases", "1", "--ticks", "10"},
     {63, 0, 32, 32, 32, 32},
     kNeutral},
    {"ThreePhasesAtZero", kThreePhases, {32, 32, 59, 4, 4, 59}, kNeutral},
    // 360 degrees is 6.28318, a hair below a true turn: sin is slightly negative.
    {"AnglesOf360",
     {"--stator-phases", "3", "--stator-angles", "360,0,360"},
     {31, 32, 32, 32, 31, 32},
     kNeutral},
    {"TwoPhasesHalfATurnOn",
     {"--stator-phases", "2", "--stator-angles", "0,90,0", "--ticks", "10"},
     {63, 0, 32, 31, 32, 32},
     kNeutral},
    // Phases switched on only to reach a field or the trackbar are switched off again.
    {"AngleOfAPhaseThatIsOff",
     {"--stator-phases", "1", "--stator-angles", "0,90,0", "--ticks", "10"},
     {63, 0, 32, 32, 32, 32},
     kNeutral},
    {"FrequencyWithNoPhaseOn", {"--stator-frequency", "10", "--ticks", "1"}, kNeutral, kNeutral},
    {"StatorContinu",
     {"--stator-phases", "1", "--stator-waveform", "continu", "--ticks", "7"},
     {64, 0, 32, 32, 32, 32},
     kNeutral},
    {"RectangulaireFirstStep",
     {"--stator-phases", "3", "--stator-waveform", "rectangulaire"},
     {32, 32, 0, 64, 64, 0},
     kNeutral},
    // Four ticks: 0.628318, inside the second step.
    {"RectangulaireSecondStep",
     {"--stator-phases", "3", "--stator-waveform", "rectangulaire", "--ticks", "4"},
     {64, 0, 0, 64, 32, 32},
     kNeutral},
    {"RotorContinu",
     {"--rotor-phases", "1", "--rotor-waveform", "continu"},
     kNeutral,
     {64, 0, 32, 32, 32, 32}},
    {"RotorSinglePhaseAtItsPeak",
     {"--rotor-phases", "1", "--ticks", "10"},
     kNeutral,
     {63, 0, 32, 32, 32, 32}},
};

class ConductorLevelTest : public testing::TestWithParam<Levels> {};

TEST_P(ConductorLevelTest, ShowTheCurrentsOfTheLastFrame) {
    const QJsonObject json = RunForState(GetParam().args);
    EXPECT_EQ(Ints(json["statorConductorLevel"]), GetParam().stator);
    EXPECT_EQ(Ints(json["rotorConductorLevel"]), GetParam().rotor);
}

INSTANTIATE_TEST_SUITE_P(Windings, ConductorLevelTest, testing::ValuesIn(kLevels),
                         [](const auto& row) { return row.param.name; });

struct Sector {
    const char* name;
    QStringList args;
    int index;
    int stator, rotor, combined;
};

void PrintTo(const Sector& row, std::ostream* os) {
    *os << row.name;
}

const QStringList kBothContinuRotorAt90{"--stator-phases",    "1", "--stator-waveform", "continu",
                                        "--rotor-phases",     "1", "--rotor-waveform",  "continu",
                                        "--initial-position", "90"};

// Single phase: trunc((i cos + 1) x 32) on sectors 0..89, 64 minus that opposite; the mean
// of both windings is truncated.
const Sector kSectors[] = {
    {"NothingOnSector0", {}, 0, 32, 32, 32},
    {"NothingOnSector100", {}, 100, 32, 32, 32},
    {"PeakSector0", {"--stator-phases", "1", "--ticks", "10"}, 0, 63, 32, 63},
    {"PeakSector45", {"--stator-phases", "1", "--ticks", "10"}, 45, 32, 32, 32},
    {"PeakSector90", {"--stator-phases", "1", "--ticks", "10"}, 90, 1, 32, 1},
    {"ContinuSector0", {"--stator-phases", "1", "--stator-waveform", "continu"}, 0, 64, 32, 64},
    {"ContinuSector90", {"--stator-phases", "1", "--stator-waveform", "continu"}, 90, 0, 32, 0},
    {"RotorOnlyShowsTheRotor",
     {"--rotor-phases", "1", "--rotor-waveform", "continu"},
     0,
     32,
     64,
     64},
    {"BothSector0", kBothContinuRotorAt90, 0, 64, 32, 48},
    {"BothSector45", kBothContinuRotorAt90, 45, 32, 64, 48},
    {"BothSector90", kBothContinuRotorAt90, 90, 0, 32, 16},
    {"BothSector135", kBothContinuRotorAt90, 135, 32, 0, 16},
};

class AirGapTest : public testing::TestWithParam<Sector> {};

TEST_P(AirGapTest, LevelsOfTheFinalState) {
    const Sector& s = GetParam();
    const QJsonObject json = RunForState(s.args);
    for (const char* field : {"statorAirGapLevel", "rotorAirGapLevel", "airGapLevel"})
        EXPECT_EQ(json[field].toArray().size(), 180) << field;
    EXPECT_EQ(json["statorAirGapLevel"][s.index].toInt(), s.stator);
    EXPECT_EQ(json["rotorAirGapLevel"][s.index].toInt(), s.rotor);
    EXPECT_EQ(json["airGapLevel"][s.index].toInt(), s.combined);
}

INSTANTIATE_TEST_SUITE_P(Sectors, AirGapTest, testing::ValuesIn(kSectors),
                         [](const auto& row) { return row.param.name; });

struct Field {
    const char* name;
    QStringList args;
    std::vector<int> resultant;
    double torque;  // NaN: the JSON holds null
};

void PrintTo(const Field& row, std::ostream* os) {
    *os << row.name;
}

// At 600x560 the gap's inner radius Ra is 196, and a single coil's vector 0.6 Ra = 117.6.
const Field kFields[] = {
    {"NothingOn", {}, {0, 0}, 0},
    {"StatorContinu",
     {"--stator-phases", "1", "--stator-waveform", "continu", "--presentation", "vecteur"},
     {117, 0},
     0},
    {"SinglePhaseAtItsPeak", {"--stator-phases", "1", "--ticks", "10"}, {117, 0}, 0},
    {"RotorContinuAt90",
     {"--rotor-phases", "1", "--rotor-waveform", "continu", "--initial-position", "90"},
     {0, -117},
     0},
    // At right angles: the half-sum (58.8, -58.8) and 0.6^2 x 2.5 = 0.9.
    {"BothAtRightAngles",
     kBothContinuRotorAt90 + QStringList{"--presentation", "couple"},
     {58, -58},
     0.9},
    {"BothAligned",
     {"--stator-phases", "1", "--stator-waveform", "continu", "--rotor-phases", "1",
      "--rotor-waveform", "continu", "--presentation", "couple"},
     {117, 0},
     0},
    // The air-gap presentation draws no vector, so no torque is ever stored.
    {"TorqueOnlyWhereTheVectorIsDrawn", kBothContinuRotorAt90, {58, -58}, 0},
    // A view under 3 pixels has Ra = 0: the torque is 0/0.
    {"TorqueOfNoRadius",
     {"--size", "2x2", "--stator-phases", "1", "--rotor-phases", "1", "--presentation", "vecteur"},
     {0, 0},
     std::nan("")},
};

class FieldTest : public testing::TestWithParam<Field> {};

TEST_P(FieldTest, ResultantAndTorque) {
    const QJsonObject json = RunForState(GetParam().args);
    EXPECT_EQ(Ints(json["resultant"]), GetParam().resultant);
    const QJsonValue torque = json["torqueValue"];
    if (std::isnan(GetParam().torque))
        EXPECT_TRUE(torque.isNull()) << torque.toDouble();
    else
        EXPECT_NEAR(torque.toDouble(-1), GetParam().torque, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Vectors, FieldTest, testing::ValuesIn(kFields),
                         [](const auto& row) { return row.param.name; });

struct Trace {
    const char* presentation;
    int ticks;
    int count;
};

void PrintTo(const Trace& row, std::ostream* os) {
    *os << row.presentation << " " << row.ticks;
}

// One point per frame: the presentation, the colour map, the two records, then each tick.
// The buffer restarts once its 1000th point has been drawn.
const Trace kTraces[] = {
    {"trace", 0, 4}, {"trace", 10, 14}, {"trace", 996, 0}, {"trace", 997, 1}, {"entrefer", 10, 0},
};

class TraceTest : public testing::TestWithParam<Trace> {};

TEST_P(TraceTest, CountsOnePointPerFrame) {
    const QJsonObject json =
        RunForState({"--stator-phases", "1", "--presentation", GetParam().presentation, "--ticks",
                     QString::number(GetParam().ticks), "--size", "60x60"});
    EXPECT_EQ(json["traceCount"].toInt(-1), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Frames, TraceTest, testing::ValuesIn(kTraces), [](const auto& row) {
    return std::string(row.param.presentation) + std::to_string(row.param.ticks) + "Ticks";
});

}  // namespace
