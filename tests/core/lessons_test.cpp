#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "description/machine_description.h"
#include "lessons/lesson_grade.h"
#include "lessons/lesson_json.h"
#include "lessons/lesson_library.h"
#include "lessons/lesson_text.h"
#include "lessons/pending_answer.h"
#include "measures/measure_rows.h"
#include "session/frame.h"
#include "session/open_setup.h"
#include "setup/setup_refusal.h"
#include "view/annotations.h"
#include "view/machine_scene.h"

namespace vireflu {
namespace {

const Translate French = [](const char* french) { return std::string(french); };

// Every shipped lesson reads, and the simulator makes exactly one of its choices right,
// the one the physics says.
TEST(LessonTable, EveryLessonHasExactlyOneRightChoiceAndItIsThePhysicsAnswer) {
    const std::map<std::string, std::string> physics = {{"une-phase", "pulsant"},
                                                        {"trois-phases", "horaire"},
                                                        {"deux-phases-inversees", "antihoraire"},
                                                        {"deux-phases-90", "horaire"},
                                                        {"frequence-vitesse", "1500"},
                                                        {"courant-continu", "immobile"},
                                                        {"machine-synchrone", "antihoraire"},
                                                        {"angle-de-couple", "270"},
                                                        {"rotor-contre-le-champ", "2"},
                                                        {"glissement", "0.04"},
                                                        {"frequence-rotor", "2"},
                                                        {"harmonique-5", "horaire"},
                                                        {"harmonique-7", "antihoraire"},
                                                        // 60 x 50 / 2 against 1440 tr/min
                                                        {"plaque-signaletique", "1500"},
                                                        {"paires-de-poles", "1000"},
                                                        // sin(5 x 75) = sin 15 against sin 75
                                                        {"pas-raccourci", "5"},
                                                        // sin 30 / (3 sin 10) x sin 70
                                                        {"facteur-de-bobinage", "0.9019"},
                                                        {"phase-coupee", "pulsant"},
                                                        // the default cage, four poles
                                                        {"jamais-au-synchronisme", "0"},
                                                        {"moteur-en-charge", "1437.3992"},
                                                        // 3.6 / |Zth + j3.5|
                                                        {"resistance-rotorique", "0.5511"},
                                                        {"courant-de-demarrage", "32.0561"},
                                                        {"generatrice", "generatrice"},
                                                        {"contre-courant", "frein"}};
    ASSERT_EQ(ShippedLessons().size(), ShippedLessonFiles().size());
    ASSERT_EQ(ShippedLessons().size(), physics.size());
    for (const Lesson& lesson : ShippedLessons()) {
        SCOPED_TRACE(lesson.id);
        const auto value = ComputeLessonValue(lesson);
        ASSERT_TRUE(value.has_value());
        int right = 0;
        for (const LessonChoice& choice : lesson.choices) {
            right += IsRightChoice(lesson, *value, choice) ? 1 : 0;
            // Only a wrong choice says why it tempts: on the right one it would never show.
            EXPECT_FALSE(choice.why && IsRightChoice(lesson, *value, choice)) << choice.name;
        }
        EXPECT_EQ(right, 1);
        EXPECT_TRUE(RightChoice(lesson, *value).has_value());
        EXPECT_EQ(ValueText(*value), physics.at(lesson.id));
    }
}

TEST(LessonTable, SentencesQuoteTheSimulatorsFigureInTheLanguage) {
    const Translate English = [](const char* french) {
        const std::map<std::string, std::string> catalogue = {
            {",", "."},
            {"%1 tr/min", "%1 rpm"},
            {"Le glissement vaut %1 : champ à %2, rotor à %3", "Slip %1: field %2, rotor %3"}};
        const auto found = catalogue.find(french);
        return found == catalogue.end() ? std::string(french) : found->second;
    };
    const Lesson& rotating = *FindLesson("trois-phases");
    const LessonValue value = *ComputeLessonValue(rotating);
    EXPECT_EQ(LessonSentence(rotating.quantity, value, French),
              "Le champ tourne dans le sens horaire à 3000 tr/min");
    const Lesson& slip = *FindLesson("glissement");
    EXPECT_EQ(LessonSentence(slip.quantity, *ComputeLessonValue(slip), French),
              "Le glissement vaut 0,04 : champ à +3000 tr/min, rotor à +2880 tr/min");
    EXPECT_EQ(LessonSentence(slip.quantity, *ComputeLessonValue(slip), English),
              "Slip 0.04: field +3000 rpm, rotor +2880 rpm");
    // The n-th harmonic of the currents alternates n times as fast: its field turns n times
    // as fast as the fundamental's +3000 rpm, the fifth against it, the seventh with it.
    for (const auto& [id, heard] :
         {std::pair{"harmonique-5",
                    "L'harmonique 5 (20 % du fondamental) tourne dans le sens "
                    "horaire à 15000 tr/min, 5 fois la vitesse du fondamental"},
          std::pair{"harmonique-7",
                    "L'harmonique 7 (14 % du fondamental) tourne dans le sens "
                    "antihoraire à 21000 tr/min, 7 fois la vitesse du "
                    "fondamental"},
          // The equivalent circuit's figures, worked by hand in the induction tests.
          std::pair{"courant-de-demarrage", "Une phase du stator absorbe 32,1 A"},
          std::pair{"resistance-rotorique", "Le couple est maximal au glissement 0,551"}}) {
        const Lesson& harmonic = *FindLesson(id);
        EXPECT_EQ(LessonSentence(harmonic.quantity, *ComputeLessonValue(harmonic), French), heard);
    }
    EXPECT_TRUE(IsRightNumber(slip, *ComputeLessonValue(slip), 0.042));
    EXPECT_FALSE(IsRightNumber(slip, *ComputeLessonValue(slip), 0.046));
    // As a student types it, the same in every front-end and locale: "0,04" is 4 / 100.
    EXPECT_EQ(TypedNumber(" 0,04 "), 0.04);
    EXPECT_EQ(TypedNumber("-2.5"), -2.5);
    for (const char* junk : {"", " - ", "1e3", "nan", "0,0,4", "4 2", "+.", "0x1"})
        EXPECT_EQ(TypedNumber(junk), std::nullopt) << junk;
}

// Every placeholder of a shipped lesson's texts has a value in its setup, so no text shows a
// dash where a figure belongs; what the figures say is worked out by hand for three lessons.
TEST(LessonTable, TextsQuoteTheFiguresOfTheirOwnSetup) {
    for (const Lesson& lesson : ShippedLessons()) {
        SCOPED_TRACE(lesson.id);
        const LessonFigures figures = LessonFiguresOf(ComputeLessonNumbers(lesson.setup), French);
        std::vector<const LessonText*> texts = {&lesson.introduction, &lesson.question,
                                                &lesson.explanation};
        if (lesson.followUp) texts.push_back(&*lesson.followUp);
        for (const LessonText* text : texts)
            for (const std::string* words : {&text->fr, &text->en})
                for (const std::string_view name : PlaceholdersIn(*words))
                    EXPECT_NE(figures.at(std::string(name)), "\xE2\x80\x94") << name;
    }
    // Against a clockwise field at -3000 rpm, a rotor driven at +3000 rpm slips by g = 2 and
    // its currents alternate at 2 x 50 = 100 Hz.
    const auto filled = [&](const char* id, const char* text) {
        const Lesson& lesson = *FindLesson(id);
        return FillLessonText(text, LessonFiguresOf(ComputeLessonNumbers(lesson.setup), French));
    };
    EXPECT_EQ(filled("rotor-contre-le-champ",
                     "{field-sense} {field-signed-speed}, {rotor-sense} {rotor-signed-speed}, "
                     "g = {slip}, {rotor-frequency}, {slip-speed}"),
              "dans le sens horaire -3000 tr/min, dans le sens antihoraire +3000 tr/min, g = 2, "
              "100 Hz, 6000 tr/min");
    // The synchronous machine's rotor lags by 60°: a mean torque of 0.9 sin 60°, pushing it
    // counterclockwise; a six-step stator's angles as the panel shows them.
    EXPECT_EQ(filled("machine-synchrone", "{mean-torque} {harmonic-5-speed}"), "0,78 \xE2\x80\x94");
    // Single coils fed with direct current, the rotor's field a quarter turn ahead of the
    // stator's: drawn back towards it, clockwise, with the balanced pair's 0.9.
    vireflu::Setup coils;
    coils.stator = {1, {0, 0, 0}, 50, kWaveformContinu};
    coils.rotor = {1, {0, 0, 0}, 50, kWaveformContinu, 0, 90};
    EXPECT_NEAR(ComputeLessonNumbers(coils).meanTorque.value_or(0), -0.9, 1e-6);
    // A four-pole stator at 50 Hz: its field turns at 60 x 50 / 2 = 1500 tr/min.
    vireflu::Setup fourPoles;
    fourPoles.stator = {3, {0, 240, 120}, 50, kWaveformSinus};
    fourPoles.winding.polePairs = 2;
    EXPECT_EQ(
        FillLessonText("{field-speed}", LessonFiguresOf(ComputeLessonNumbers(fourPoles), French)),
        "1500 tr/min");
    EXPECT_EQ(
        filled("harmonique-5", "{stator-angles}: {harmonic-11-sense} {harmonic-13-speed} {x}"),
        "0°, 240°, 120°: dans le sens horaire 39000 tr/min {x}");
}

// Until the prediction, each shipped lesson's window rows, description and annotations say
// "après votre réponse" for exactly the figures that tell its answer, and show the rest.
TEST(PendingAnswer, EachQuantityHoldsBackTheFiguresThatTellItsAnswer) {
    using Q = LessonQuantity;
    const std::set<std::string> slip = {"Glissement", "Fréquence rotorique"};
    std::set<std::string> field = {
        "Sens du champ", "Vitesse de synchronisme", "Stator direct",          "Stator inverse",
        "Rotor direct",  "Rotor inverse",           "Vitesse des harmoniques"};
    field.insert(slip.begin(), slip.end());
    // Another winding's rows, held with the harmonics; their signed speeds tell the sense too.
    // A cage's figures tell its torque, its mode and its currents.
    const std::set<std::string> cageRows = {"Couple",
                                            "Couple du moteur",
                                            "Courant statorique",
                                            "Courant rotorique",
                                            "Facteur de puissance",
                                            "Puissance absorbée",
                                            "Puissance mécanique",
                                            "Glissement du couple maximal",
                                            "Couple maximal",
                                            "Couple de démarrage"};
    std::set<std::string> cageAndSlip = cageRows;
    cageAndSlip.insert(slip.begin(), slip.end());
    const std::set<std::string> windingRows = {"Harmoniques",
                                               "Vitesse des harmoniques",
                                               "Facteur de distribution",
                                               "Facteur de bobinage",
                                               "Facteur de raccourcissement",
                                               "Harmoniques d'espace",
                                               "Vitesse des harmoniques d'espace"};
    const std::map<Q, std::set<std::string>> heldRows = {
        {Q::FieldSense, field},
        {Q::SynchronousSpeed, field},
        {Q::Slip, slip},
        {Q::RotorCurrentFrequency, slip},
        {Q::MeanTorque, {"Couple"}},
        {Q::TorquePosition, {"Couple"}},
        {Q::Harmonic5Sense, {"Harmoniques", "Vitesse des harmoniques"}},
        {Q::Harmonic7Sense, {"Harmoniques", "Vitesse des harmoniques"}},
        {Q::CageTorque, cageRows},
        {Q::MaxTorqueSlip, cageRows},
        {Q::StatorCurrent, cageRows},
        {Q::MachineMode, cageRows},
        {Q::SettledSpeed, cageAndSlip},
        {Q::WindingFactor, windingRows},
        {Q::QuietestPitch5, windingRows}};
    const std::string later = "après votre réponse";
    MachineScene scene;
    scene.Resize(300, 300);
    for (const Lesson& lesson : ShippedLessons()) {
        SCOPED_TRACE(lesson.id);
        auto state = std::make_unique<SimulationState>();
        OpenSetup(lesson.setup, *state, scene);
        scene.Prepare(*state);
        const auto measures = [&] { return ComputeMeasures(*state, scene.Instant()); };
        const std::vector<MeasureRow> shown = MeasureRows(measures());
        const std::string described = DescribeMachine(*state, measures());
        const MachineAnnotations unheld = ComputeAnnotations(*state, scene, true);
        state->withheld = WithheldBy(lesson.quantity);
        const std::vector<MeasureRow> pending = MeasureRows(measures());
        const std::string pendingDescription = DescribeMachine(*state, measures());
        std::set<std::string> held;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            EXPECT_NE(shown[i].value, later);
            if (pending[i].value == later) {
                held.insert(shown[i].label);
            } else {
                EXPECT_EQ(pending[i].value, shown[i].value) << shown[i].label;
            }
        }
        std::set<std::string> expected = heldRows.at(lesson.quantity);
        if (lesson.setup.winding != WindingDesign{} && state->withheld.field)
            expected.insert("Vitesse des harmoniques d'espace");
        EXPECT_EQ(held, expected);
        const bool sense = state->withheld.field, torque = state->withheld.torque;
        const auto says = [&](const char* text) {
            return pendingDescription.find(text) != std::string::npos;
        };
        EXPECT_EQ(says("Champ : après votre réponse."), sense);
        EXPECT_EQ(says("Couple : après votre réponse."), torque);
        EXPECT_EQ(pendingDescription == described, !sense && !torque);
        for (const char* answer : {"horaire", "trigonométrique", "pulsant", "Pas de champ"})
            EXPECT_TRUE(!sense || !says(answer)) << answer;
        // In place of the arrow, whether the field turns or not.
        const MachineAnnotations a = ComputeAnnotations(*state, scene, true);
        EXPECT_EQ(a.texts.size(), unheld.texts.size() + (sense ? 1 : 0));
        EXPECT_EQ(std::ranges::count(a.texts, later, &AnnotationText::text), sense ? 1 : 0);
        EXPECT_EQ(a.senseArrow.size(), sense ? 0 : unheld.senseArrow.size());
    }
}

// The two rotating fields tell the sense by their lengths and colours: held back, the frame is
// the one drawn without them.
TEST(PendingAnswer, HeldBackRotatingFieldsLeaveTheFrameWithoutThem) {
    MachineScene scene;
    scene.Resize(200, 200);
    auto state = std::make_unique<SimulationState>();
    OpenSetup(FindLesson("trois-phases")->setup, *state, scene);
    RasterSurface canvas;
    const auto frame = [&](int sequences, bool held) {
        state->sequenceMode = sequences;
        state->withheld = held ? WithheldBy(LessonQuantity::FieldSense) : Withheld{};
        RenderNextFrame(canvas, scene, *state);
        return std::vector<std::uint32_t>(canvas.Pixels().begin(), canvas.Pixels().end());
    };
    EXPECT_NE(frame(1, false), frame(0, false));
    EXPECT_EQ(frame(1, true), frame(0, false));
}

// A lesson's annotations do not stay on for the next one, and leaving gives the user's back.
TEST(PendingAnswer, AnnotationsOfALessonDoNotStayForTheNext) {
    const Lesson& asks = *FindLesson("trois-phases");
    const Lesson& other = *FindLesson("glissement");
    LessonAnnotations annotations;
    EXPECT_TRUE(annotations.Open(asks, false));
    EXPECT_FALSE(annotations.Open(other, true));
    EXPECT_EQ(annotations.Leave(), false);
    EXPECT_EQ(annotations.Leave(), std::nullopt);
    EXPECT_TRUE(annotations.Open(other, true));
    EXPECT_EQ(annotations.Leave(), true);
}

// A teacher's file is refused like a bad setup, naming the key; so is a question the simulator
// cannot decide: no rotating field to slip against, every choice within the tolerance, none right.
TEST(LessonFile, RefusalsNameTheKey) {
    const std::string lesson(ShippedLessonFiles()[1]), slip(ShippedLessonFiles()[9]);
    std::string words;
    for (int i = 0; i < kMaxLessonWords; ++i) words += "mot ";
    const std::string huge(60000, 'q'), shortened = huge.substr(0, 56) + "..." + huge.substr(0, 20);
    struct Case {
        const std::string& file;
        std::string from, to;
        SetupFault fault;  // NotJson: accepted
        std::string key;
    };
    using F = SetupFault;
    const Case cases[] = {
        {lesson, "\"question\"", "\"question\"", F::NotJson, ""},
        {lesson, "\"question\"", "\"questions\"", F::UnknownKey, "questions"},
        {lesson, "\"question\"", "\"" + huge + "\"", F::UnknownKey, shortened},
        {lesson, "\"stator-phases\": 3", "\"stator-phases\": 4", F::BadValue,
         "setup.stator-phases"},
        {lesson, "\"value\": \"pulsant\"", "\"value\": \"immobile\"", F::NotJson, ""},
        {lesson, "\"value\": \"pulsant\"", "\"value\": \"vite\"", F::BadValue, "choices"},
        {lesson, "\"value\": \"horaire\"", "\"value\": \"horaire\", \"why\": 1", F::BadValue,
         "choices"},
        {lesson, "\"value\": \"pulsant\"", "\"value\": \"horaire\"", F::BadValue, "choices"},
        {lesson, "Les trois bobines", words + "Les", F::BadValue, "introduction"},
        {lesson, "Les trois bobines", "{field-speed} Les", F::NotJson, ""},
        {lesson, "Les trois bobines", "{vitesse} Les", F::BadValue, "introduction"},
        {lesson, "\"id\": \"trois-phases\",", "", F::MissingKey, "id"},
        // The version check the setups share (tried in full there).
        {lesson, "\"vireflu-lesson\": 1", "\"vireflu-lesson\": 1e300", F::BadValue,
         "vireflu-lesson"},
        {slip, "\"stator-frequency\": 50", "\"stator-frequency\": 0", F::NoValue, "quantity"},
        {slip, "\"tolerance\": 0.005", "\"tolerance\": 1e300", F::NotOneRight, "choices"},
        {slip, "\"value\": 0.04", "\"value\": 0.05", F::NotOneRight, "choices"},
    };
    for (const Case& c : cases) {
        std::string file = c.file;
        file.replace(file.find(c.from), c.from.size(), c.to);
        const auto read = ReadLesson(file);
        const auto* error = std::get_if<SetupError>(&read);
        const auto got = error == nullptr ? std::pair{F::NotJson, std::string()}
                                          : std::pair{error->fault, error->key};
        EXPECT_EQ(got, std::pair(c.fault, c.key)) << c.to.substr(0, 60);
        if (error == nullptr) continue;
        // A line a teacher reads: the placeholder at fault named, the undecided quantity too.
        const std::string sentence = SetupRefusalText(*error, French);
        EXPECT_LE(sentence.size(), 400u);
        EXPECT_TRUE(!c.to.starts_with("{vitesse}") || sentence.find("{vitesse}") != sentence.npos);
        if (c.fault == F::NoValue) {
            EXPECT_EQ(sentence,
                      "Le simulateur ne peut pas répondre à la question de cette leçon : son "
                      "réglage ne donne aucune valeur à « slip ».");
        }
    }
}

}  // namespace
}  // namespace vireflu
