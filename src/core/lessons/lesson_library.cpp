#include "lessons/lesson_library.h"

#include <variant>

#include "lessons/lesson_json.h"

namespace vireflu {

const std::vector<Lesson>& ShippedLessons() {
    static const std::vector<Lesson> lessons = [] {
        std::vector<Lesson> read;
        for (std::string_view file : ShippedLessonFiles()) {
            auto lesson = ReadLesson(file);
            if (auto* ok = std::get_if<Lesson>(&lesson)) read.push_back(std::move(*ok));
        }
        return read;
    }();
    return lessons;
}

const Lesson* FindLesson(std::string_view id) {
    for (const Lesson& lesson : ShippedLessons())
        if (lesson.id == id) return &lesson;
    return nullptr;
}

}  // namespace vireflu
