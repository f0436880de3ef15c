#pragma once

#include <cstddef>
#include <ctime>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "lessons/lesson_run.h"
#include "setup/setup_json.h"

namespace vireflu {

constexpr int kAnswerLogVersion = 1;
// A student's year of lessons many times over; a larger log is refused unread.
constexpr std::size_t kMaxAnswers = 10000;
constexpr std::size_t kMaxAnswerLogBytes = 8 * 1024 * 1024;

// One prediction: the lesson, the answer given (LessonAnswer's kind, text and response),
// whether it was right, the seconds from the question to the answer and when, in ISO 8601
// (UTC, "2026-12-08T16:45:26Z").
struct AnswerRecord {
    std::string lesson;
    std::string title;
    std::string kind;
    std::string answer;
    std::string response;
    bool right = false;
    double seconds = 0;
    std::string at;
};

AnswerRecord RecordOf(const LessonRun& run, double seconds, std::time_t now);
// Adds an answer at the end; past kMaxAnswers the oldest make room, so the log always reads
// back.
void AppendAnswer(std::vector<AnswerRecord>& log, AnswerRecord record);
std::string IsoTime(std::time_t time);

// The log as a JSON document, and read back strictly: anything it does not hold as written
// (an unknown key, a time that is no ISO 8601 UTC time, a negative duration...) is refused.
std::string WriteAnswerLog(std::span<const AnswerRecord> answers);
std::variant<std::vector<AnswerRecord>, SetupError> ReadAnswerLog(std::string_view document);

// The log as CSV for a spreadsheet: a header, then a row per answer, fields quoted as
// RFC 4180 says, and a text a spreadsheet would take for a formula made plain text.
std::string AnswersCsv(std::span<const AnswerRecord> answers);

}  // namespace vireflu
