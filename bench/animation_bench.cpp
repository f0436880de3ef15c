#include <benchmark/benchmark.h>

#include <vector>

#include <QBuffer>
#include <QImage>

#include "bench_scenario.h"
#include "frame_renderer.h"
#include "gif_device.h"
#include "machine/clock.h"

namespace vireflu::bench {
namespace {

// One 50 Hz period in "Couple" at 600 x 560: the 40 frames of ticks 0 to 39, drawn once.
std::vector<QImage> OnePeriod() {
    SimulationState state = BusyMachine(Presentation::Torque);
    ResetClockState(state);
    MachineScene scene;
    scene.Resize(600, 560);
    std::vector<QImage> frames;
    for (int tick = 0; tick < 40; ++tick) {
        if (tick > 0) AdvanceClock(state);
        frames.push_back(RenderMachineFrame(scene, state));
    }
    return frames;
}

// Encoding the period as one animated GIF, in memory...
void GifPeriod(benchmark::State& run) {
    const std::vector<QImage> frames = OnePeriod();
    for (auto _ : run) {
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        GifAnimationWriter gif(DeviceSink(bytes), kTickPeriodMs);
        for (const QImage& frame : frames) AddImage(gif, frame);
        gif.Finish();
        run.counters["bytes"] = static_cast<double>(bytes.size());
    }
}

// ... against encoding the same frames as PNGs, as --frames does.
void PngPeriod(benchmark::State& run) {
    const std::vector<QImage> frames = OnePeriod();
    for (auto _ : run) {
        qint64 size = 0;
        for (const QImage& frame : frames) {
            QBuffer bytes;
            bytes.open(QIODevice::WriteOnly);
            frame.save(&bytes, "PNG");
            size += bytes.size();
        }
        run.counters["bytes"] = static_cast<double>(size);
    }
}

BENCHMARK(GifPeriod)->Unit(benchmark::kMillisecond);
BENCHMARK(PngPeriod)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vireflu::bench
