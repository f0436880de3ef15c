#pragma once

#include <string>
#include <vector>

#include "drawing/colour_map.h"
#include "drawing/geometry.h"
#include "machine/simulation_state.h"
#include "view/machine_scene.h"

namespace vireflu {

// A text placed on the view: centred on `at`, or starting there when `left` is set.
struct AnnotationText {
    Point at;
    std::string text;
    bool left = false;
};

// What "Annotations" lays over the machine view, in the view's pixels. The front-ends draw it
// over the frame, never into it, so the frame stays the same pixels whether it is on or off.
struct MachineAnnotations {
    // The phase of each conductor drawn ("1" where its current goes in, "1'" where it
    // returns), outside the stator's and inside the rotor's; the clock as a time and the
    // stator's angle; the colour scale's "+1", "0" and "-1"; at the torque bar's ends, which
    // way it pushes the rotor when it reaches them. Words are French, marked for the catalogue
    // (context "Annotations"): the front-ends translate them as they draw.
    std::vector<AnnotationText> texts;
    // An arc around the centre ending in an arrow head the way the stator's field turns;
    // empty when it does not turn one way.
    std::vector<Point> senseArrow;
    // The air gap's colour scale: `scaleColours` from +1 at the top to -1 at the bottom, one
    // band each, filling `scale`; empty without the air-gap colours.
    Rect scale{};
    std::vector<Rgb> scaleColours;
};

// Everything, or only the legend: what the torque bar's ends and the colour scale mean.
enum class AnnotationParts { All, Legend };

// `decimalComma` writes the time as French does. While a lesson holds the field's sense back
// (`Withheld::field`), "après votre réponse" stands where the arrow would, whether or not the
// field turns, so that neither the arrow nor its absence tells.
MachineAnnotations ComputeAnnotations(const SimulationState& state, const MachineScene& scene,
                                      bool decimalComma,
                                      AnnotationParts parts = AnnotationParts::All);

}  // namespace vireflu
