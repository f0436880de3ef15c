#pragma once

#include <QByteArray>
#include <QMenu>

#include <functional>
#include <optional>
#include <string>

#include "lessons/lesson.h"
#include "setup/setup_refusal.h"

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

// A lesson's or a course's file, up to one byte past `limit` (enough to refuse a larger one);
// nothing once the user is told, in `unreadable` ("... %1 n'a pas pu être lu : %2."), that it
// could not be read.
std::optional<QByteArray> ReadFileUpTo(QWidget* window, const QString& file, std::size_t limit,
                                       const char* unreadable, const char* context);
// Tells the user a file was not opened, with the core's sentence for its refusal.
void WarnNotOpened(QWidget* window, const QString& file, const SetupError& refused,
                   RefusedText what);

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
