#pragma once

#include <QDialog>
#include <array>
#include <utility>
#include <vector>

#include "machine/simulation_state.h"
#include "panels/panel_model.h"
#include "panels/panel_template.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QSlider;
class CNumericEdit;
class CPhaseFrame;

// What the "Stator" and "Rotor" panels share: a modeless dialog built from the core's
// template table that shows a PanelModel's state and forwards the user's actions to it. Every
// action the model answers with a send ends in one SettingsSent, synchronously.
class CWindingPanel : public QDialog {
    Q_OBJECT

public:
    // The main window copies the winding's phase switches in before the first show.
    void SetPhaseFlags(const std::array<int, 3>& on);
    // Shows a panel set up elsewhere (from a setup file) as if the user had set it here.
    void Load(const vireflu::PanelModel& set);
    // The winding's electrical angle at the present clock position, in radians.
    void SetCurrentAngle(double angle) { currentAngle = angle; }
    // Projector mode: the panel, its font and its pictures larger, as large as the screen
    // lets them (ProjectorPanelScale), the pictures' lines three times thicker.
    void SetProjector(bool on);
    // Renders each pictured phase off-screen and hands it to its frame.
    void DrawPhasePictures();
    // First show, at the top-left of the owner's client area (moved up and left as far as
    // it takes to stay on the screen), with the keyboard focus.
    void Open();
    // Shows the panel again at its designed size if it was hidden or resized, raises it
    // and gives it the focus; its controls are as they were left.
    void Reopen();

signals:
    // selector: 0 from the stator panel, 1 from the rotor panel.
    void SettingsSent(int selector, const vireflu::WindingSettings& record);

protected:
    CWindingPanel(QWidget* owner, const vireflu::PanelTemplate& layout);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControl(const vireflu::TemplateControl& control, const vireflu::Rect& pixels);
    // Puts each control in its template place, at the projector's scale when it is on.
    void PlaceControls();
    // The width a button's or a label's text needs; 0 for the other controls.
    static int TextWidth(const QWidget* widget);
    void NameForScreenReaders(QWidget* widget, vireflu::PanelControl role);

    // User actions, forwarded to the model.
    void OnPhaseClicked(int phase, bool checked);
    void OnWaveformClicked(int waveform);
    void OnPhaseAngleChange(int phase, const QString& text);
    void OnPhaseAngleStepped(int phase, int delta);
    void OnHScroll(vireflu::PanelSlider slider, int position);
    void OnOK();

    // Shows the model's state, redraws and sends as the handler asked.
    void Apply(vireflu::PanelReaction reaction);
    // Copies the model's state into the controls with their signals blocked, so these
    // writes never come back as user actions.
    void WriteControls();

    vireflu::PanelModel model;
    double currentAngle = 0;
    bool projector = false;
    vireflu::PanelScale scale;
    QSize templateSize;  // dialog units
    std::vector<std::pair<vireflu::PanelControl, QWidget*>> controls;
    // Every control and group box with its rectangle at the template's size.
    std::vector<std::pair<QWidget*, vireflu::Rect>> placements;
    std::array<QCheckBox*, 3> phaseChecks{};
    std::array<CNumericEdit*, 3> phaseEdits{};
    std::array<CPhaseFrame*, 3> phaseFrames{};
    std::vector<std::pair<vireflu::PanelSlider, QSlider*>> sliders;
    std::vector<std::pair<vireflu::PanelControl, QLabel*>> labels;
    QButtonGroup* waveformGroup;
};
