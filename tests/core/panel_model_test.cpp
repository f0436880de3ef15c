#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "panels/panel_model.h"
#include "panels/panel_template.h"
#include "shell/projector.h"

namespace vireflu {
namespace {

using C = PanelControl;
using Step = PanelReaction (*)(PanelModel&);

constexpr Step Phase1On = [](PanelModel& m) { return m.OnPhaseClicked(1, true); };
constexpr Step Phase1Off = [](PanelModel& m) { return m.OnPhaseClicked(1, false); };
constexpr Step Phase2On = [](PanelModel& m) { return m.OnPhaseClicked(2, true); };
constexpr Step Phase2Off = [](PanelModel& m) { return m.OnPhaseClicked(2, false); };
constexpr Step Phase3On = [](PanelModel& m) { return m.OnPhaseClicked(3, true); };
constexpr Step Phase3Off = [](PanelModel& m) { return m.OnPhaseClicked(3, false); };
constexpr Step Sinus = [](PanelModel& m) { return m.OnSinusClicked(); };
constexpr Step Continu = [](PanelModel& m) { return m.OnContinuClicked(); };
constexpr Step Rectangulaire = [](PanelModel& m) { return m.OnRectangulaireClicked(); };

using Controls = std::vector<C>;
Controls operator+(Controls a, const Controls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The check boxes and waveform buttons, whose enabled state the handlers change, and the
// controls the handlers show and hide.
const Controls kSwitches{C::Phase1Check, C::Phase2Check, C::Phase3Check,
                         C::Sinus,       C::Continu,     C::Rectangulaire};
const Controls kWaveforms{C::Sinus, C::Continu, C::Rectangulaire};
const Controls kPhase1{C::Phase1Frame, C::Phase1Field, C::Phase1Spin};
const Controls kPhase2{C::Phase2Frame, C::Phase2Field, C::Phase2Spin};
const Controls kPhase3{C::Phase3Frame, C::Phase3Field, C::Phase3Spin};
const Controls kFrequency{C::FrequencySlider, C::FrequencyLabel};
const Controls kShown = kPhase1 + kPhase2 + kPhase3 + kFrequency;

// What a panel shows in one state: the checked switches, the waveform, which switches
// are enabled and which of the other controls are visible.
struct Look {
    std::array<int, 3> on;
    int waveform;
    Controls enabled;
    Controls visible;
};
const Look kOpenedStator{{0, 0, 0}, -1, {C::Phase1Check}, {C::FrequencyLabel}};
const Look kOff{{0, 0, 0}, -1, {C::Phase1Check}, {}};
const Look kSinus1{
    {1, 0, 0}, 0, Controls{C::Phase1Check, C::Phase2Check} + kWaveforms, kPhase1 + kFrequency};
const Look kSinus2{{1, 1, 0}, 0, kSwitches, kPhase1 + kPhase2 + kFrequency};
const Look kSinus3{{1, 1, 1}, 0, kSwitches, kShown};
const Look kContinu{{1, 0, 0}, 1, Controls{C::Phase1Check} + kWaveforms, {C::Phase1Frame}};
const Look kRectangulaire{{1, 1, 1},
                          2,
                          kContinu.enabled,
                          Controls{C::Phase1Frame, C::Phase2Frame, C::Phase3Frame} + kFrequency};

// The controls of `among` that the panel has and `test` holds for, in `among`'s order.
Controls Select(const PanelModel& model, const Controls& among,
                const std::function<bool(C)>& test) {
    Controls found;
    for (C control : among)
        if (model.Has(control) && test(control)) found.push_back(control);
    return found;
}

Controls Listed(const PanelModel& model, const Controls& among, const Controls& listed) {
    return Select(model, among,
                  [&](C c) { return std::find(listed.begin(), listed.end(), c) != listed.end(); });
}

struct Row {
    const char* name;
    std::vector<Step> steps;
    const Look& look;
};

// After each row's clicks, the panel looks as its state says (the rotor has no
// "rectangulaire" button, and its rotation and position trackbars always show) and its
// record carries the switches and waveform with the values it opened with. A panel made
// from that record, as a setup opens it, looks the same, but for the empty frequency label
// a panel never switched on keeps.
void CheckTransitions(Winding winding, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        PanelModel model(winding);
        for (Step step : row.steps) {
            const PanelReaction reaction = step(model);
            EXPECT_TRUE(reaction.redrawPictures && reaction.send) << row.name;
        }
        const PanelModel opened(winding, model.Record());
        const bool blankLabel = !opened.PhaseOn(1) && winding == Winding::Stator;
        for (const PanelModel* panel : std::array<const PanelModel*, 2>{&model, &opened}) {
            const Controls visible =
                panel == &opened && blankLabel ? Controls{C::FrequencyLabel} : row.look.visible;
            EXPECT_EQ(Select(*panel, kSwitches, [&](C c) { return panel->State(c).enabled; }),
                      Listed(*panel, kSwitches, row.look.enabled))
                << row.name;
            EXPECT_EQ(Select(*panel, kShown, [&](C c) { return panel->State(c).visible; }),
                      Listed(*panel, kShown, visible))
                << row.name;
        }
        EXPECT_EQ(opened.Record(), model.Record()) << row.name;
        const auto& on = row.look.on;
        EXPECT_EQ((std::array{model.PhaseOn(1), model.PhaseOn(2), model.PhaseOn(3)}), on)
            << row.name;
        EXPECT_EQ(model.Record(),
                  (WindingSettings{on[0], on[1], on[2], 0, 0, 0, 50, 0, 0, row.look.waveform}))
            << row.name;
        for (C always : {C::RotationSlider, C::RotationLabel, C::PositionSlider, C::PositionLabel})
            EXPECT_EQ(model.State(always).visible, winding == Winding::Rotor) << row.name;
    }
}

TEST(PanelModel, StatorTransitions) {
    const std::vector<Row> rows{
        {"opened", {}, kOpenedStator},
        {"phase 1 on", {Phase1On}, kSinus1},
        {"phase 2 on", {Phase1On, Phase2On}, kSinus2},
        {"phase 3 on", {Phase1On, Phase2On, Phase3On}, kSinus3},
        {"phase 3 off", {Phase1On, Phase2On, Phase3On, Phase3Off}, kSinus2},
        {"phase 2 off takes 3", {Phase1On, Phase2On, Phase3On, Phase2Off}, kSinus1},
        {"continu", {Phase1On, Phase2On, Phase3On, Continu}, kContinu},
        {"rectangulaire", {Phase1On, Rectangulaire}, kRectangulaire},
        {"continu, rectangulaire", {Phase1On, Continu, Rectangulaire}, kRectangulaire},
        {"rectangulaire, sinus", {Phase1On, Rectangulaire, Sinus}, kSinus1},
        {"sinus again", {Phase1On, Phase2On, Phase3On, Sinus}, kSinus3},
        {"rectangulaire, off", {Phase1On, Rectangulaire, Phase1Off}, kOff},
        {"on again in sinus", {Phase1On, Rectangulaire, Phase1Off, Phase1On}, kSinus1},
    };
    CheckTransitions(Winding::Stator, rows);
}

TEST(PanelModel, RotorTransitions) {
    CheckTransitions(Winding::Rotor, {{"opened", {}, kOff},
                                      {"continu, sinus", {Phase1On, Continu, Sinus}, kSinus1},
                                      {"phase 1 off", {Phase1On, Phase1Off}, kOff}});
    PanelModel model(Winding::Rotor);
    Phase1On(model);
    EXPECT_FALSE(model.OnRectangulaireClicked().send);
    EXPECT_EQ(model.Waveform(), kWaveformSinus);
    // Only the rotor has the rotation and position trackbars; only the stator the six-step.
    for (int c = 0; c < static_cast<int>(C::Count); ++c) {
        const C control = static_cast<C>(c);
        EXPECT_EQ(PanelModel(Winding::Stator).Has(control), control < C::RotationSlider) << c;
        EXPECT_EQ(PanelModel(Winding::Rotor).Has(control), control != C::Rectangulaire) << c;
    }
}

// Text typed into phase 2's field reads as atoi does ("4 5" is 4, "-5" is 0) and clamps to
// 360; one step of the up/down control then stays within 0..360: a step past either end
// writes nothing and sends nothing.
TEST(PanelModel, AngleFieldTextsAndSteps) {
    struct Row {
        const char* text;
        int angle;
        const char* shown;
        int delta;
        const char* stepped;
    };
    const Row rows[] = {
        {"4", 4, "4", -1, "3"},         {"450", 360, "360", +1, "360"}, {"", 0, "", -1, ""},
        {" 45", 45, " 45", +1, "46"},   {"4 5", 4, "4 5", +1, "5"},     {"-5", 0, "0", -1, "0"},
        {"359", 359, "359", +1, "360"}, {"007", 7, "007", -1, "6"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        PanelModel model(Winding::Rotor);
        Phase1On(model);
        Phase2On(model);
        const PanelReaction typed = model.OnPhaseAngleChange(2, row.text);
        EXPECT_TRUE(typed.redrawPictures && typed.send);
        EXPECT_EQ(model.AngleDeg(2), row.angle);
        EXPECT_EQ(model.AngleText(2), row.shown);
        EXPECT_EQ(model.Record().phase2AngleDeg, row.angle);
        const bool moves = model.StepAngle(2, row.delta).send;
        EXPECT_EQ(model.AngleText(2), row.stepped);
        EXPECT_EQ(model.Record().phase2AngleDeg, PanelModel::TextValue(row.stepped));
        EXPECT_EQ(moves, row.stepped != std::string(row.shown));
    }
}

// The up/down control takes the right end of its angle field: the stator's phase 1 field,
// 83..115 x 148..160 dialog units, is 125..173 x 241..260 pixels, of which the up/down
// (11 units wide, 16 pixels) takes 157..173.
TEST(PanelTemplate, UpDownAtTheRightOfItsAngleField) {
    const PanelTemplate& stator = PanelTemplateOf(Winding::Stator);
    const auto pixels = [&](C role) {
        const auto at = std::find_if(stator.controls.begin(), stator.controls.end(),
                                     [&](const TemplateControl& c) { return c.role == role; });
        return ControlPixels(stator, static_cast<std::size_t>(at - stator.controls.begin()));
    };
    EXPECT_EQ(pixels(C::Phase1Field), (Rect{125, 241, 157, 260}));
    EXPECT_EQ(pixels(C::Phase1Spin), (Rect{157, 241, 173, 260}));
}

// Every control keeps a margin of 7 units; the group boxes, trackbars and labels all end at
// the right margin; each angle field and its up/down lie inside the group box before them;
// every other control starts at the left margin, unless another precedes it on its row.
TEST(PanelTemplate, ControlsWithinTheMarginsAndTheirGroupBoxes) {
    for (const Winding winding : {Winding::Stator, Winding::Rotor}) {
        const PanelTemplate& layout = PanelTemplateOf(winding);
        const DialogRect* box = nullptr;
        for (const TemplateControl& control : layout.controls) {
            const DialogRect& r = control.rect;
            SCOPED_TRACE(testing::Message() << r.x << ", " << r.y);
            EXPECT_TRUE(r.x >= 7 && r.y >= 7 && r.y + r.height <= layout.height - 7);
            const ControlKind kind = KindOf(control.role);
            const bool reachesRight = kind == ControlKind::GroupBox ||
                                      kind == ControlKind::Trackbar || kind == ControlKind::Label;
            EXPECT_EQ(r.x + r.width == layout.width - 7, reachesRight);
            EXPECT_LE(r.x + r.width, layout.width - 7);
            if (kind == ControlKind::GroupBox) box = &r;
            const bool inBox = kind == ControlKind::AngleField || kind == ControlKind::UpDown;
            const bool besideAnother = std::ranges::any_of(
                layout.controls, [&](const auto& c) { return c.rect.y == r.y && c.rect.x < r.x; });
            EXPECT_TRUE(kind == ControlKind::GroupBox || inBox || besideAnother || r.x == 7);
            EXPECT_TRUE(!inBox || (box != nullptr && r.x > box->x && r.y > box->y &&
                                   r.x + r.width < box->x + box->width &&
                                   r.y + r.height < box->y + box->height));
        }
    }
}

// Each trackbar sends without redrawing the pictures and refreshes its label; the rotor's
// hidden frequency trackbar is read as well.
TEST(PanelModel, TrackbarsRefreshValuesAndLabels) {
    PanelModel stator(Winding::Stator);
    EXPECT_EQ(stator.FrequencyLabel(), "");
    const PanelReaction reaction = stator.OnHScroll(PanelSlider::Frequency, 30);
    EXPECT_TRUE(reaction.send && !reaction.redrawPictures);
    EXPECT_EQ(stator.FrequencyLabel(), "fréquence stator: 30 Hz");
    PanelModel rotor(Winding::Rotor);
    EXPECT_EQ(rotor.RotationLabel(), "fréquence de rotation: 0 Hz");
    rotor.OnHScroll(PanelSlider::Rotation, 7);
    rotor.OnHScroll(PanelSlider::InitialPosition, 90);
    EXPECT_EQ(rotor.RotationLabel(), "fréquence de rotation: 7 Hz");
    EXPECT_EQ(rotor.InitialPositionLabel(), "position initiale: 90 degré");
    EXPECT_EQ(rotor.FrequencyLabel(), "fréquence rotor: 50 Hz");
    EXPECT_EQ(rotor.Record(), (WindingSettings{0, 0, 0, 0, 0, 0, 50, 7, 90, -1}));
}

// Values whose controls are hidden keep their last value and are still sent.
TEST(PanelModel, HiddenValuesAreStillSent) {
    PanelModel stator(Winding::Stator);
    Phase1On(stator);
    Phase2On(stator);
    stator.OnPhaseAngleChange(1, "45");
    stator.OnPhaseAngleChange(2, "120");
    stator.OnHScroll(PanelSlider::Frequency, 30);
    Rectangulaire(stator);
    EXPECT_EQ(stator.Record(), (WindingSettings{1, 1, 1, 45, 120, 0, 30, 0, 0, 2}));
    Sinus(stator);
    EXPECT_EQ(stator.Record(), (WindingSettings{1, 0, 0, 45, 120, 0, 30, 0, 0, 0}));
    Phase1Off(stator);
    EXPECT_EQ(stator.Record(), (WindingSettings{0, 0, 0, 45, 120, 0, 30, 0, 0, -1}));
    Phase1On(stator);
    EXPECT_EQ(stator.AngleText(1) + " " + stator.AngleText(2), "45 120");
    // A panel opened on a record keeps every value of it, shown or not.
    const WindingSettings kept{1, 1, 1, 45, 120, 250, 30, 0, 0, 0};
    EXPECT_EQ(PanelModel(Winding::Stator, kept).Record(), kept);
    EXPECT_EQ(PanelModel(Winding::Stator, kept).AngleText(3), "250");
    EXPECT_TRUE(stator.OnOK().send && !stator.OnOK().redrawPictures);

    PanelModel rotor(Winding::Rotor);
    Phase1On(rotor);
    rotor.OnHScroll(PanelSlider::Frequency, 20);
    Continu(rotor);
    EXPECT_EQ(rotor.Record(), (WindingSettings{1, 0, 0, 0, 0, 0, 20, 0, 0, 1}));
}

// Projector mode: 24-pixel text on 1080 lines and at least twice the normal size; a panel's
// layout as large as its text where the room allows, smaller where it does not, never below
// its own size, its text the projector's least whatever the layout.
TEST(PanelTemplate, ProjectorScaleFitsTheRoom) {
    EXPECT_EQ(ProjectorTextPixels(12, 1080), 24);
    EXPECT_EQ(ProjectorTextPixels(12, 768), 24);  // twice 12, above 24 * 768 / 1080
    EXPECT_EQ(ProjectorTextPixels(13, 2160), 48);
    const PanelScale roomy = ProjectorPanelScale(Winding::Stator, 1080, 1000);  // 427 px high
    EXPECT_DOUBLE_EQ(roomy.layout, 24.0 / 11);
    EXPECT_EQ(roomy.textPixels, 24);
    const PanelScale tight = ProjectorPanelScale(Winding::Rotor, 768, 648);  // 489 px high
    EXPECT_DOUBLE_EQ(tight.layout, 648.0 / 489);
    EXPECT_EQ(tight.textPixels, 18);  // 24 * 768 / 1080 = 17.07, rounded up
    EXPECT_EQ(ProjectorPanelScale(Winding::Stator, 600, 100).layout, 1);
}

}  // namespace
}  // namespace vireflu
