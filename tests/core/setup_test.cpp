#include <gtest/gtest.h>

#include <memory>

#include "session/frame.h"
#include "session/open_setup.h"
#include "setup/setup_json.h"
#include "setup/setup_refusal.h"
#include "shell/interface_text.h"

namespace vireflu {
namespace {

Setup ReadmeMachine() {
    Setup s;
    s.stator = {3, {0, 240, 120}, 50, std::nullopt};
    s.rotor = {1, {0, 0, 0}, 50, kWaveformContinu, 50, 0};
    s.presentation = Presentation::Torque;
    return s;
}

// Every value at its widest: the longest document, and so the longest link.
Setup Widest() {
    Setup s;
    s.stator = {3, {360, 360, 360}, 100, kWaveformRectangulaire};
    s.rotor = {3, {360, 360, 360}, 100, kWaveformSinus, 100, 360};
    s.presentation = Presentation::Trace;
    s.colourMap = ColourMapKind::BlueWhiteOrange;
    s.projection = s.sequences = s.running = true;
    s.pacePeriodMs = 4 * kTickPeriodMs;
    s.statorWindow = s.rotorWindow = s.measuresWindow = true;
    s.ticks = kMaxTicks;
    return s;
}

std::string Written(const std::variant<Setup, SetupError>& read) {
    if (const auto* error = std::get_if<SetupError>(&read)) return "refused: " + error->message;
    return WriteSetup(std::get<Setup>(read));
}

// Reading what was written gives back the same bytes, from the document and from the link;
// the longest link stays far under the 2,000 characters an address may safely hold.
TEST(Setups, WrittenSetupsReadBackToTheSameBytes) {
    vireflu::Setup paced;
    paced.pacePeriodMs = kTickPeriodMs / 4;
    paced.measuresWindow = true;
    for (const vireflu::Setup& setup : {vireflu::Setup{}, ReadmeMachine(), Widest(), paced}) {
        const std::string document = WriteSetup(setup);
        EXPECT_EQ(Written(ReadSetup(document)), document);
        EXPECT_EQ(Written(ReadSetupLink("#" + SetupLink(setup))), document);
    }
    EXPECT_LE(SetupLink(Widest()).size(), 1000u);
    EXPECT_NE(WriteSetup(Widest()).find("\"windows\": [\"stator\", \"rotor\", \"measures\"]"),
              std::string::npos);
    // The panel shows "sinus" once phase 1 is on: the document says so.
    EXPECT_NE(WriteSetup(ReadmeMachine()).find("\"stator-waveform\": \"sinus\""),
              std::string::npos);
}

// A hand-written document: any order and spacing, escapes, keys left out at their defaults.
TEST(Setups, HandWrittenDocument) {
    const auto read = ReadSetup(
        " {\"rotor-waveform\" : \"\\u0063ontinu\",\"rotor-phases\":1,\r\n\t\"vireflu-setup\":1,"
        "\"windows\":[\"measures\",\"stator\"], \"ticks\": 4.0e1, \"rotation\": 0.25e2}");
    ASSERT_TRUE(std::holds_alternative<vireflu::Setup>(read)) << Written(read);
    const vireflu::Setup& s = std::get<vireflu::Setup>(read);
    EXPECT_EQ(s.rotor.waveform, kWaveformContinu);
    EXPECT_TRUE(s.measuresWindow && s.statorWindow && !s.rotorWindow);
    EXPECT_EQ(s.ticks, 40);
    EXPECT_EQ(s.rotor.rotationHz, 25);
    EXPECT_EQ(s.stator.frequencyHz, 50);
}

// Each refusal names the key at fault (none for the document as a whole) and what it accepts.
TEST(Setups, RefusalsNameTheKeyAndWhatItAccepts) {
    const std::string v = "{\"vireflu-setup\": 1, ";
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"not json", "", "not a JSON value at byte 0"},
        {v + "\"ticks\": 1", "", "'}' expected"},
        {"[1]", "", "not a JSON object"},
        {"{\"ticks\": 1}", "vireflu-setup", "is missing"},
        {"{\"vireflu-setup\": 2}", "vireflu-setup", "made by a newer version of Vireflu"},
        {"{\"vireflu-setup\": 1000000}", "vireflu-setup", "made by a newer version of Vireflu"},
        {"{\"vireflu-setup\": 1000001}", "vireflu-setup", "accepts 1.."},
        {"{\"vireflu-setup\": 0}", "vireflu-setup", "accepts 1.."},
        {v + "\"colour\": \"cao\"}", "colour", "unknown key \"colour\""},
        {v + "\"ticks\": 1, \"ticks\": 2}", "", "\"ticks\" is given twice"},
        {v + "\"ticks\": 1e}", "", "not a JSON value"},
        {v + "\"ticks\": 1e+8}", "ticks", "0..10000000"},
        {v + "\"ticks\": \"1\"}", "ticks", "\"ticks\" accepts 0..10000000"},
        {v + "\"ticks\": 1.5}", "ticks", "0..10000000"},
        {v + "\"ticks\": 1e400}", "", "a number out of range"},
        {v + "\"ticks\": NaN}", "", "not a JSON value"},
        {v + "\"ticks\": -Infinity}", "", "not a JSON value"},
        {v + "\"ticks\": 01}", "", "not a JSON value"},
        {v + "\"stator-angles\": [0, 120]}", "stator-angles", "[0..360, 0..360, 0..360]"},
        {v + "\"rotor-frequency\": 101}", "rotor-frequency", "0..100"},
        {v + "\"rotor-waveform\": \"rectangulaire\"}", "rotor-waveform",
         "\"sinus\" | \"continu\" | null"},
        {v + "\"stator-phases\": 2, \"stator-waveform\": \"continu\"}", "stator-waveform",
         "continu needs 1 phase"},
        {v + "\"stator-waveform\": \"sinus\"}", "stator-waveform", "needs phase 1 on"},
        {v + "\"pace\": \"x3\"}", "pace", "\"x1/4\" | \"x1/2\" | \"x1\" | \"x2\" | \"x4\""},
        {v + "\"windows\": [\"rotor\", \"rotor\"]}", "windows", "each once"},
        {v + "\"running\": 1}", "running", "true | false"},
        {v + "\"pace\": \"x\xff\"}", "", "not UTF-8"},
        {v + "\"pace\": \"\xe0\x80\xaf\"}", "", "not UTF-8"},  // "/" in three bytes
        {v + "\"pace\": \"\xed\xa0\x80\"}", "", "not UTF-8"},  // the surrogates, first
        {v + "\"pace\": \"\xed\xbf\xbf\"}", "", "not UTF-8"},  // and last
        // Keys as UTF-8, written as they are or escaped (a pair for U+1F600).
        {v + "\"\xf0\x9f\x98\x80\": 1}", "\xf0\x9f\x98\x80", "unknown key"},
        {v + "\"\\u00e9\\u20ac\\ud83d\\ude00\": 1}", "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80",
         "unknown key"},
        {v + "\"pace\": \"\\ud800\"}", "", "a lone surrogate"},
        {v + "\"pace\": \"a\nb\"}", "", "a control character"},
        // Eight levels are read (here a wrong value), a ninth is not.
        {v + "\"windows\": [[[[[[[]]]]]]]}", "windows", "each once"},
        {v + "\"windows\": [[[[[[[[]]]]]]]]}", "", "nested too deep"},
        {v + "\"pace\": \"\\ud83d\\u0041\"}", "", "a lone surrogate"},
        // Documents that end inside an escape or a character.
        {v + "\"pace\": \"x\\", "", "a string is not closed"},
        {v + "\"pace\": \"\\u0041", "", "a string is not closed"},
        {v + "\"pace\": \"\\u00411\"}", "pace", "accepts"},  // "A1": four digits, then a 1
        {v + "\"pace\": \"\xf0\x9f", "", "not UTF-8"},
        {std::string(kMaxSetupBytes + 1, ' '), "", "larger than 64 KiB"},
        // Whole by its double alone, not by its text; versions far past an int.
        {v + "\"ticks\": 1." + std::string(10000, '0') + "1}", "ticks", "0..10000000"},
        {"{\"vireflu-setup\": 1e300}", "vireflu-setup", "accepts 1.."},
        {"{\"vireflu-setup\": 1e19}", "vireflu-setup", "accepts 1.."},
        // A byte-order mark or UTF-16 is not the format's UTF-8.
        {"\xef\xbb\xbf{\"vireflu-setup\": 1}", "", "not a JSON value at byte 0"},
        {std::string("\xff\xfe{\0\"\0", 6), "", "not a JSON value at byte 0"},
        // A key as long as a line is quoted whole, a longer one shortened.
        {v + "\"" + std::string(80, 'k') + "\": 1}", std::string(80, 'k'), "unknown key"},
        {v + "\"" + std::string(60000, 'k') + "\": 1}",
         std::string(56, 'k') + "..." + std::string(20, 'k'), "unknown key"},
        {v + "\"" + std::string(90, 'k') + "\": 1, \"" + std::string(90, 'k') + "\": 1}", "",
         "\"" + std::string(56, 'k') + "..." + std::string(20, 'k') + "\" is given twice"},
    };
    for (const auto& [document, key, says] : rows) {
        const auto read = ReadSetup(document);
        ASSERT_TRUE(std::holds_alternative<SetupError>(read)) << document;
        EXPECT_EQ(std::get<SetupError>(read).key, key) << document;
        EXPECT_NE(std::get<SetupError>(read).message.find(says), std::string::npos)
            << std::get<SetupError>(read).message;
    }
    for (const char* link : {"#setup=e", "#setup=e*", "#setup=ew", "#other=ewo"})
        EXPECT_TRUE(std::holds_alternative<SetupError>(ReadSetupLink(link))) << link;
}

