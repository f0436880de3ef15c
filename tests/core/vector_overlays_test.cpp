#include <gtest/gtest.h>

#include <limits>

#include "recording_surface.h"
#include "view/field_vector.h"

namespace vireflu {
namespace {

using testing::Primitive;
using testing::RecordingSurface;
using Points = std::vector<Point>;

const Pen kRedPen = Pen::Solid(1, Rgb{255, 0, 0});
const Pen kEntryPen = Pen::Solid(2, Rgb{1, 2, 3});
const Brush kEntryBrush = Brush::Level(5);
// A 400 x 300 view: centre (200, 150), Ra = 105, torque span 240, bar right edge 20.
const ViewGeometry kGeometry = ComputeGeometry(Rect{0, 0, 400, 300}, AngleTables{});

struct Recorder : RecordingSurface {
    Recorder() {
        SelectPen(kEntryPen);
        SelectBrush(kEntryBrush);
    }
};

// Stator "continu" alone: the vector is (trunc(0.6 x 105), 0) = (63, 0).
SimulationState StatorContinu() {
    SimulationState state;
    state.statorWaveform = kWaveformContinu;
    state.statorPhaseOn = {1, 0, 0};
    return state;
}

TEST(DrawVector, RedLineFromTheCentreAndTheTorqueStored) {
    SimulationState state = StatorContinu();
    state.torqueValue = 0.7;
    Recorder surface;
    DrawVector(surface, state, kGeometry, ConductorLevels{});
    ASSERT_EQ(surface.primitives.size(), 1u);
    EXPECT_EQ(surface.primitives[0].points, (Points{{200, 150}, {263, 150}}));
    EXPECT_EQ(surface.primitives[0].pen, kRedPen);
    EXPECT_EQ(state.torqueValue, 0.0);
    EXPECT_EQ(surface.CurrentPen(), kEntryPen);
}

// One point per drawing; a single point draws nothing. The 1000th point is drawn with the
// whole path, and the drawing after it starts again with a single point.
TEST(DrawTrace, RecordsOnePointPerDrawingAndStartsAgainAfterTheThousandth) {
    SimulationState state = StatorContinu();
    Recorder first;
    DrawTrace(first, state, kGeometry, ConductorLevels{});
    EXPECT_EQ(state.traceCount, 1);
    EXPECT_TRUE(first.primitives.empty());

    for (int n = 1; n < kTraceCapacity - 1; ++n)
        state.traceBuffer[static_cast<std::size_t>(n)] = Point{n % 400, n / 400};
    state.traceCount = kTraceCapacity - 1;
    Recorder full;
    DrawTrace(full, state, kGeometry, ConductorLevels{});
    ASSERT_EQ(full.primitives.size(), 999u);
    EXPECT_EQ(full.primitives.front().points, (Points{{263, 150}, {1, 0}}));
    EXPECT_EQ(full.primitives.back().points, (Points{{198, 2}, {263, 150}}));
    EXPECT_EQ(full.primitives.back().pen, kRedPen);
    EXPECT_EQ(full.CurrentPen(), kEntryPen);
    EXPECT_EQ(state.traceCount, 0);

    Recorder next;
    DrawTrace(next, state, kGeometry, ConductorLevels{});
    EXPECT_TRUE(next.primitives.empty());
    EXPECT_EQ(state.traceCount, 1);
}

// The zero line runs along y = 150 to x = 25; a cell is 240 / 65 pixels high. Cells
// upward start at the zero line with colour 32, cells downward one pixel below it; a
// negative torque under 1/32 shows none, and the bar stops at the ends of the map.
TEST(DrawTorqueBar, CellsAndColoursFollowTheTorque) {
    struct Row {
        double torque;
        int cells;
        Points firstCell, lastCell;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Row rows[] = {
        {0, 0, {}, {}},
        {nan, 0, {}, {}},
        {-0.02, 0, {}, {}},
        {0.02, 1, {{5, 151}, {20, 146}}, {{5, 151}, {20, 146}}},
        {0.9, 29, {{5, 151}, {20, 146}}, {{5, 47}, {20, 42}}},
        {-0.5, 16, {{5, 150}, {20, 154}}, {{5, 205}, {20, 210}}},
        {1.5, 33, {{5, 151}, {20, 146}}, {{5, 32}, {20, 28}}},
        {-1.5, 33, {{5, 150}, {20, 154}}, {{5, 268}, {20, 272}}},
    };
    for (const Row& row : rows) {
        SimulationState state;
        state.torqueValue = row.torque;
        Recorder surface;
        DrawTorqueBar(surface, state, kGeometry);

        ASSERT_FALSE(surface.primitives.empty()) << row.torque;
        EXPECT_EQ(surface.primitives[0].points, (Points{{0, 150}, {25, 150}})) << row.torque;
        EXPECT_EQ(surface.primitives[0].pen, Pen::Solid(1, Rgb{0, 0, 0})) << row.torque;
        const auto cells = surface.OfKind(Primitive::Kind::Rectangle);
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(row.cells)) << row.torque;
        EXPECT_EQ(surface.primitives.size(), cells.size() + 1) << row.torque;
        for (int c = 0; c < row.cells; ++c)
            EXPECT_EQ(cells[static_cast<std::size_t>(c)].brush,
                      Brush::Level(row.torque > 0 ? 32 + c : 32 - c))
                << row.torque << ", cell " << c;
        if (row.cells > 0) {
            EXPECT_EQ(cells.front().points, row.firstCell) << row.torque;
            EXPECT_EQ(cells.back().points, row.lastCell) << row.torque;
        }
        EXPECT_EQ(surface.CurrentPen(), kEntryPen) << row.torque;
        EXPECT_EQ(surface.CurrentBrush(), kEntryBrush) << row.torque;
    }
}

}  // namespace
}  // namespace vireflu
