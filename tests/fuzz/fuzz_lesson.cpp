// The lesson reader on any bytes: a refusal with a sentence of a line at most, or a lesson
// whose question the simulator decides.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_target.h"
#include "lessons/lesson_grade.h"
#include "lessons/lesson_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vireflu;
    const auto read = ReadLesson(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* refused = std::get_if<SetupError>(&read)) {
        CheckRefusal(*refused);
        return 0;
    }
    const Lesson& lesson = std::get<Lesson>(read);
    const auto value = ComputeLessonValue(lesson);
    if (!value || (!lesson.choices.empty() && !RightChoice(lesson, *value))) std::abort();
    return 0;
}
