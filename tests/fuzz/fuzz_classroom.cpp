// The course and answer-log readers on any bytes, each own lesson's grading included: a
// course or a log, or a refusal with a sentence of a line at most.
#include <cstdint>
#include <string_view>

#include "classroom/answer_log.h"
#include "classroom/course.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vireflu;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto course = ReadCourse(bytes);
    if (const auto* refused = std::get_if<SetupError>(&course)) CheckRefusal(*refused);
    const auto answers = ReadAnswerLog(bytes);
    if (const auto* refused = std::get_if<SetupError>(&answers)) CheckRefusal(*refused);
    return 0;
}
