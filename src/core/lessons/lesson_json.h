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

// Reads a lesson strictly, its setup with the setup reader (a refusal inside it names its
// key as "setup.<key>"): the same faults as a setup's, and a key the lesson needs missing.
std::variant<Lesson, SetupError> ReadLesson(std::string_view document);

}  // namespace vireflu
