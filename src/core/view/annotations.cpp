#include "view/annotations.h"

#include <cmath>

#include "machine/constants.h"
#include "measures/measures.h"
#include "shell/interface_text.h"

namespace vireflu {

namespace {

using namespace constants;

// How far a label's centre lies from its conductor's edge, and the scale's width and margin.
constexpr int kLabelGap = 9;
constexpr int kScaleWidth = 12;
constexpr int kScaleMargin = 28;
// The field's arrow: an arc of this many degrees at this share of the rotor's ring.
constexpr double kArrowSweepDeg = 100;
constexpr double kArrowRadiusShare = 0.45;

Point Centre(const Rect& box) {
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// Labels beside the conductors: beside the stator's, away from the vertical axis (their ring
// reaches the view's top and bottom), and towards the centre from the rotor's.
void AddPhaseLabels(std::vector<AnnotationText>& texts, const ViewGeometry& g,
                    const std::array<int, 3>& on, const std::array<Rect, 8>& boxes, bool stator) {
    for (const ConductorShown& c : ConductorsShown(on)) {
        const Point at = Centre(boxes[c.box]);
        const double dx = at.x - g.centreX;
        const double dy = at.y - g.centreY;
        const double length = std::hypot(dx, dy);
        const double push = length == 0 ? 0 : (g.conductorHalfSize + kLabelGap) / length;
        const int side = dx < -1 ? -1 : 1;
        const Point label = stator ? Point{at.x + side * (g.conductorHalfSize + kLabelGap), at.y}
                                   : Point{at.x - static_cast<int>(std::lround(dx * push)),
                                           at.y - static_cast<int>(std::lround(dy * push))};
        texts.push_back({label, std::to_string(c.level / 2 + 1) + (c.level % 2 == 1 ? "'" : "")});
    }
}

std::vector<Point> SenseArrow(const SimulationState& state, const ViewGeometry& g, int radius) {
    const FieldSense sense = StatorFieldSense(state);
    if (sense != FieldSense::Clockwise && sense != FieldSense::Counterclockwise) return {};
    // Counterclockwise on the screen is a rising angle with y upward.
    const double turn = sense == FieldSense::Counterclockwise ? 1 : -1;
    const auto at = [&](double deg, double r) {
        const double a = (90 - turn * kArrowSweepDeg / 2 + turn * deg) * kDegreeFactor;
        return Point{g.centreX + static_cast<int>(std::lround(r * std::cos(a))),
                     g.centreY - static_cast<int>(std::lround(r * std::sin(a)))};
    };
    std::vector<Point> arrow;
    for (int deg = 0; deg <= kArrowSweepDeg; deg += 5) arrow.push_back(at(deg, radius));
    // The head: back from the tip to either side of the arc.
    const double head = std::max(6.0, radius * 0.15);
    const double back = head / radius / kDegreeFactor;
    arrow.push_back(at(kArrowSweepDeg - back, radius + head * 0.6));
    arrow.push_back(at(kArrowSweepDeg, radius));
    arrow.push_back(at(kArrowSweepDeg - back, radius - head * 0.6));
    return arrow;
}

std::string ClockText(const SimulationState& state, bool decimalComma) {
    double degrees = std::fmod(state.statorAngle / kDegreeFactor, 360.0);
    if (degrees < 0) degrees += 360;
    std::string time = FixedText(state.elapsedTime * 1000, 1);
    if (decimalComma) time[time.find('.')] = ',';
    return "t = " + time + " ms   " + FixedText(degrees, 0) + "°";
}

}  // namespace

MachineAnnotations ComputeAnnotations(const SimulationState& state, const MachineScene& scene,
                                      bool decimalComma, AnnotationParts parts) {
    const ViewGeometry& g = scene.Geometry();
    MachineAnnotations a;
    if (parts == AnnotationParts::All) {
        AddPhaseLabels(a.texts, g, state.statorPhaseOn, g.statorConductorBoxes, true);
        AddPhaseLabels(a.texts, g, state.rotorPhaseOn, scene.RotorBoxes(state), false);
        a.texts.push_back(
            {{g.torqueBarRight + kLabelGap, kLabelGap * 2}, ClockText(state, decimalComma), true});
        const int arrowRadius = static_cast<int>(scene.RotorRingRadius() * kArrowRadiusShare);
        if (state.withheld.field)
            a.texts.push_back({{g.centreX, g.centreY - arrowRadius},
                               VIREFLU_UI_TEXT("Annotations", "après votre réponse")});
        else
            a.senseArrow = SenseArrow(state, g, arrowRadius);
    }
    if (state.torqueMode) {
        // The bar rises for a positive drawn torque, which pushes the rotor clockwise.
        const int reach = g.torqueSpan / 2 + kLabelGap;
        a.texts.push_back(
            {{5, g.centreY - reach}, VIREFLU_UI_TEXT("Annotations", "↑ horaire"), true});
        a.texts.push_back(
            {{5, g.centreY + reach}, VIREFLU_UI_TEXT("Annotations", "↓ antihoraire"), true});
    }
    if (!state.airGapMode) return a;
    const int right = g.clientWidth - kScaleMargin;
    a.scale = {right - kScaleWidth, g.centreY - g.gapOuterRadius, right,
               g.centreY + g.gapOuterRadius};
    for (std::size_t level = kColourLevels; level-- > 0;)
        a.scaleColours.push_back(state.colourMap[level]);
    const int labelX = a.scale.left - kLabelGap * 2;
    // What the colours measure, over the scale.
    a.texts.push_back(
        {{(a.scale.left + a.scale.right) / 2 - kLabelGap, a.scale.top - kLabelGap * 2},
         VIREFLU_UI_TEXT("Annotations", "f.m.m.")});
    a.texts.push_back({{labelX, a.scale.top}, "+1"});
    a.texts.push_back({{labelX, g.centreY}, "0"});
    a.texts.push_back({{labelX, a.scale.bottom}, "-1"});
    return a;
}

}  // namespace vireflu
