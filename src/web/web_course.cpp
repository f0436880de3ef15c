#include "web_course.h"

#include <emscripten/bind.h>

#include <cmath>
#include <cstdint>
#include <ctime>

#include "classroom/course.h"
#include "classroom/scorm_package.h"
#include "lessons/lesson_json.h"
#include "lessons/lesson_library.h"
#include "lessons/lesson_text.h"
#include "page_language.h"
#include "setup/setup_refusal.h"
#include "web_lesson.h"

using emscripten::val;

namespace vireflu {

namespace {

// A document the page made itself from the core's own writing; read back as written.
Course CourseOf(const std::string& document) {
    return std::get<Course>(ReadCourse(document));
}

// The composer's course: a title, a pass mark (a whole percent, or null for none) and the
// lessons in order, each {id} of a shipped lesson or {document} of a teacher's own. The core's
// reader decides what a course may be: {document}, its canonical text, or {error}.
val ComposeCourse(const std::string& title, const val& passMark, const val& entries) {
    Course course{title, std::nullopt, {}};
    if (passMark.isNumber()) course.passMark = static_cast<int>(std::lround(passMark.as<double>()));
    const unsigned count = entries["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) {
        const val entry = entries[i];
        if (entry["id"].isString()) {
            if (const Lesson* shipped = FindLesson(entry["id"].as<std::string>()))
                course.lessons.push_back({*shipped, ""});
        } else {
            const std::string document = entry["document"].as<std::string>();
            if (auto read = ReadLesson(document); const Lesson* own = std::get_if<Lesson>(&read))
                course.lessons.push_back({*own, document});
        }
    }
    const auto read = ReadCourse(WriteCourse(course));
    if (const auto* error = std::get_if<SetupError>(&read))
        return RefusalOf(*error, RefusedText::Course);
    val result = val::object();
    result.set("document", WriteCourse(std::get<Course>(read)));
    return result;
}

// A teacher's own lesson file for the composer: {title, document} (its compact JSON, as a
// course carries it), or {error}.
val OwnLesson(const std::string& bytes) {
    const auto read = ReadLesson(bytes);
    if (const auto* error = std::get_if<SetupError>(&read))
        return RefusalOf(*error, RefusedText::Lesson);
    val result = val::object();
    result.set("title", ShownLessonText(std::get<Lesson>(read).title, PageTexts("Lesson"),
                                        LessonsInEnglish()));
    result.set("document", WriteJson(std::get<JsonValue>(ParseJson(bytes))));
    return result;
}

// The package for a learning platform: the page with the course built in, as bytes.
val ScormPackageOf(const std::string& page, const std::string& document) {
    const std::string zip = ScormPackage(page, CourseOf(document));
    return val(emscripten::typed_memory_view(zip.size(),
                                             reinterpret_cast<const std::uint8_t*>(zip.data())))
        .call<val>("slice");
}

// What the teacher's view shows of the lesson taken: {expected, notes}; null without one.
val TeacherViewOf(const WebSimulator& simulator) {
    const LessonRun* run = simulator.GetSession().LessonTaken();
    if (run == nullptr) return val::null();
    const TeacherView view = run->ForTeacher();
    val result = val::object();
    result.set("expected", view.expected);
    if (view.notes) result.set("notes", *view.notes);
    return result;
}

val Strings(const std::vector<std::string>& texts) {
    val list = val::array();
    for (const std::string& text : texts) list.call<void>("push", text);
    return list;
}

}  // namespace

val WebCourse::Start(const std::string& text, bool link) {
    auto read = link ? ReadCourseLink(text) : ReadCourse(text);
    if (const auto* error = std::get_if<SetupError>(&read))
        return RefusalOf(*error, link ? RefusedText::CourseLink : RefusedText::Course);
    run.emplace(std::get<Course>(std::move(read)));
    val result = val::object();
    result.set("title", run->Followed().title);
    result.set("lessons", static_cast<int>(run->Followed().lessons.size()));
    return result;
}

val WebCourse::Current() const {
    const CourseLesson& lesson = run->Followed().lessons[run->Current()];
    val result = val::object();
    result.set("course", run->Followed().title);
    result.set("index", static_cast<int>(run->Current()));
    result.set("count", static_cast<int>(run->Followed().lessons.size()));
    result.set("last", run->IsLast());
    if (lesson.document.empty())
        result.set("id", lesson.lesson.id);
    else
        result.set("document", lesson.document);
    return result;
}

void WebCourse::Record(bool right) {
    run->Record(right);
}

bool WebCourse::Next() {
    return run->Next();
}

val WebCourse::End() const {
    const CourseEnd end = run->End(PageTextsOfAnyContext(), LessonsInEnglish());
    const CourseScore score = run->Score();
    val results = val::array();
    const auto& outcomes = run->Outcomes();
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        val entry = val::object();
        entry.set("lesson", run->Followed().lessons[i].lesson.id);
        entry.set("right", outcomes[i].value_or(false));
        results.call<void>("push", entry);
    }
    val result = val::object();
    result.set("title", run->Followed().title);
    result.set("heading", end.heading);
    result.set("score", end.score);
    result.set("outcomes", Strings(end.outcomes));
    result.set("right", score.right);
    result.set("lessons", score.lessons);
    result.set("percent", score.percent);
    result.set("status", score.status);
    result.set("results", results);
    return result;
}