// Another winding than the teaching machine's is written with its four keys and reads back;
// the teaching machine's file has none of them (older files write back to their own bytes);
// coils are full-pitch unless a file says otherwise, and never wider than a pole.
TEST(Setups, WindingKeysOnlyForAnotherMachine) {
    vireflu::Setup four;
    four.winding = {2, 3, 7, 1};
    const std::string written = WriteSetup(four);
    EXPECT_NE(written.find("\"pole-pairs\": 2,\n  \"slots-per-pole-per-phase\": 3,\n  "
                           "\"coil-pitch\": 7,\n  \"cut-phase\": 1"),
              std::string::npos);
    EXPECT_EQ(std::get<vireflu::Setup>(ReadSetup(written)).winding, four.winding);
    EXPECT_EQ(WriteSetup(vireflu::Setup{}).find("pole-pairs"), std::string::npos);
    const std::string v = "{\"vireflu-setup\": 1, \"slots-per-pole-per-phase\": 2";
    EXPECT_EQ(std::get<vireflu::Setup>(ReadSetup(v + "}")).winding.coilPitch, 6);
    const auto wide = std::get<SetupError>(ReadSetup(v + ", \"coil-pitch\": 7}"));
    EXPECT_EQ(wide.key, "coil-pitch");
    EXPECT_EQ(wide.accepts, "1..6");
}

