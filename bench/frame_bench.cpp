#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench_scenario.h"
#include "drawing/raster_surface.h"
#include "machine/clock.h"
#include "measures/measure_rows.h"
#include "measures/measures_picture.h"
#include "session/frame.h"
#include "view/machine_scene.h"

namespace vireflu::bench {
namespace {

// One clock tick and one whole frame (conductor levels, then the cross-section) into a
// canvas reused from frame to frame, as the view does.
void Frame(benchmark::State& run, Presentation presentation, int width, int height) {
    SimulationState state = BusyMachine(presentation);
    MachineScene scene;
    scene.Resize(width, height);
    RasterSurface canvas;
    // Half a trace already recorded, so the path drawn is of typical length; it grows and
    // starts again every 1000 frames.
    for (int frame = 0; frame < kTraceCapacity / 2 && state.traceMode; ++frame)
        RenderNextFrame(canvas, scene, state);
    for (auto _ : run) {
        AdvanceClock(state);
        RenderNextFrame(canvas, scene, state);
    }
    benchmark::DoNotOptimize(canvas.Pixels().data());
}

// The same frame for the largest winding, p = 4 and q = 4: 96 slots in two layers, an air gap
// of 192 steps and 4 arrows. Compare with Frame at the same presentation.
void LargestWinding(benchmark::State& run, Presentation presentation) {
    SimulationState state = BusyMachine(presentation);
    state.winding = {kMaxPolePairs, kMaxSlotsPerPolePerPhase, 3 * kMaxSlotsPerPolePerPhase, 0};
    MachineScene scene;
    scene.Resize(600, 560);
    RasterSurface canvas;
    for (auto _ : run) {
        AdvanceClock(state);
        RenderNextFrame(canvas, scene, state);
    }
    benchmark::DoNotOptimize(canvas.Pixels().data());
}

// A "Trace" frame at 600 x 560 whose path has `points` recorded points, drawn whole.
void TracePoints(benchmark::State& run, int points) {
    SimulationState state = BusyMachine(Presentation::Trace);
    MachineScene scene;
    scene.Resize(600, 560);
    RasterSurface canvas;
    for (int frame = 1; frame < points; ++frame) {
        AdvanceClock(state);
        RenderNextFrame(canvas, scene, state);
    }
    for (auto _ : run) {
        AdvanceClock(state);
        RenderNextFrame(canvas, scene, state);
        // The next frame draws as many points again.
        --state.traceCount;
    }
    benchmark::DoNotOptimize(canvas.Pixels().data());
}

// What the open "Mesures" window adds to a tick: the measures of the frame, the curve
// drawn at the window's size and the rows of numbers, as the window does after each frame.
// Compare with Frame at the same presentation and size.
void FrameWithMeasures(benchmark::State& run, Presentation presentation, int width, int height) {
    SimulationState state = BusyMachine(presentation);
    MachineScene scene;
    scene.Resize(width, height);
    RasterSurface canvas;
    RasterSurface curve;
    for (auto _ : run) {
        AdvanceClock(state);
        RenderNextFrame(canvas, scene, state);
        const Measures measures = ComputeMeasures(state, scene.Instant());
        RenderAirGapCurve(curve, 372, 150, measures, LineWidth(state));
        benchmark::DoNotOptimize(MeasureRows(measures).data());
    }
    benchmark::DoNotOptimize(curve.Pixels().data());
}

// One tick of a run that writes no image: the clock, then the frame advanced without being
// drawn, "Couple" being the presentation with the most to compute; the teaching machine's
// winding, or the largest other one (p = 4, q = 4: 96 slots, short-pitched).
void Headless(benchmark::State& run, WindingDesign winding) {
    SimulationState state = BusyMachine(Presentation::Torque);
    state.winding = winding;
    MachineScene scene;
    scene.Resize(600, 560);
    for (auto _ : run) {
        AdvanceClock(state);
        AdvanceFrame(scene, state);
    }
    benchmark::DoNotOptimize(state.torqueValue);
}

// The floor: filling the whole image white, which every frame begins with.
void Fill(benchmark::State& run, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (auto _ : run) {
        QPainter painter(&image);
        painter.fillRect(QRect(0, 0, width, height), Qt::white);
    }
    benchmark::DoNotOptimize(image.constBits());
}

BENCHMARK_CAPTURE(Frame, entrefer_600x560, Presentation::AirGap, 600, 560);
BENCHMARK_CAPTURE(Frame, vecteur_600x560, Presentation::Vector, 600, 560);
BENCHMARK_CAPTURE(Frame, trace_600x560, Presentation::Trace, 600, 560);
BENCHMARK_CAPTURE(Frame, fmm_600x560, Presentation::MagnetomotiveForces, 600, 560);
BENCHMARK_CAPTURE(Frame, couple_600x560, Presentation::Torque, 600, 560);
BENCHMARK_CAPTURE(Frame, entrefer_2000x2000, Presentation::AirGap, 2000, 2000);
BENCHMARK_CAPTURE(Frame, vecteur_2000x2000, Presentation::Vector, 2000, 2000);
BENCHMARK_CAPTURE(Frame, trace_2000x2000, Presentation::Trace, 2000, 2000);
BENCHMARK_CAPTURE(Frame, fmm_2000x2000, Presentation::MagnetomotiveForces, 2000, 2000);
BENCHMARK_CAPTURE(Frame, couple_2000x2000, Presentation::Torque, 2000, 2000);
BENCHMARK_CAPTURE(LargestWinding, entrefer_600x560, Presentation::AirGap);
BENCHMARK_CAPTURE(LargestWinding, vecteur_600x560, Presentation::Vector);
BENCHMARK_CAPTURE(TracePoints, points_1, 1);
BENCHMARK_CAPTURE(TracePoints, points_999, 999);
BENCHMARK_CAPTURE(FrameWithMeasures, entrefer_600x560, Presentation::AirGap, 600, 560);
BENCHMARK_CAPTURE(FrameWithMeasures, vecteur_600x560, Presentation::Vector, 600, 560);
BENCHMARK_CAPTURE(Headless, tick, WindingDesign{});
BENCHMARK_CAPTURE(Headless, tick_96_slots, WindingDesign{4, 4, 11, 0});
BENCHMARK_CAPTURE(Fill, floor_600x560, 600, 560);
BENCHMARK_CAPTURE(Fill, floor_2000x2000, 2000, 2000);

}  // namespace
}  // namespace vireflu::bench
