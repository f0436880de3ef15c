#include "classroom/course.h"

#include <algorithm>
#include <array>

#include "classroom/keyed_document.h"
#include "lessons/lesson_json.h"
#include "lessons/lesson_library.h"
#include "setup/base64url.h"

namespace vireflu {

namespace {

constexpr std::string_view kVersionKey = "vireflu-course";
constexpr std::string_view kLinkPrefix = "course=";
constexpr std::array<std::string_view, 4> kKeys = {kVersionKey, "title", "pass-mark", "lessons"};
constexpr const char* kLessonAccepts = "a shipped lesson's id or a whole lesson";

std::variant<CourseLesson, SetupError> LessonOf(const JsonValue& value, const std::string& key) {
    if (const std::string* id = value.String()) {
        const Lesson* shipped = FindLesson(*id);
        if (shipped == nullptr) return BadKey(SetupFault::BadValue, key, kLessonAccepts);
        return CourseLesson{*shipped, ""};
    }
    if (value.Object() == nullptr) return BadKey(SetupFault::BadValue, key, kLessonAccepts);
    auto read = ReadLessonValue(value);
    if (auto* error = std::get_if<SetupError>(&read)) {
        error->key = key + (error->key.empty() ? "" : "." + error->key);
        return *error;
    }
    return CourseLesson{std::get<Lesson>(std::move(read)), WriteJson(value)};
}

// Outside 1..kMaxCourseLessons, from a file or a command line.
SetupError TooManyLessons() {
    return BadKey(SetupFault::BadValue, "lessons",
                  "1 to " + std::to_string(kMaxCourseLessons) + " lessons");
}

bool GoodTitle(const std::string& title) {
    const std::size_t length = CharacterCount(title);
    return length >= 1 && length <= kMaxCourseTitle &&
           std::none_of(title.begin(), title.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

}  // namespace

std::variant<Course, SetupError> ReadCourse(std::string_view document) {
    auto read = ReadKeyedDocument(document,
                                  {"course", kVersionKey, kCourseVersion, kMaxCourseBytes, kKeys});
    if (auto* error = std::get_if<SetupError>(&read)) return *error;
    auto& keys = std::get<KeyedDocument>(read).keys;
    for (const char* key : {"title", "lessons"})
        if (!keys.contains(key)) return BadKey(SetupFault::MissingKey, key);

    Course course;
    const std::string* title = keys["title"]->String();
    if (title == nullptr || !GoodTitle(*title))
        return BadKey(SetupFault::BadValue, "title",
                      "a text of 1 to " + std::to_string(kMaxCourseTitle) + " characters");
    course.title = *title;
    if (const auto mark = keys.find("pass-mark"); mark != keys.end()) {
        const double* percent = mark->second->Number();
        if (percent == nullptr || mark->second->fraction || *percent < 0 || *percent > 100)
            return BadKey(SetupFault::BadValue, "pass-mark", "0..100");
        course.passMark = static_cast<int>(*percent);
    }
    const JsonValue::Items* lessons = keys["lessons"]->Array();
    if (lessons == nullptr || lessons->empty() || lessons->size() > kMaxCourseLessons)
        return TooManyLessons();
    for (std::size_t i = 0; i < lessons->size(); ++i) {
        auto lesson = LessonOf((*lessons)[i], "lessons[" + std::to_string(i) + "]");
        if (auto* error = std::get_if<SetupError>(&lesson)) return *error;
        course.lessons.push_back(std::get<CourseLesson>(std::move(lesson)));
    }
    return course;
}

std::string WriteCourse(const Course& course) {
    std::string text = "{\n  \"" + std::string(kVersionKey) +
                       "\": " + std::to_string(kCourseVersion) +
                       ",\n  \"title\": " + JsonString(course.title);
    if (course.passMark) text += ",\n  \"pass-mark\": " + std::to_string(*course.passMark);
    text += ",\n  \"lessons\": [";
    for (std::size_t i = 0; i < course.lessons.size(); ++i) {
        const CourseLesson& lesson = course.lessons[i];
        text += (i == 0 ? "\n    " : ",\n    ") +
                (lesson.document.empty() ? JsonString(lesson.lesson.id) : lesson.document);
    }
    return text + "\n  ]\n}\n";
}

std::string CourseLink(const Course& course) {
    return std::string(kLinkPrefix) + EncodeBase64Url(WriteCourse(course));
}

std::variant<Course, SetupError> ReadCourseLink(std::string_view fragment) {
    if (fragment.starts_with('#')) fragment.remove_prefix(1);
    const SetupError broken{SetupFault::BrokenLink, "", "", "",
                            "not a Vireflu course link: \"course=\" and base64url"};
    if (!fragment.starts_with(kLinkPrefix)) return broken;
    fragment.remove_prefix(kLinkPrefix.size());
    if (fragment.size() > (kMaxCourseBytes + 2) / 3 * 4)
        return SetupError{SetupFault::TooLarge, "", "", "", "larger than 1024 KiB"};
    const std::optional<std::string> document = DecodeBase64Url(fragment);
    if (!document) return broken;
    return ReadCourse(*document);
}

std::variant<Course, SetupError> CourseOfIds(std::string_view ids, std::string title) {
    Course course{std::move(title), std::nullopt, {}};
    while (true) {
        const std::size_t comma = ids.find(',');
        const std::string id(ids.substr(0, comma));
        const Lesson* shipped = FindLesson(id);
        if (shipped == nullptr)
            return BadKey(SetupFault::BadValue, id.empty() ? "," : id, "shipped lessons' ids");
        if (course.lessons.size() == kMaxCourseLessons) return TooManyLessons();
        course.lessons.push_back({*shipped, ""});
        if (comma == std::string_view::npos) return course;
        ids.remove_prefix(comma + 1);
    }
}

}  // namespace vireflu
