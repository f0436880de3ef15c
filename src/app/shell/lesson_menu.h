#pragma once

#include <QMenu>

#include <functional>

#include "lessons/lesson.h"

namespace vireflu {

// "&Leçons": the shipped lessons, one submenu per theme in the order of the files, then
// "Ouvrir une leçon..." for a file a teacher wrote, refused as a bad setup is.
QMenu* MakeLessonMenu(QWidget* window, std::function<void(const Lesson&)> open);

// Reads a lesson file and opens it; tells the user and returns false when it is refused.
bool OpenLessonFile(QWidget* window, const QString& file,
                    const std::function<void(const Lesson&)>& open);

}  // namespace vireflu
