#pragma once

#include <vector>

#include "drawing/raster_surface.h"
#include "drawing/surface.h"
#include "machine/conductor_levels.h"
#include "machine/field.h"
#include "machine/simulation_state.h"
#include "view/air_gap.h"
#include "view/view_geometry.h"
#include "view/winding_view.h"

namespace vireflu {

// A conductor drawn: its box (its slot in the machine's layout) and its level's index in
// ConductorLevels (2 p for phase p + 1 going in, 2 p + 1 returning).
struct ConductorShown {
    std::size_t box;
    std::size_t level;
};

// The conductors a winding with these phases on draws, from the machine's layout: a phase 2
// on without phase 3 is the two-phase winding's, turned by 90 degrees.
std::vector<ConductorShown> ConductorsShown(const std::array<int, 3>& on);

// Everything the machine view keeps between frames, without a window: the angle tables,
// the layout of the current size, the conductor levels and the air-gap levels. The
// window's view and the headless renderer both draw through it.
class MachineScene {
public:
    MachineScene();

    // Recomputes the whole layout for a new client size.
    void Resize(int width, int height);

    // Works out what the next frame shows of the state's present instant: the conductor
    // levels, the machine's instant in pixels, the air-gap levels when a ring shows them.
    void Prepare(const SimulationState& state);
    // The prepared frame into a surface of at least clientWidth x clientHeight pixels.
    void DrawMachine(Surface& surface, const SimulationState& state) const;

    const AngleTables& Tables() const { return tables; }
    const ViewGeometry& Geometry() const { return geometry; }
    const ConductorLevels& Levels() const { return conductorLevels; }
    const AirGapLevels& GapLevels() const { return airGapLevels; }
    const MachineInstant& Instant() const { return instant; }
    // The state's present instant in the view's pixels, with the conductors' last levels.
    MachineInstant InstantOf(const SimulationState& state) const;
    // The field's tip in the view's pixels.
    Point FieldTipPoint() const;
    // Radius of the rotor conductor circle for the current size.
    int RotorRingRadius() const;
    // The rotor's conductors of pole pair `pair` (0..p-1), where the clock has turned them.
    std::array<Rect, 8> RotorBoxes(const SimulationState& state, int pair = 0) const;

private:
    static void DrawConductors(Surface& surface, const std::array<int, 3>& on,
                               const std::array<int, 6>& levels, const std::array<Rect, 8>& boxes);

    AngleTables tables;
    ViewGeometry geometry;
    ConductorLevels conductorLevels;
    AirGapLevels airGapLevels;
    MachineInstant instant;
    // Another winding's: its layout, and the present instant's currents and steps.
    WindingLayout windingLayout;
    std::array<double, 3> windingCurrents{};
    std::vector<double> windingSteps;
    std::vector<int> windingGap;  // its air gap's sector levels
};

// The prepared frame into `canvas`, resized to the scene's client size (at least 1 x 1) with
// the state's colour map: what the window, the command-line tool and the browser show.
void RenderMachineFrame(RasterSurface& canvas, const MachineScene& scene,
                        const SimulationState& state);

}  // namespace vireflu
