#pragma once

#include <QMenu>

#include <functional>
#include <optional>
#include <string>

#include "lessons/lesson.h"

namespace vireflu {

// What "&Leçons" offers beyond one lesson: a course file to follow, the composer, the answers
// kept, a course's package for a learning platform, and the teacher's view.
struct ClassActions {
    std::function<void(const QString& file)> openCourse;
    std::function<void()> compose;
    std::function<void()> answers;
    std::function<void()> exportCourse;
    std::function<void(bool)> teacherView;
    bool teacherViewOn = false;
};

// "&Leçons": the shipped lessons, one submenu per theme in the order of the files, then
// "Ouvrir une leçon..." for a file a teacher wrote, refused as a bad setup is, then courses.
QMenu* MakeLessonMenu(QWidget* window, std::function<void(const Lesson&)> open,
                      const ClassActions& classActions);

// A lesson file read, and its document as compact JSON (as a course carries it).
struct LessonFile {
    Lesson lesson;
    std::string document;
};
// Reads a lesson file; tells the user and gives nothing when it is refused.
std::optional<LessonFile> ReadLessonFile(QWidget* window, const QString& file);

// Reads a lesson file and opens it; tells the user and returns false when it is refused.
bool OpenLessonFile(QWidget* window, const QString& file,
                    const std::function<void(const Lesson&)>& open);

}  // namespace vireflu
