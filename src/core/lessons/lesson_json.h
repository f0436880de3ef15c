#pragma once

#include <string_view>
#include <variant>

#include "lessons/lesson.h"
#include "setup/setup_json.h"

namespace vireflu {

// The lesson format's version this program reads and every earlier one.
constexpr int kLessonVersion = 1;
// An introduction or an explanation is read in under half a minute.
constexpr int kMaxLessonWords = 80;
// A teacher's notes take a little more: the usual mistakes and what to ask next.
constexpr int kMaxTeacherNoteWords = 120;

// Reads a lesson strictly, its setup with the setup reader (a refusal inside it names its
// key as "setup.<key>"): the same faults as a setup's, and a key the lesson needs missing.
std::variant<Lesson, SetupError> ReadLesson(std::string_view document);
// The same for a lesson already read as JSON (a course carries a teacher's own lessons so).
std::variant<Lesson, SetupError> ReadLessonValue(const JsonValue& document);

}  // namespace vireflu