// A cage is written with its circuit and voltage, and reads back; a circuit out of range or
// of the wrong length is refused, naming the key.
TEST(Setups, CageKeysOnlyForACage) {
    vireflu::Setup cage;
    cage.cage = {true, {0.641, 1.106, 0.332, 0.464, 26.3, 460}};
    const std::string written = WriteSetup(cage);
    EXPECT_NE(written.find("\"rotor-cage\": true,\n  \"equivalent-circuit\": [0.641, 1.106, 0.332, "
                           "0.464, 26.3],\n  \"line-voltage\": 460"),
              std::string::npos);
    EXPECT_EQ(std::get<vireflu::Setup>(ReadSetup(written)).cage, cage.cage);
    cage.cage.free = true;
    cage.cage.inertia = 0.05;
    cage.cage.loadNm = -12.5;
    const std::string free = WriteSetup(cage);
    EXPECT_NE(free.find("\"free-rotor\": true,\n  \"inertia\": 0.05,\n  \"load-torque\": -12.5"),
              std::string::npos);
    EXPECT_EQ(std::get<vireflu::Setup>(ReadSetup(free)).cage, cage.cage);
    EXPECT_EQ(WriteSetup(vireflu::Setup{}).find("cage"), std::string::npos);
    const std::string v = "{\"vireflu-setup\": 1, ";
    for (const char* bad : {"\"equivalent-circuit\": [1, 1, 0, 1, 1]",
                            "\"equivalent-circuit\": [1, 1, 1, 1]", "\"line-voltage\": 0"})
        EXPECT_NE(std::get<SetupError>(ReadSetup(v + bad + "}")).key, "") << bad;
}

