#include <benchmark/benchmark.h>

#include "bench_scenario.h"
#include "drawing/raster_surface.h"
#include "panel_pictures/phase_picture.h"

namespace vireflu::bench {
namespace {

// One redraw of the stator panel's three 97 x 57 phase pictures, composed one after the
// other in a single off-screen picture, as the panel does at every tick.
void StatorPhasePictures(benchmark::State& run) {
    const WindingSettings values = ThreePhaseStator();
    RasterSurface picture(97, 57);
    double currentAngle = 0;
    for (auto _ : run) {
        for (int phase : PicturedPhases(values)) {
            DrawPhasePicture(picture, 97, 57, Winding::Stator, phase, values, currentAngle);
            benchmark::DoNotOptimize(picture.Pixels().data());
        }
        currentAngle = currentAngle < 6.0 ? currentAngle + 0.1570795 : 0;
    }
}

BENCHMARK(StatorPhasePictures);

}  // namespace
}  // namespace vireflu::bench
