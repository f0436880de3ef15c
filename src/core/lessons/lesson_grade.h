#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "lessons/lesson.h"
#include "setup/setup_json.h"
#include "shell/interface_text.h"

namespace vireflu {

// The value of a lesson's quantity as the simulator computes it from the lesson's setup: a
// name for a sense, a number otherwise, and the figures the verdict's sentence quotes.
struct LessonValue {
    std::string name;
    double number = 0;
    double speedRpm = 0;  // the field's (or a harmonic's) speed: signed against a rotor
    double rotorRpm = 0;  // signed
    double supplyHz = 0;
    double slip = 0;
    double relative = 0;  // a harmonic's share of the fundamental
};

// None when the setup does not give the quantity a value (a slip without a rotating field).
std::optional<LessonValue> ComputeLessonValue(const Lesson& lesson);

// Why the simulator cannot decide a lesson's question: its setup gives the quantity no value,
// or not exactly one of its choices is right. Such a lesson is refused when it is read.
std::optional<SetupError> UndecidedQuestion(const Lesson& lesson);

// Whether a choice, or a typed number, is the simulator's value.
bool IsRightChoice(const Lesson& lesson, const LessonValue& value, const LessonChoice& choice);
bool IsRightNumber(const Lesson& lesson, const LessonValue& value, double typed);
// A number as a student types it: an optional sign, digits with a decimal comma or point,
// spaces around. None for anything else ("1e3", "nan", "0,0,4"). It reads the same in every
// front-end and whatever the C locale.
std::optional<double> TypedNumber(std::string_view typed);

// The one right choice; none when no choice or more than one matches.
std::optional<std::size_t> RightChoice(const Lesson& lesson, const LessonValue& value);

}  // namespace vireflu
