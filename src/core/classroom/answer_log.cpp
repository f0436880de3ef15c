#include "classroom/answer_log.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "classroom/keyed_document.h"
#include "lessons/lesson_text.h"
#include "shell/interface_text.h"

namespace vireflu {

namespace {

constexpr std::string_view kVersionKey = "vireflu-answers";
constexpr std::array<std::string_view, 2> kKeys = {kVersionKey, "answers"};
constexpr std::array<std::string_view, 8> kRecordKeys = {"lesson",   "title", "kind",    "answer",
                                                         "response", "right", "seconds", "at"};
constexpr std::array<std::string_view, 3> kKinds = {"choice", "numeric", "shown"};
constexpr std::size_t kMaxText = 300;  // characters of a title or an answer
constexpr double kMaxSeconds = 1e7;    // four months on one question

bool IsIsoTime(const std::string& text) {
    // "YYYY-MM-DDThh:mm:ssZ", each field in its range.
    constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:ddZ";
    if (text.size() != kShape.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (kShape[i] == 'd' ? (text[i] < '0' || text[i] > '9') : text[i] != kShape[i])
            return false;
    const auto field = [&](std::size_t at) { return std::stoi(text.substr(at, 2)); };
    return field(5) >= 1 && field(5) <= 12 && field(8) >= 1 && field(8) <= 31 && field(11) <= 23 &&
           field(14) <= 59 && field(17) <= 60;
}

bool IsLessonId(const std::string& id) {
    return !id.empty() && id.size() <= 40 && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

// What each key of a record takes, in a refusal's words.
std::string RecordAccepts(std::string_view key) {
    if (key == "lesson") return "[a-z0-9-], 1 to 40";
    if (key == "title") return "a text of 1 to 300 characters";
    if (key == "kind") return "\"choice\" | \"numeric\" | \"shown\"";
    if (key == "answer" || key == "response") return "a text of at most 300 characters";
    if (key == "right") return "true | false";
    if (key == "seconds") return "0..10000000";
    if (key == "at") return "an ISO 8601 UTC time, YYYY-MM-DDThh:mm:ssZ";
    return "{\"lesson\", \"title\", \"kind\", \"answer\", \"response\", \"right\", "
           "\"seconds\", \"at\"}";
}

// One record, or the name of its first key that holds what it should not; an empty name when
// the record is no object or its keys are not the eight.
std::variant<AnswerRecord, std::string> RecordFrom(const JsonValue& value) {
    const JsonValue::Members* members = value.Object();
    if (members == nullptr) return std::string();
    AnswerRecord record;
    std::size_t found = 0;
    for (const auto& [key, item] : *members) {
        const std::string* text = item.String();
        const bool shortText = text != nullptr && CharacterCount(*text) <= kMaxText;
        bool good = false;
        if (key == "lesson") good = text != nullptr && IsLessonId(record.lesson = *text);
        if (key == "title") good = shortText && !(record.title = *text).empty();
        if (key == "kind")
            good = text != nullptr &&
                   std::find(kKinds.begin(), kKinds.end(), record.kind = *text) != kKinds.end();
        if (key == "answer") good = shortText && ((record.answer = *text), true);
        if (key == "response") good = shortText && ((record.response = *text), true);
        if (key == "right") good = item.Bool() != nullptr && ((record.right = *item.Bool()), true);
        if (key == "seconds")
            good = item.Number() != nullptr && *item.Number() >= 0 &&
                   *item.Number() <= kMaxSeconds && ((record.seconds = *item.Number()), true);
        if (key == "at") good = text != nullptr && IsIsoTime(record.at = *text);
        if (!good)
            return std::find(kRecordKeys.begin(), kRecordKeys.end(), key) == kRecordKeys.end()
                       ? std::string()
                       : key;
        ++found;
    }
    if (found != kRecordKeys.size()) return std::string();
    return record;
}

// A text cell a spreadsheet would run as a formula gets a quote in front; any cell with a
// separator, a quote or a line break is quoted, its quotes doubled.
std::string Cell(const std::string& text, bool plain) {
    std::string cell = text;
    if (plain && !cell.empty() &&
        std::string_view("=+-@\t\r").find(cell[0]) != std::string_view::npos)
        cell.insert(0, 1, '\'');
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (const char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

}  // namespace

std::string IsoTime(std::time_t time) {
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

AnswerRecord RecordOf(const LessonRun& run, double seconds, std::time_t now) {
    const Lesson& lesson = run.Taken();
    AnswerRecord record{lesson.id,
                        run.Page().title,
                        "shown",
                        "",
                        "",
                        false,
                        std::round(std::max(seconds, 0.0) * 10) / 10,
                        IsoTime(now)};
    if (const auto& given = run.Given()) {
        record.kind = given->kind;
        record.answer = given->answer;
        record.response = given->response;
        record.right = given->right;
    }
    return record;
}

void AppendAnswer(std::vector<AnswerRecord>& log, AnswerRecord record) {
    log.push_back(std::move(record));
    if (log.size() > kMaxAnswers)
        log.erase(log.begin(), log.end() - static_cast<std::ptrdiff_t>(kMaxAnswers));
}

std::string WriteAnswerLog(std::span<const AnswerRecord> answers) {
    std::string text = "{\n  \"" + std::string(kVersionKey) +
                       "\": " + std::to_string(kAnswerLogVersion) + ",\n  \"answers\": [";
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const AnswerRecord& a = answers[i];
        text += std::string(i == 0 ? "\n    " : ",\n    ") +
                "{\"lesson\": " + JsonString(a.lesson) + ", \"title\": " + JsonString(a.title) +
                ", \"kind\": " + JsonString(a.kind) + ", \"answer\": " + JsonString(a.answer) +
                ", \"response\": " + JsonString(a.response) +
                ", \"right\": " + (a.right ? "true" : "false") +
                ", \"seconds\": " + FixedText(a.seconds, 1) + ", \"at\": " + JsonString(a.at) + "}";
    }
    return text + (answers.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

std::variant<std::vector<AnswerRecord>, SetupError> ReadAnswerLog(std::string_view document) {
    auto read = ReadKeyedDocument(
        document, {"answer log", kVersionKey, kAnswerLogVersion, kMaxAnswerLogBytes, kKeys});
    if (auto* error = std::get_if<SetupError>(&read)) return *error;
    auto& keys = std::get<KeyedDocument>(read).keys;
    if (!keys.contains("answers")) return BadKey(SetupFault::MissingKey, "answers");
    const JsonValue::Items* items = keys["answers"]->Array();
    if (items == nullptr || items->size() > kMaxAnswers)
        return BadKey(SetupFault::BadValue, "answers",
                      "at most " + std::to_string(kMaxAnswers) + " answers");
    std::vector<AnswerRecord> answers;
    for (std::size_t i = 0; i < items->size(); ++i) {
        auto record = RecordFrom((*items)[i]);
        if (auto* key = std::get_if<std::string>(&record)) {
            const std::string where = "answers[" + std::to_string(i) + "]";
            return BadKey(SetupFault::BadValue, key->empty() ? where : where + "." + *key,
                          RecordAccepts(*key));
        }
        answers.push_back(std::get<AnswerRecord>(std::move(record)));
    }
    return answers;
}

std::string AnswersCsv(std::span<const AnswerRecord> answers) {
    // The byte-order mark tells a spreadsheet the accents are UTF-8.
    std::string csv =
        "\xEF\xBB\xBF"
        "date,lesson,title,kind,answer,response,right,seconds\r\n";
    for (const AnswerRecord& a : answers)
        csv += a.at + "," + a.lesson + "," + Cell(a.title, true) + "," + a.kind + "," +
               Cell(a.answer, true) + "," + Cell(a.response, true) + "," +
               (a.right ? "true" : "false") + "," + FixedText(a.seconds, 1) + "\r\n";
    return csv;
}

}  // namespace vireflu
