#include "period_animation.h"

#include <utility>

#include "machine/clock.h"
#include "session/frame.h"
#include "session/open_setup.h"

namespace vireflu {

PeriodAnimation::PeriodAnimation(const Setup& setup, int width, int height, int ticks,
                                 GifByteSink sink)
    : state(std::make_unique<SimulationState>()),
      scene(std::make_unique<MachineScene>()),
      writer(std::move(sink), kTickPeriodMs),
      frames(ticks) {
    scene->Resize(width, height);
    Setup start = setup;
    start.ticks = 0;
    OpenSetup(start, *state, *scene);
}

PeriodAnimation::~PeriodAnimation() = default;

GifStatus PeriodAnimation::AddNextFrame() {
    if (done >= frames) return GifStatus::WriteFailed;
    if (done > 0) AdvanceClock(*state);
    RenderNextFrame(canvas, *scene, *state);
    GifStatus status = writer.AddFrame(canvas.Pixels(), canvas.Width());
    if (status == GifStatus::Ok && ++done == frames) status = writer.Finish();
    return status;
}

}  // namespace vireflu
