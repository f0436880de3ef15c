#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "lessons/lesson.h"

namespace vireflu {

// The lesson files shipped with the program (data/lessons, compiled in), in menu order.
std::span<const std::string_view> ShippedLessonFiles();

// The shipped lessons, read once; a file that does not read is left out (the lesson table
// test refuses it).
const std::vector<Lesson>& ShippedLessons();

// The shipped lesson with this id, or nothing.
const Lesson* FindLesson(std::string_view id);

}  // namespace vireflu
