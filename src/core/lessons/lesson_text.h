#pragma once

#include <array>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lessons/lesson_grade.h"
#include "machine/winding_design.h"
#include "measures/measures.h"
#include "shell/interface_text.h"

namespace vireflu {

// What a lesson's setup gives its texts to quote, computed as a front-end opens it. Signed
// figures count positive counterclockwise; each optional is absent where the setup gives it
// no value.
struct LessonNumbers {
    double supplyHz = 0;
    bool fieldAlternates = false;    // the stator's field turns or pulsates: 60 f / p applies
    double synchronousRpm = 0;       // 60 f / p
    std::optional<double> fieldRpm;  // the stator's field turning one way, signed
    double rotorRpm = 0;
    std::optional<double> slip;  // against that field
    std::optional<double> rotorCurrentHz;
    std::array<std::optional<double>, 4> harmonicRpm;  // a six-step stator's 5, 7, 11, 13
    std::optional<double> meanTorque;                  // over one period, both windings on
    std::vector<int> statorAnglesDeg;                  // the angles of the phases on
    WindingDesign winding;                             // the stator's
    std::optional<Measures::Induction> cage;           // a cage's figures at the start
};

LessonNumbers ComputeLessonNumbers(const Setup& setup);

// A lesson's texts quote the simulator through placeholders, "{field-speed}", that the
// front-ends fill from the lesson's own setup in the user's language, so no text can state a
// figure the picture contradicts. The names of all of them, for the reader and the docs.
std::span<const char* const> LessonFigureNames();

// The "{name}" placeholders a text holds, in order, known or not.
std::vector<std::string_view> PlaceholdersIn(std::string_view text);

// Each placeholder's text: "3000 tr/min", "dans le sens horaire", "0,04", ... translated
// (context "Lesson"); an em dash for a figure the setup does not give.
using LessonFigures = std::map<std::string, std::string, std::less<>>;
LessonFigures LessonFiguresOf(const LessonNumbers& numbers, const Translate& inLanguage);

std::string FillLessonText(std::string_view text, const LessonFigures& figures);

// A lesson's text in the user's language with its figures filled in.
inline std::string ShownLessonText(const LessonText& text, const Translate& translate, bool english,
                                   const LessonFigures& figures) {
    return FillLessonText(ShownLessonText(text, translate, english), figures);
}

// The value as the value a lesson file gives a choice: a name, or the number.
std::string ValueText(const LessonValue& value);

// The verdict's sentence with the simulator's figure: "Le champ tourne dans le sens horaire
// à 3000 tr/min", its parts translated (context "Lesson") into the user's language.
std::string LessonSentence(LessonQuantity quantity, const LessonValue& value,
                           const Translate& translate);

}  // namespace vireflu
