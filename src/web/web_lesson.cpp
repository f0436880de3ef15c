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
    return val(ShownLessonText(text, PageTexts("Lesson"), SpokenLanguage() == "en", figures));
}

}  // namespace

val WebLesson::Open(WebSimulator& simulator, const std::string& text, bool isId,
                    bool annotationsShown) {
    std::variant<Lesson, SetupError> read = SetupError{SetupFault::BadValue, "lesson", "", "", ""};
    if (!isId) read = ReadLesson(text);
    if (const Lesson* found = isId ? FindLesson(text) : nullptr) read = *found;
    if (const auto* refused = std::get_if<SetupError>(&read)) {
        val result = val::object();
        result.set(
            "error",
            isId ? WithArguments(
                       PageText("Page", VIREFLU_UI_TEXT("Page", "Il n'y a pas de leçon « %1 ».")),
                       {text})
                 : SetupRefusalText(*refused, PageTexts("Setup")));
        return result;
    }
    lesson = std::get<Lesson>(read);
    shipped = isId;
    value = ComputeLessonValue(*lesson);
    figures = LessonFiguresOf(ComputeLessonNumbers(lesson->setup), PageTexts("Lesson"));
    val result = OpenedSetup(simulator, lesson->setup);
    simulator.GetSession().AwaitPrediction(WithheldBy(lesson->quantity));
    result.set("title", Shown(lesson->title));
    result.set("introduction", Shown(lesson->introduction, figures));
    result.set("question", Shown(lesson->question, figures));
    val choices = val::array();
    for (const LessonChoice& choice : lesson->choices)
        choices.call<void>("push", Shown(choice.text, figures));
    result.set("choices", choices);
    result.set("typed", lesson->choices.empty());
    result.set("annotations", annotations.Open(*lesson, annotationsShown));
    return result;
}

val WebLesson::Answer(WebSimulator& simulator, int choice, const std::string& typed) const {
    val result = val::object();
    result.set("answered", false);
    if (!lesson) return result;
    const bool chosen = choice >= 0 && static_cast<std::size_t>(choice) < lesson->choices.size();
    const LessonChoice* picked =
        chosen ? &lesson->choices[static_cast<std::size_t>(choice)] : nullptr;
    if (value && picked != nullptr) result.set("right", IsRightChoice(*lesson, *value, *picked));
    if (choice == -1) {
        const std::optional<double> read = TypedNumber(typed);
        if (!read) return result;
        result.set("right", value && IsRightNumber(*lesson, *value, *read));
    }
    result.set("answered", true);
    simulator.GetSession().EndPrediction();
    if (value)
        result.set("sentence", LessonSentence(lesson->quantity, *value, PageTexts("Lesson")) + ".");
    if (picked != nullptr && picked->why && !(value && IsRightChoice(*lesson, *value, *picked)))
        result.set("why", Shown(*picked->why, figures));
    result.set("explanation", Shown(lesson->explanation, figures));
    if (lesson->followUp) result.set("followUp", Shown(*lesson->followUp, figures));
    return result;
}

val WebLesson::Leave(WebSimulator& simulator) {
    simulator.GetSession().EndPrediction();
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
