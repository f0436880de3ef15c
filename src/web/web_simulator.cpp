#include "web_simulator.h"

#include <algorithm>

#include "measures/measures_picture.h"
#include "measures/torque_speed_picture.h"
#include "panel_pictures/phase_picture.h"
#include "rgba_image.h"
#include "setup/panel_record.h"
#include "view/circuit_diagram.h"
#include "view/slot_star.h"

namespace vireflu {

void WebSimulator::RenderFrame() {
    session.AdvanceFrame();
    RenderMachineFrame(frameCanvas, session.Scene(), session.State());
}

const std::vector<std::uint32_t>& WebSimulator::DrawFrame(bool advance) {
    if (advance)
        session.AdvanceFrame();
    else
        session.PrepareFrame();
    RenderMachineFrame(frameCanvas, session.Scene(), session.State());
    ToRgba(frameCanvas.Pixels(), frame);
    return frame;
}

const std::vector<std::uint32_t>& WebSimulator::DrawMeasuresCurve(int w, int h) {
    RenderAirGapCurve(curveCanvas, w, h, ComputeMeasures(), LineWidth(State()));
    ToRgba(curveCanvas.Pixels(), curve);
    return curve;
}

const std::vector<std::uint32_t>& WebSimulator::DrawTorqueSpeedCurve(int w, int h) {
    const Measures measures = ComputeMeasures();
    torque.clear();
    if (!measures.induction) return torque;
    RenderTorqueSpeedCurve(torqueCanvas, w, h, measures, LineWidth(State()));
    ToRgba(torqueCanvas.Pixels(), torque);
    return torque;
}

const std::vector<std::uint32_t>& WebSimulator::DrawEquivalentCircuit(int w, int h) {
    RenderEquivalentCircuit(circuitCanvas, w, h, std::max(1, h / 60));
    ToRgba(circuitCanvas.Pixels(), circuit);
    return circuit;
}

const std::vector<std::uint32_t>& WebSimulator::DrawSlotStar(int size) {
    RenderSlotStar(starCanvas, State().winding, size);
    ToRgba(starCanvas.Pixels(), star);
    return star;
}

PanelModel& WebSimulator::OpenPanel(Winding winding) {
    std::optional<PanelModel>& panel = Slot(winding);
    if (!panel) {
        panel.emplace(winding);
        panel->SetPhaseFlags(winding == Winding::Rotor ? State().rotorPhaseOn
                                                       : State().statorPhaseOn);
    }
    return *panel;
}

int WebSimulator::Apply(Winding winding, PanelReaction reaction) {
    if (reaction.send) {
        session.ApplyRecord(winding, Panel(winding).Record());
        return kRedrawAll;
    }
    return reaction.redrawPictures ? kRedrawPanelPictures : kRedrawNothing;
}

int WebSimulator::StartAnimation() {
    EndAnimation();
    const Setup setup = SetupOf(State(), session.Records());
    const std::optional<int> ticks = SetupPeriodTicks(setup);
    if (!ticks) return 0;
    const ViewGeometry& view = session.Scene().Geometry();
    animation = std::make_unique<PeriodAnimation>(
        setup, view.clientWidth, view.clientHeight, *ticks,
        [this](std::span<const std::uint8_t> bytes) {
            animationBytes.insert(animationBytes.end(), bytes.begin(), bytes.end());
            return true;
        });
    return *ticks;
}

void WebSimulator::EndAnimation() {
    animation.reset();
    animationBytes = {};
}

std::optional<SetupError> WebSimulator::Open(const std::variant<Setup, SetupError>& read) {
    if (const auto* refused = std::get_if<SetupError>(&read)) return *refused;
    const Setup& setup = std::get<Setup>(read);
    session.Open(setup);
    LoadPanels();
    return std::nullopt;
}

LessonPage WebSimulator::OpenLesson(const Lesson& lesson, Translate texts, bool english) {
    LessonPage page = session.OpenLesson(lesson, std::move(texts), english);
    LoadPanels();
    return page;
}

std::optional<Setup> WebSimulator::Restore(std::optional<Setup> (Session::*step)()) {
    std::optional<Setup> setup = (session.*step)();
    if (setup) LoadPanels();
    return setup;
}

void WebSimulator::LoadPanels() {
    statorPanel = session.PanelOfRecord(Winding::Stator);
    rotorPanel = session.PanelOfRecord(Winding::Rotor);
}

const std::vector<std::uint32_t>& WebSimulator::DrawPhasePicture(Winding winding, int phase, int w,
                                                                 int h) {
    picture.clear();
    const WindingSettings values = Panel(winding).Record();
    const std::vector<int> pictured = PicturedPhases(values);
    if (std::find(pictured.begin(), pictured.end(), phase) == pictured.end()) return picture;
    const double angle = winding == Winding::Rotor ? State().rotorAngle : State().statorAngle;
    RenderPhasePicture(pictureCanvas, w, h, winding, phase, values, angle, LineWidth(State()));
    ToRgba(pictureCanvas.Pixels(), picture);
    return picture;
}

}  // namespace vireflu
