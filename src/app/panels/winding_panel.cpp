#include "winding_panel.h"

#include "catalogue.h"
#include "panels/panel_labels.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

#include "frame_renderer.h"
#include "numeric_edit.h"
#include "panel_pictures/phase_picture.h"
#include "panels/spoken_names.h"
#include "phase_frame.h"
#include "shell/interface_text.h"
#include "spin_button.h"
#include "window_placement.h"

using vireflu::PanelControl;
using vireflu::PanelSlider;

namespace {

// Projector mode lays the panel out larger; corners are scaled, not sizes.
int Scaled(int pixels, double scale) {
    return static_cast<int>(pixels * scale);
}

// A main window's client area starts below its menu bar, where its central widget sits.
QPoint ClientOrigin(const QWidget& owner) {
    const auto* window = qobject_cast<const QMainWindow*>(&owner);
    if (window && window->centralWidget())
        return window->centralWidget()->mapToGlobal(QPoint(0, 0));
    return owner.mapToGlobal(QPoint(0, 0));
}

}  // namespace

CWindingPanel::CWindingPanel(QWidget* owner, const vireflu::PanelTemplate& layout)
    : QDialog(owner),
      model(layout.winding),
      templateSize(layout.width, layout.height),
      waveformGroup(new QButtonGroup(this)) {
    setWindowTitle(QCoreApplication::translate("Panel", layout.caption));
    // The group box's title sits on its frame line, so the angle field placed in the box
    // lies well inside the frame.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 5px; padding: 0 2px; }"));
    // Created in template order, so the tab order is the template's.
    for (std::size_t i = 0; i < layout.controls.size(); ++i)
        CreateControl(layout.controls[i], vireflu::ControlPixels(layout, i));
    connect(waveformGroup, &QButtonGroup::idClicked, this, &CWindingPanel::OnWaveformClicked);
    SetProjector(false);
    WriteControls();
}

void CWindingPanel::SetProjector(bool on) {
    projector = on;
    const QScreen* shown = screen();
    scale = on ? vireflu::ProjectorPanelScale(model.GetWinding(), shown->geometry().height(),
                                              vireflu::ContentRoom(*this))
               : vireflu::PanelScale{};
    QFont templateFont = font();
    templateFont.setPixelSize(scale.textPixels);
    setFont(templateFont);
    // Widgets under a style sheet keep the font they were polished with, so each is told.
    for (const auto& placement : placements) placement.first->setFont(templateFont);
    PlaceControls();
    if (isVisible()) DrawPhasePictures();
}

void CWindingPanel::PlaceControls() {
    const double on = scale.layout;
    // A text longer than its place (a translation, mostly) widens it, and the panel with it.
    std::vector<QRect> places;
    int panelWidth = Scaled(vireflu::DialogUnitsToPixelsX(templateSize.width()), on);
    for (const auto& [widget, pixels] : placements) {
        QRect place(QPoint(Scaled(pixels.left, on), Scaled(pixels.top, on)),
                    QPoint(Scaled(pixels.right, on) - 1, Scaled(pixels.bottom, on) - 1));
        place.setWidth(std::max(place.width(), TextWidth(widget)));
        panelWidth = std::max(panelWidth, place.right() + 1);
        places.push_back(place);
    }
    setFixedSize(panelWidth, Scaled(vireflu::DialogUnitsToPixelsY(templateSize.height()), on));
    // Right to left, the places are mirrored in the panel; the pictures in them are not.
    for (std::size_t i = 0; i < places.size(); ++i)
        placements[i].first->setGeometry(QStyle::visualRect(layoutDirection(), rect(), places[i]));
}

