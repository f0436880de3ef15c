#pragma once

#include <memory>

#include "drawing/raster_surface.h"
#include "gif_animation.h"
#include "machine/simulation_state.h"
#include "setup/setup.h"
#include "view/machine_scene.h"

namespace vireflu {

// "E&xporter l'animation..." of both front-ends: one period of a setup, from clock zero, as a
// looping GIF of the view's size, one frame per tick. The setup is played afresh on a state
// and a scene of their own, so the running animation goes on undisturbed and the frames are
// those of vireflu-render --period --animation for the same setup, whatever trace the view
// holds. They are drawn one at a time, so the caller can show progress and cancel between
// them.
class PeriodAnimation {
public:
    // `ticks` is the setup's period (SetupPeriodTicks); the setup's own ticks are ignored.
    // The bytes go to `sink` as they are made.
    PeriodAnimation(const Setup& setup, int width, int height, int ticks, GifByteSink sink);
    ~PeriodAnimation();
    PeriodAnimation(const PeriodAnimation&) = delete;
    PeriodAnimation& operator=(const PeriodAnimation&) = delete;

    int FramesDone() const { return done; }
    // Draws and encodes the next tick's frame; after the last one, ends the file.
    GifStatus AddNextFrame();

private:
    // Kilobytes of tables and trace: off the stack, as the program's own state.
    std::unique_ptr<SimulationState> state;
    std::unique_ptr<MachineScene> scene;
    RasterSurface canvas;
    GifAnimationWriter writer;
    const int frames;
    int done = 0;
};

}  // namespace vireflu
