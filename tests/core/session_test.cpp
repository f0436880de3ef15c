#include <gtest/gtest.h>

#include <random>

#include "lessons/lesson_library.h"
#include "session/frame.h"
#include "session/session.h"
#include "setup/panel_record.h"
#include "setup/setup_json.h"

namespace vireflu {
namespace {

// A teacher's setup: a running three-phase stator, a rotor turning at 20 Hz, 37 ticks in.
vireflu::Setup Prepared() {
    vireflu::Setup setup;
    setup.stator = {3, {0, 240, 120}, 50, kWaveformSinus};
    setup.rotor = {1, {0, 0, 0}, 10, kWaveformSinus, 20, 45};
    setup.presentation = Presentation::Trace;
    setup.pacePeriodMs = 75;
    setup.measuresWindow = true;
    setup.ticks = 37;
    return setup;
}

// What is opened is what is saved, the clock stopped; a panel's record puts the clock back to
// zero and is saved in turn.
TEST(Session, OpensAndSavesTheSameSetup) {
    Session session;
    session.ResizeView(300, 200);
    const vireflu::Setup setup = Prepared();
    session.Open(setup);
    EXPECT_EQ(WriteSetup(session.CurrentSetup(setup)), WriteSetup(setup));
    EXPECT_NEAR(session.State().elapsedTime, 37 * 0.0005, 1e-12);
    session.Tick();
    EXPECT_EQ(session.CurrentSetup(setup).ticks, 38);
    WindingSettings still = session.Records().rotor;
    still.rotationHz = 0;
    session.ApplyRecord(Winding::Rotor, still);
    EXPECT_EQ(session.State().elapsedTime, 0);
    EXPECT_EQ(session.State().rotationPulsation, 0);
    EXPECT_EQ(session.CurrentSetup(setup).rotor.rotationHz, 0);
    EXPECT_EQ(session.CurrentSetup(setup).ticks, 0);
}

// The clock starts only with a winding on and no prediction awaited, and stops only with a
// winding on.
TEST(Session, ClockWaitsForAWindingAndForThePrediction) {
    Session session;
    EXPECT_FALSE(session.ToggleAnimation());
    EXPECT_STREQ(session.WhyStill(), "Rien à animer : cochez une phase dans « Stator ».");
    session.Open(Prepared());
    EXPECT_EQ(session.WhyStill(), nullptr);
    session.AwaitPrediction({true, false, false, false});
    EXPECT_TRUE(session.State().withheld.field);
    EXPECT_FALSE(session.ToggleAnimation());
    EXPECT_STREQ(session.WhyStill(), "Répondez d'abord à la question de la leçon.");
    session.EndPrediction();
    EXPECT_EQ(session.State().withheld, Withheld{});
    EXPECT_TRUE(session.ToggleAnimation());
    session.AwaitPrediction({false, true, false, false});
    session.ApplyRecord(Winding::Stator, {});
    session.ApplyRecord(Winding::Rotor, {});
    EXPECT_TRUE(session.ToggleAnimation());
    session.ApplyRecord(Winding::Stator, {1, 0, 0, 0, 0, 0, 50, 0, 0, kWaveformSinus});
    EXPECT_FALSE(session.ToggleAnimation());
    session.Open(Prepared());
    EXPECT_FALSE(session.Running());
    EXPECT_EQ(session.State().withheld, Withheld{});
}

// Twenty random changes, each a record, a command, the two fields, a window or the pace: undo
// shows each setup before them again, down to the frame's pixels (the trace aside, which
// keeps every frame drawn), and redo replays them.
TEST(Session, UndoAndRedoTwentyChanges) {
    std::mt19937 random(20261208);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    Session session;
    session.ResizeView(120, 90);
    RasterSurface canvas;
    const auto frame = [&] {
        session.AdvanceFrame();
        RenderMachineFrame(canvas, session.Scene(), session.State());
        return std::vector<std::uint32_t>(canvas.Pixels().begin(), canvas.Pixels().end());
    };
    const auto stopped = [&](vireflu::Setup setup) {
        setup.ticks = 0;
        return WriteSetup(setup);
    };
    vireflu::Setup windows;
    std::vector<std::pair<std::string, std::vector<std::uint32_t>>> shown;
    session.Remember(windows);
    while (shown.size() < 20) {
        const vireflu::Setup before = session.CurrentSetup(windows);
        shown.emplace_back(WriteSetup(before), frame());
        const int phases = 1 + pick(3);
        const WindingSetup winding{phases,    {pick(361), pick(361), pick(361)},
                                   pick(101), kWaveformSinus,
                                   pick(101), pick(361)};
        switch (pick(5)) {
            case 0: {
                const auto panel = Winding(pick(2));
                session.ApplyRecord(panel, RecordOf(panel, winding));
                break;
            }
            case 1:
                session.Command(MenuCommand::Presentation, pick(2) * 3 + pick(2));
                break;
            case 2:
                session.Command(MenuCommand::ColourMap, pick(4));
                break;
            case 3:
                session.SetSequences(!session.State().sequenceMode);
                break;
            default:
                windows.measuresWindow = !windows.measuresWindow;
                windows.pacePeriodMs = 150 << pick(2);
        }
        // A change to what already was is none.
        if (stopped(session.CurrentSetup(windows)) == stopped(before)) shown.pop_back();
        session.Tick();
        session.Remember(windows);
    }
    const std::string last = WriteSetup(session.CurrentSetup(windows));
    for (int change = 19; change >= 0; --change) {
        const std::optional<vireflu::Setup> back = session.Undo();
        ASSERT_TRUE(back) << change;
        windows = *back;
        EXPECT_EQ(WriteSetup(session.CurrentSetup(windows)), shown[change].first) << change;
        EXPECT_EQ(frame(), shown[change].second) << change;
    }
    EXPECT_FALSE(session.Undo());
    for (int change = 0; change < 20; ++change) windows = *session.Redo();
    EXPECT_FALSE(session.Redo());
    EXPECT_EQ(WriteSetup(session.CurrentSetup(windows)), last);
    // Typing 1, 12, 120 into one angle field is one change.
    for (const int angle : {1, 12, 120}) {
        WindingSettings record = session.Records().stator;
        record.phase2AngleDeg = angle;
        session.ApplyRecord(Winding::Stator, record);
        session.Remember(windows);
    }
    session.Undo();
    EXPECT_EQ(WriteSetup(session.CurrentSetup(windows)), last);
}

// The setup a file holds against the one shown: a change marks it, the clock does not, and
// undoing back to it clears the mark. A lesson keeps the projector as the room has it.
TEST(Session, ChangedSinceTheFileAndLessonsKeepTheProjector) {
    Session session;
    const vireflu::Setup windows;
    session.Remember(windows);
    EXPECT_FALSE(session.ShownChanged());
    session.Open(Prepared());
    session.Remember(windows);
    session.KeepShown();
    session.Tick();
    session.Remember(windows);
    EXPECT_FALSE(session.ShownChanged());
    session.Command(MenuCommand::ColourMap, static_cast<int>(ColourMapKind::Cao));
    session.Remember(windows);
    EXPECT_TRUE(session.ShownChanged());
    session.Undo();
    EXPECT_FALSE(session.ShownChanged());
    session.Command(MenuCommand::Projection, 1);
    const LessonPage page = session.OpenLesson(
        *FindLesson("trois-phases"), [](const char* text) { return std::string(text); }, false);
    EXPECT_TRUE(page.setup.projection && session.State().projectorMode == 1);
}

}  // namespace
}  // namespace vireflu
