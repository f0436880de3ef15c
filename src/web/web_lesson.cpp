#include "web_lesson.h"

#include <emscripten/bind.h>

#include "lessons/lesson_json.h"
#include "lessons/lesson_library.h"
#include "page_language.h"
#include "setup/setup_refusal.h"

using emscripten::val;

namespace vireflu {

namespace {

val Shown(const LessonText& text, const LessonFigures& figures = {}) {
    return val(ShownLessonText(text, PageTexts("Lesson"), LessonsInEnglish(), figures));
}

}  // namespace

val WebLesson::Open(WebSimulator& simulator, const std::string& text, bool isId,
                    bool annotationsShown) {
    std::variant<Lesson, SetupError> read = SetupError{SetupFault::BadValue, "lesson", "", "", ""};
    if (!isId) read = ReadLesson(text);
    if (const Lesson* found = isId ? FindLesson(text) : nullptr) read = *found;
    if (const auto* refused = std::get_if<SetupError>(&read)) {
        if (!isId) return RefusalOf(*refused, RefusedText::Lesson);
        val result = val::object();
        result.set("error",
                   WithArguments(
                       PageText("Page", VIREFLU_UI_TEXT("Page", "Il n'y a pas de leçon « %1 ».")),
                       {text}));
        return result;
    }
    const Lesson& lesson = std::get<Lesson>(read);
    shippedId = isId ? lesson.id : std::string();
    const LessonPage page = simulator.OpenLesson(lesson, PageTexts("Lesson"), LessonsInEnglish());
    val result = PagePartOf(page.setup);
    result.set("title", page.title);
    result.set("introduction", page.introduction);
    result.set("question", page.question);
    val choices = val::array();
    for (const std::string& choice : page.choices) choices.call<void>("push", choice);
    result.set("choices", choices);
    result.set("typed", page.choices.empty());
    result.set("annotations", annotations.Open(lesson, annotationsShown));
    return result;
}

val WebLesson::Answer(WebSimulator& simulator, int choice, const std::string& typed) const {
    Session& session = simulator.GetSession();
    const std::optional<LessonVerdict> said =
        choice >= 0    ? session.AnswerChoice(static_cast<std::size_t>(choice))
        : choice == -1 ? session.AnswerNumber(typed)
                       : session.ShowAnswer();
    val result = val::object();
    result.set("answered", said.has_value());
    if (!said) return result;
    result.set("verdict", said->verdict);
    result.set("explanation", said->explanation);
    if (said->followUp) result.set("followUp", *said->followUp);
    return result;
}

val WebLesson::Leave(WebSimulator& simulator) {
    simulator.GetSession().LeaveLesson();
    const std::optional<bool> own = annotations.Leave();
    return own ? val(*own) : val::undefined();
}

val LessonMenu() {
    val themes = val::array();
    val lessons = val::null();
    std::string theme;
    for (const Lesson& lesson : ShippedLessons()) {
        if (lessons.isNull() || lesson.theme.fr != theme) {
            theme = lesson.theme.fr;
            lessons = val::array();
            val entry = val::object();
            entry.set("theme", Shown(lesson.theme));
            entry.set("lessons", lessons);
            themes.call<void>("push", entry);
        }
        val item = val::object();
        item.set("id", lesson.id);
        item.set("title", Shown(lesson.title));
        lessons.call<void>("push", item);
    }
    return themes;
}

}  // namespace vireflu

EMSCRIPTEN_BINDINGS(vireflu_lessons) {
    emscripten::function("lessonMenu", &vireflu::LessonMenu);
    emscripten::class_<vireflu::WebLesson>("Lesson")
        .constructor<>()
        .function("open", &vireflu::WebLesson::Open)
        .function("answer", &vireflu::WebLesson::Answer)
        .function("leave", &vireflu::WebLesson::Leave)
        .function("id", &vireflu::WebLesson::Id);
}
