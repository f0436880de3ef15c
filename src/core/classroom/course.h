#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "lessons/lesson.h"
#include "setup/setup_json.h"

namespace vireflu {

// The course format's version this program writes and reads, with every earlier one.
constexpr int kCourseVersion = 1;
constexpr std::size_t kMaxCourseLessons = 40;
constexpr std::size_t kMaxCourseTitle = 120;  // characters
// Forty lessons of a teacher's own, each under the lesson file's limit, with room to spare.
constexpr std::size_t kMaxCourseBytes = 1024 * 1024;

// One lesson of a course: a shipped lesson, named by its id in the file, or a teacher's own,
// carried whole so the course travels as one file or one link.
struct CourseLesson {
    Lesson lesson;
    std::string document;  // an own lesson's compact JSON; empty for a shipped one
};

// Lessons a student takes in order, under a title; with a pass mark, a score (the share of
// right answers, in percent) at or above it passes.
struct Course {
    std::string title;
    std::optional<int> passMark;
    std::vector<CourseLesson> lessons;
};

// Reads a course strictly, as setups and lessons are read: a shipped lesson's id it does not
// know, an own lesson that is not a lesson (its refusal's key as "lessons[2].setup.phases"),
// a title empty or too long, a pass mark outside 0..100, no lesson or too many are refused.
std::variant<Course, SetupError> ReadCourse(std::string_view document);
// The canonical document: every key in a fixed order, shipped lessons by their ids.
std::string WriteCourse(const Course& course);

// The course as a page's address carries it after '#': "course=" and the document in
// base64url. Reading takes the fragment with or without its '#'.
std::string CourseLink(const Course& course);
std::variant<Course, SetupError> ReadCourseLink(std::string_view fragment);

// A course of shipped lessons named on a command line: "trois-phases,glissement".
std::variant<Course, SetupError> CourseOfIds(std::string_view ids, std::string title);

}  // namespace vireflu
