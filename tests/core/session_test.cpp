#include <gtest/gtest.h>

#include "session/session.h"
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
    session.Open(Prepared());
    session.AwaitPrediction({true, false, false, false});
    EXPECT_TRUE(session.State().withheld.field);
    EXPECT_FALSE(session.ToggleAnimation());
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

}  // namespace
}  // namespace vireflu
