#include "web_simulator.h"

#include <algorithm>

#include "machine/clock.h"
#include "machine/display_commands.h"
#include "measures/measures_picture.h"
#include "panel_pictures/phase_picture.h"
#include "rgba_image.h"
#include "session/frame.h"
#include "setup/panel_record.h"

namespace vireflu {

void WebSimulator::ResizeView(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    scene.Resize(width, height);
}

void WebSimulator::RenderFrame() {
    RenderNextFrame(frameCanvas, scene, state);
}

const std::vector<std::uint32_t>& WebSimulator::DrawFrame(bool advance) {
    if (advance) {
        RenderFrame();
    } else {
        scene.Prepare(state);
        RenderMachineFrame(frameCanvas, scene, state);
    }
    ToRgba(frameCanvas.Pixels(), frame);
    return frame;
}

void WebSimulator::ResetClock() {
    ResetClockState(state);
    ticks = 0;
}

void WebSimulator::Tick() {
    AdvanceClock(state);
    ++ticks;
}

bool WebSimulator::ToggleAnimation() {
    if (CanToggleAnimation(state)) running = !running;
    return running;
}

void WebSimulator::MenuCommand(vireflu::MenuCommand command, int argument) {
    if (command == MenuCommand::Presentation)
        SelectPresentation(state, static_cast<Presentation>(argument));
    if (command == MenuCommand::ColourMap)
        SelectColourMap(state, static_cast<ColourMapKind>(argument));
    if (command == MenuCommand::Projection) state.projectorMode = argument != 0 ? 1 : 0;
}

Measures WebSimulator::ComputeMeasures() const {
    return vireflu::ComputeMeasures(state, scene.InstantOf(state));
}

const std::vector<std::uint32_t>& WebSimulator::DrawMeasuresCurve(int w, int h) {
    RenderAirGapCurve(curveCanvas, w, h, ComputeMeasures(), LineWidth(state));
    ToRgba(curveCanvas.Pixels(), curve);
    return curve;
}

PanelModel& WebSimulator::OpenPanel(Winding winding) {
    std::optional<PanelModel>& panel = Slot(winding);
    if (!panel) {
        panel.emplace(winding);
        panel->SetPhaseFlags(winding == Winding::Rotor ? state.rotorPhaseOn : state.statorPhaseOn);
    }
    return *panel;
}

int WebSimulator::Apply(Winding winding, PanelReaction reaction) {
    if (reaction.send) {
        const WindingSettings record = Panel(winding).Record();
        (winding == Winding::Rotor ? records.rotor : records.stator) = record;
        ApplyWindingSettings(state, static_cast<int>(winding), record);
        ResetClock();
        return kRedrawAll;
    }
    return reaction.redrawPictures ? kRedrawPanelPictures : kRedrawNothing;
}

int WebSimulator::StartAnimation() {
    EndAnimation();
    const Setup setup = SetupOf(state, records);
    const std::optional<int> ticks = SetupPeriodTicks(setup);
    if (!ticks) return 0;
    animation = std::make_unique<PeriodAnimation>(
        setup, viewWidth, viewHeight, *ticks, [this](std::span<const std::uint8_t> bytes) {
            animationBytes.insert(animationBytes.end(), bytes.begin(), bytes.end());
            return true;
        });
    return *ticks;
}

void WebSimulator::EndAnimation() {
    animation.reset();
    animationBytes = {};
}

Setup WebSimulator::CurrentSetup(const Setup& page) const {
    Setup setup = SetupOf(state, records);
    setup.pacePeriodMs = page.pacePeriodMs;
    setup.statorWindow = page.statorWindow;
    setup.rotorWindow = page.rotorWindow;
    setup.measuresWindow = page.measuresWindow;
    setup.ticks = ticks;
    setup.running = running;
    return setup;
}

std::optional<SetupError> WebSimulator::Open(const std::variant<Setup, SetupError>& read) {
    if (const auto* refused = std::get_if<SetupError>(&read)) return *refused;
    const Setup& setup = std::get<Setup>(read);
    records = OpenSetup(setup, state, scene);
    statorPanel = PanelSetTo(Winding::Stator, setup.stator);
    rotorPanel = PanelSetTo(Winding::Rotor, setup.rotor);
    ticks = setup.ticks;
    running = false;
    return std::nullopt;
}

const std::vector<std::uint32_t>& WebSimulator::DrawPhasePicture(Winding winding, int phase, int w,
                                                                 int h) {
    picture.clear();
    const WindingSettings values = Panel(winding).Record();
    const std::vector<int> pictured = PicturedPhases(values);
    if (std::find(pictured.begin(), pictured.end(), phase) == pictured.end()) return picture;
    const double angle = winding == Winding::Rotor ? state.rotorAngle : state.statorAngle;
    RenderPhasePicture(pictureCanvas, w, h, winding, phase, values, angle, LineWidth(state));
    ToRgba(pictureCanvas.Pixels(), picture);
    return picture;
}

}  // namespace vireflu
