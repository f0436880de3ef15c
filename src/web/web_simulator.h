#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drawing/raster_surface.h"
#include "machine/simulation_state.h"
#include "measures/measures.h"
#include "panels/panel_model.h"
#include "period_animation.h"
#include "session/session.h"
#include "setup/setup_json.h"
#include "shell/main_menu.h"
#include "view/annotations.h"

namespace vireflu {

// What the page must draw again after an action.
enum RedrawFlags : int {
    kRedrawNothing = 0,
    kRedrawPanelPictures = 1,  // the acting panel's phase pictures
    kRedrawAll = 2,            // the machine view and every open panel's pictures
};

// The page's main window without widgets: its session, and the two panels' models, driven
// as the desktop window drives them. Pictures come back as RGBA pixels, ready for the canvas.
class WebSimulator {
public:
    Session& GetSession() { return session; }
    const Session& GetSession() const { return session; }
    // The machine view's size in device pixels.
    void ResizeView(int width, int height) { session.ResizeView(width, height); }
    // One frame of the machine view at the present instant: `advance` after a command or a
    // tick (the trace gains its point), not when the view only shows the instant anew at a
    // new size.
    const std::vector<std::uint32_t>& DrawFrame(bool advance);
    // The core's part of an advancing DrawFrame alone, without the copy for the canvas (for
    // the benchmark).
    void RenderFrame();

    // What the "Mesures" window shows for the last frame drawn, and its curve in w x h
    // device pixels.
    Measures ComputeMeasures() const { return session.ComputeMeasures(); }
    const std::vector<std::uint32_t>& DrawMeasuresCurve(int w, int h);
    // A cage rotor's torque-speed curve for the last frame drawn, w x h device pixels; empty
    // without a cage's figures.
    const std::vector<std::uint32_t>& DrawTorqueSpeedCurve(int w, int h);
    // "Bobinage"'s equivalent circuit, w x h device pixels.
    const std::vector<std::uint32_t>& DrawEquivalentCircuit(int w, int h);
    // "Bobinage"'s star of slots, size x size device pixels.
    const std::vector<std::uint32_t>& DrawSlotStar(int size);

    // "&Stator" / "&Rotor": the panel's model, created on first use with the winding's
    // phase switches.
    PanelModel& OpenPanel(Winding winding);
    bool IsOpened(Winding winding) const { return Slot(winding).has_value(); }
    PanelModel& Panel(Winding winding) { return *Slot(winding); }
    // Carries out what a panel's handler asked for: a send applies the record and resets
    // the clock, as the desktop main window does. Returns RedrawFlags.
    int Apply(Winding winding, PanelReaction reaction);

    // One phase picture of an opened panel at the present instant, w x h device pixels;
    // empty when the panel does not show that phase.
    const std::vector<std::uint32_t>& DrawPhasePicture(Winding winding, int phase, int w, int h);

    const SimulationState& State() const { return session.State(); }
    // "Annotations" for the last frame drawn, laid over it by the page.
    MachineAnnotations Annotations(bool decimalComma, AnnotationParts parts) const {
        return ComputeAnnotations(session.State(), session.Scene(), decimalComma, parts);
    }

    // "E&xporter l'animation...": starts one period of the present settings and
    // presentation as an animation of the view's size; its number of frames, 0 when no
    // supply alternates (nothing is then started).
    int StartAnimation();
    // Draws and encodes the next frame; the file is whole once the last one is added.
    GifStatus AddAnimationFrame() { return animation->AddNextFrame(); }
    // The animation's bytes so far; dropped, with the animation, by EndAnimation.
    const std::vector<std::uint8_t>& AnimationBytes() const { return animationBytes; }
    void EndAnimation();

    // Opens a setup read from a document or a link: the session and both panels' models
    // become the setup's, with the clock stopped, and the caller redraws everything and sets
    // the pace, the windows and the running clock from it. A refusal changes nothing.
    std::optional<SetupError> Open(const std::variant<Setup, SetupError>& read);
    // "Annuler", "Rétablir" or "Tout réinitialiser": the session's step, the panels' models
    // then made as its records say; the setup now shown, or none.
    std::optional<Setup> Restore(std::optional<Setup> (Session::*step)());
    // Opens a lesson's setup as Open does and asks its question (see Session::OpenLesson).
    LessonPage OpenLesson(const Lesson& lesson, Translate texts, bool english);

private:
    // Both panels' models as the session's records say.
    void LoadPanels();
    std::optional<PanelModel>& Slot(Winding winding) {
        return winding == Winding::Rotor ? rotorPanel : statorPanel;
    }
    const std::optional<PanelModel>& Slot(Winding winding) const {
        return winding == Winding::Rotor ? rotorPanel : statorPanel;
    }

    Session session;
    std::optional<PanelModel> statorPanel;
    std::optional<PanelModel> rotorPanel;
    // The core's canvases, kept from one drawing to the next, and their RGBA copies.
    RasterSurface frameCanvas;
    RasterSurface pictureCanvas;
    RasterSurface curveCanvas;
    std::vector<std::uint32_t> curve;
    RasterSurface torqueCanvas;
    std::vector<std::uint32_t> torque;
    RasterSurface circuitCanvas;
    std::vector<std::uint32_t> circuit;
    RasterSurface starCanvas;
    std::vector<std::uint32_t> star;
    std::vector<std::uint32_t> frame;
    std::vector<std::uint32_t> picture;
    std::unique_ptr<PeriodAnimation> animation;
    std::vector<std::uint8_t> animationBytes;
};

}  // namespace vireflu