void CWindingPanel::CreateControl(const vireflu::TemplateControl& control,
                                  const vireflu::Rect& pixels) {
    const QString text = QCoreApplication::translate("Panel", control.text);
    if (!control.role) {
        placements.emplace_back(new QGroupBox(text, this), pixels);
        return;
    }
    const PanelControl role = *control.role;
    const int phase = vireflu::PhaseOf(role);
    QWidget* widget = nullptr;
    switch (vireflu::KindOf(role)) {
        case vireflu::ControlKind::CheckBox: {
            auto* check = new QCheckBox(text, this);
            connect(check, &QCheckBox::clicked, this,
                    [this, phase](bool checked) { OnPhaseClicked(phase, checked); });
            phaseChecks[phase - 1] = check;
            widget = check;
            break;
        }
        case vireflu::ControlKind::RadioButton: {
            auto* radio = new QRadioButton(text, this);
            // The button's id in the group is its waveform code.
            waveformGroup->addButton(radio, vireflu::WaveformOf(role));
            widget = radio;
            break;
        }
        case vireflu::ControlKind::PictureFrame:
            phaseFrames[phase - 1] = new CPhaseFrame(this);
            widget = phaseFrames[phase - 1];
            break;
        case vireflu::ControlKind::AngleField: {
            auto* edit = new CNumericEdit(this);
            edit->setMaxLength(vireflu::kAngleFieldLength);
            connect(edit, &QLineEdit::textChanged, this,
                    [this, phase](const QString& t) { OnPhaseAngleChange(phase, t); });
            phaseEdits[phase - 1] = edit;
            widget = edit;
            break;
        }
        case vireflu::ControlKind::UpDown: {
            auto* spin = new CSpinButton(this);
            connect(spin, &CSpinButton::Stepped, this,
                    [this, phase](int delta) { OnPhaseAngleStepped(phase, delta); });
            widget = spin;
            break;
        }
        case vireflu::ControlKind::Trackbar: {
            const PanelSlider which = *vireflu::SliderOf(role);
            auto* slider = new QSlider(Qt::Horizontal, this);
            slider->setRange(0, vireflu::PanelModel::SliderMaximum(which));
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setTickInterval(slider->maximum());  // the two end marks only
            slider->setValue(model.SliderPosition(which));
            connect(slider, &QSlider::valueChanged, this,
                    [this, which](int position) { OnHScroll(which, position); });
            sliders.emplace_back(which, slider);
            widget = slider;
            break;
        }
        case vireflu::ControlKind::Label:
        case vireflu::ControlKind::GroupBox: {
            auto* label = new QLabel(this);
            labels.emplace_back(role, label);
            widget = label;
            break;
        }
    }
    // Object names follow the members the controls stand for, so tests and tools find them.
    widget->setObjectName(QString::fromLatin1(vireflu::ControlName(role)));
    if (vireflu::KindOf(role) == vireflu::ControlKind::UpDown)
        static_cast<CSpinButton*>(widget)->SetBuddy(phaseEdits[phase - 1]);
    NameForScreenReaders(widget, role);
    placements.emplace_back(widget, pixels);
    controls.emplace_back(role, widget);
}

// Controls without a text of their own get the core's spoken name and description.
void CWindingPanel::NameForScreenReaders(QWidget* widget, vireflu::PanelControl role) {
    const int phase = vireflu::PhaseOf(role);
    // Through the core's WithArguments, as the page does: most names have no %1 to fill.
    const auto spoken = [phase](const char* pattern) {
        return QString::fromStdString(vireflu::WithArguments(
            QCoreApplication::translate("Panel", pattern).toStdString(), {std::to_string(phase)}));
    };
    const vireflu::SpokenName names = vireflu::SpokenNameOf(role);
    if (names.name == nullptr) return;  // named by its own text
    widget->setAccessibleName(spoken(names.name));
    if (names.description != nullptr) widget->setAccessibleDescription(spoken(names.description));
    if (names.tip != nullptr) widget->setToolTip(QCoreApplication::translate("Panel", names.tip));
    if (vireflu::KindOf(role) == vireflu::ControlKind::UpDown)
        static_cast<CSpinButton*>(widget)->SetAccessibleNames(
            spoken(vireflu::StepArrowName(vireflu::kStepUp)),
            spoken(vireflu::StepArrowName(vireflu::kStepDown)));
}

// Linux fonts run wider than the template's; a button whose text would be clipped is
// widened as far as it needs, within the panel.
int CWindingPanel::TextWidth(const QWidget* widget) {
    if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLabel*>(widget))
        return widget->sizeHint().width();
    return 0;
}

void CWindingPanel::SetPhaseFlags(const std::array<int, 3>& on) {
    model.SetPhaseFlags(on);
    WriteControls();
}

void CWindingPanel::Load(const vireflu::PanelModel& set) {
    model = set;
    WriteControls();
    DrawPhasePictures();
}

void CWindingPanel::DrawPhasePictures() {
    const vireflu::WindingSettings values = model.Record();
    const std::vector<int> pictured = vireflu::PicturedPhases(values);
    // Every picture takes its size from the phase-1 frame, less the inset on each side.
    const QSize size =
        phaseFrames[0]->size() - QSize(2 * vireflu::kPictureInset, 2 * vireflu::kPictureInset);
    for (int phase = 1; phase <= 3; ++phase) {
        CPhaseFrame* frame = phaseFrames[phase - 1];
        if (std::find(pictured.begin(), pictured.end(), phase) == pictured.end()) {
            frame->SetPicture(QImage());
            continue;
        }
        frame->SetPicture(vireflu::RenderPhasePicture(
            size.width(), size.height(), model.GetWinding(), phase, values, currentAngle,
            devicePixelRatioF(), vireflu::LineWidth(projector)));
    }
}