// What a teacher reads: the plain words first (what was not opened), the detail after; a
// sentence that is plain already stands alone.
TEST(Setups, RefusalsSayPlainlyFirst) {
    const Translate french = [](const char* text) { return std::string(text); };
    const auto refusal = [&](const std::string& document, RefusedText source) {
        return SetupRefusalText(std::get<SetupError>(ReadSetup(document)), french, source);
    };
    EXPECT_EQ(
        refusal("\xef\xbb\xbf{}", RefusedText::Setup),
        "Ce fichier n'est pas un montage Vireflu. Détail : le texte n'est pas du JSON lisible "
        "(arrêt à l'octet 0).");
    EXPECT_TRUE(refusal("[1]", RefusedText::Lesson).starts_with("Ce fichier n'est pas une leçon"));
    EXPECT_TRUE(refusal("{}", RefusedText::Link).starts_with("Ce lien ne contient pas de montage"));
    EXPECT_EQ(refusal("{\"vireflu-setup\": 1, \"rotation\": 900}", RefusedText::Setup),
              "Ce montage ne peut pas être ouvert. La clé « rotation » accepte 0..100.");
    // Only "%" and a digit are a placeholder: "x1" stays as written.
    EXPECT_EQ(WithArguments("x1 %1", {"A"}), "x1 A");
    EXPECT_EQ(refusal("{\"vireflu-setup\": 7}", RefusedText::Setup),
              "Ce réglage a été fait par une version plus récente de Vireflu (format 7) : mettez "
              "Vireflu à jour pour l'ouvrir.");
}

// Opening a setup advances only the frames its trace keeps, yet leaves the trace that
// advancing every frame leaves: at the edges of a fresh start (the 1000th and 1001st
// frames) and past two.
TEST(Setups, OpenedSetupKeepsTheTraceOfEveryStepDrawn) {
    struct EveryStep : FrameSink {
        explicit EveryStep(MachineScene& scene) : scene(scene) {}
        bool Draw(SimulationState& state, int) override {
            AdvanceFrame(scene, state);
            return true;
        }
        MachineScene& scene;
    };
    vireflu::Setup setup;
    setup.stator = {3, {0, 120, 240}, 1, kWaveformSinus};
    setup.presentation = Presentation::Trace;
    for (const int ticks : {0, 996, 997, 2345}) {
        setup.ticks = ticks;
        auto played = std::make_unique<SimulationState>(),
             opened = std::make_unique<SimulationState>();
        MachineScene scene;
        scene.Resize(300, 200);
        EveryStep everyStep(scene);
        PlaySetup(setup, *played, everyStep);
        OpenSetup(setup, *opened, scene);
        AdvanceFrame(scene, *opened);
        ASSERT_EQ(opened->traceCount, played->traceCount) << ticks;
        for (int i = 0; i < played->traceCount; ++i)
            EXPECT_EQ(opened->traceBuffer[i], played->traceBuffer[i]) << ticks << " " << i;
    }
}

}  // namespace
}  // namespace vireflu
