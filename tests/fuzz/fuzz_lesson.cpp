// The lesson reader on any bytes, its setup's play and the grading included: a lesson, or a
// refusal with a sentence of a line at most.
#include <cstdint>
#include <string_view>

#include "fuzz_target.h"
#include "lessons/lesson_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vireflu;
    const auto read = ReadLesson(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* refused = std::get_if<SetupError>(&read)) CheckRefusal(*refused);
    return 0;
}