void CWindingPanel::Open() {
    if (const QWidget* owner = parentWidget())
        move(vireflu::KeepOnScreen(ClientOrigin(*owner), frameGeometry().size(),
                                   owner->screen()->availableGeometry()));
    Reopen();
}

void CWindingPanel::Reopen() {
    // A panel resized from outside (a window manager, a tool) gets its designed size back.
    resize(minimumSize());
    show();
    raise();
    activateWindow();
}

void CWindingPanel::keyPressEvent(QKeyEvent* event) {
    // Enter sends the current values once more and the panel stays open. Escape is left to
    // QDialog, which hides the panel until Reopen.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Apply(model.OnOK());
        return;
    }
    QDialog::keyPressEvent(event);
}

void CWindingPanel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Pictures follow the screen the panel now shows on, at its pixel ratio.
    DrawPhasePictures();
}

void CWindingPanel::OnPhaseClicked(int phase, bool checked) {
    Apply(model.OnPhaseClicked(phase, checked));
}

void CWindingPanel::OnWaveformClicked(int waveform) {
    switch (waveform) {
        case vireflu::kWaveformSinus:
            Apply(model.OnSinusClicked());
            break;
        case vireflu::kWaveformContinu:
            Apply(model.OnContinuClicked());
            break;
        case vireflu::kWaveformRectangulaire:
            Apply(model.OnRectangulaireClicked());
            break;
        default:
            break;
    }
}

void CWindingPanel::OnPhaseAngleChange(int phase, const QString& text) {
    Apply(model.OnPhaseAngleChange(phase, text.toStdString()));
    // The field now shows 360: the hint says why the typed value did not stay.
    if (vireflu::IsAngleAboveRange(text.toStdString())) {
        const QWidget* edit = phaseEdits[phase - 1];
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())),
                           QCoreApplication::translate("Panel", vireflu::kAngleHeldHint),
                           phaseEdits[phase - 1]);
    }
}

void CWindingPanel::OnPhaseAngleStepped(int phase, int delta) {
    Apply(model.StepAngle(phase, delta));
}

void CWindingPanel::OnHScroll(PanelSlider slider, int position) {
    Apply(model.OnHScroll(slider, position));
}

void CWindingPanel::OnOK() {
    emit SettingsSent(static_cast<int>(model.GetWinding()), model.Record());
}

void CWindingPanel::Apply(vireflu::PanelReaction reaction) {
    WriteControls();
    if (reaction.redrawPictures) DrawPhasePictures();
    if (reaction.send) OnOK();
}

void CWindingPanel::WriteControls() {
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(controls.size() + 1);
    blockers.emplace_back(waveformGroup);
    for (const auto& [role, widget] : controls) blockers.emplace_back(widget);

    for (const auto& [role, widget] : controls) {
        const vireflu::ControlState& state = model.State(role);
        widget->setEnabled(state.enabled);
        widget->setHidden(!state.visible);
    }
    for (int phase = 1; phase <= 3; ++phase) {
        phaseChecks[phase - 1]->setChecked(model.PhaseOn(phase) == 1);
        // Rewriting an unchanged text would move the caret the user is typing at.
        const QString text = QString::fromStdString(model.AngleText(phase));
        if (phaseEdits[phase - 1]->text() != text) phaseEdits[phase - 1]->setText(text);
    }
    if (QAbstractButton* checked = waveformGroup->button(model.Waveform())) {
        checked->setChecked(true);
    } else {
        // An exclusive group keeps one button checked; none is checked while phase 1 is off.
        waveformGroup->setExclusive(false);
        for (QAbstractButton* button : waveformGroup->buttons()) button->setChecked(false);
        waveformGroup->setExclusive(true);
    }
    for (const auto& [which, slider] : sliders) slider->setValue(model.SliderPosition(which));
    bool outgrown = false;
    for (const auto& [role, label] : labels) {
        label->setText(QString::fromStdString(
            vireflu::TranslatedLabel(model.LabelText(role), vireflu::CatalogueOf("Panel"))));
        outgrown = outgrown || label->sizeHint().width() > label->width();
    }
    if (outgrown) PlaceControls();
}