std::string WebCourse::Link() const {
    return CourseLink(run->Followed());
}

std::string WebAnswers::Load(const std::string& document) {
    if (document.empty()) return "";
    auto read = ReadAnswerLog(document);
    if (const auto* error = std::get_if<SetupError>(&read))
        return SetupRefusalText(*error, PageTexts("Setup"), RefusedText::Answers);
    answers = std::get<std::vector<AnswerRecord>>(std::move(read));
    return "";
}

namespace {

val RecordValue(const AnswerRecord& record) {
    val result = val::object();
    result.set("lesson", record.lesson);
    result.set("title", record.title);
    result.set("kind", record.kind);
    result.set("answer", record.answer);
    result.set("response", record.response);
    result.set("right", record.right);
    result.set("seconds", record.seconds);
    result.set("at", record.at);
    return result;
}

}  // namespace

val WebAnswers::Add(const WebSimulator& simulator, double seconds, double now) {
    const LessonRun* run = simulator.GetSession().LessonTaken();
    if (run == nullptr || !run->Given()) return val::null();
    AppendAnswer(answers, RecordOf(*run, seconds, static_cast<std::time_t>(now)));
    return RecordValue(answers.back());
}

val WebAnswers::List() const {
    val list = val::array();
    for (const AnswerRecord& record : answers) list.call<void>("push", RecordValue(record));
    return list;
}

}  // namespace vireflu

EMSCRIPTEN_BINDINGS(vireflu_course) {
    using namespace vireflu;
    emscripten::function("composeCourse", &ComposeCourse);
    emscripten::function("ownLesson", &OwnLesson);
    emscripten::function("scormPackage", &ScormPackageOf);
    emscripten::function("courseLink", emscripten::optional_override([](const std::string& d) {
                             return CourseLink(CourseOf(d));
                         }));
    emscripten::function("teacherView", &TeacherViewOf);
    emscripten::function("builtInCourseId", emscripten::optional_override(
                                                [] { return std::string(kBuiltInCourseId); }));
    emscripten::class_<WebCourse>("Course")
        .constructor<>()
        .function("start", &WebCourse::Start)
        .function("following", &WebCourse::Following)
        .function("stop", &WebCourse::Stop)
        .function("current", &WebCourse::Current)
        .function("record", &WebCourse::Record)
        .function("next", &WebCourse::Next)
        .function("end", &WebCourse::End)
        .function("link", &WebCourse::Link);
    emscripten::class_<WebAnswers>("Answers")
        .constructor<>()
        .function("load", &WebAnswers::Load)
        .function("add", &WebAnswers::Add)
        .function("list", &WebAnswers::List)
        .function("document", &WebAnswers::Document)
        .function("csv", &WebAnswers::Csv)
        .function("clear", &WebAnswers::Clear);
}
