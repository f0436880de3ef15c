#include "lessons/lesson_run.h"

#include <utility>

#include "setup/json_value.h"

namespace vireflu {

LessonRun::LessonRun(Lesson taken, Translate inLanguage, bool inEnglish)
    : lesson(std::move(taken)),
      texts(std::move(inLanguage)),
      english(inEnglish),
      value(ComputeLessonValue(lesson)),
      figures(LessonFiguresOf(ComputeLessonNumbers(lesson.setup), texts)) {}

std::string LessonRun::Shown(const LessonText& text) const {
    return ShownLessonText(text, texts, english, figures);
}

LessonPage LessonRun::Page() const {
    LessonPage page{
        Shown(lesson.title), Shown(lesson.introduction), Shown(lesson.question), {}, lesson.setup};
    for (const LessonChoice& choice : lesson.choices) page.choices.push_back(Shown(choice.text));
    return page;
}

std::optional<LessonVerdict> LessonRun::Choose(std::size_t choice) {
    if (choice >= lesson.choices.size()) return std::nullopt;
    const LessonChoice& picked = lesson.choices[choice];
    const bool right = value && IsRightChoice(lesson, *value, picked);
    return Answer(
        {"choice", Shown(picked.text), std::string(1, static_cast<char>('a' + choice)), right},
        right, &picked);
}

std::optional<LessonVerdict> LessonRun::Type(const std::string& typed) {
    const std::optional<double> number = TypedNumber(typed);
    if (!number || !lesson.choices.empty()) return std::nullopt;
    const bool right = value && IsRightNumber(lesson, *value, *number);
    return Answer({"numeric", typed, JsonNumber(*number), right}, right);
}

std::optional<LessonVerdict> LessonRun::Show() {
    return Answer({"shown", "", "", false}, std::nullopt);
}

std::optional<LessonVerdict> LessonRun::Answer(LessonAnswer answer, std::optional<bool> right,
                                               const LessonChoice* picked) {
    auto said = Verdict(right, picked);
    if (said) given = std::move(answer);
    return said;
}

TeacherView LessonRun::ForTeacher() const {
    TeacherView view;
    const auto right = value ? RightChoice(lesson, *value) : std::nullopt;
    if (right)
        view.expected = Shown(lesson.choices[*right].text);
    else if (value)
        view.expected = LessonSentence(lesson.quantity, *value, texts) + ".";
    if (lesson.teacherNotes) view.notes = Shown(*lesson.teacherNotes);
    return view;
}

std::optional<LessonVerdict> LessonRun::Verdict(std::optional<bool> right,
                                                const LessonChoice* picked) {
    if (!waiting) return std::nullopt;
    waiting = false;
    LessonVerdict said;
    if (right)
        said.verdict = texts(*right ? VIREFLU_UI_TEXT("Lesson", "Bonne prédiction.")
                                    : VIREFLU_UI_TEXT("Lesson", "Ce n'est pas ce qui se passe."));
    if (value) {
        if (!said.verdict.empty()) said.verdict += ' ';
        said.verdict += LessonSentence(lesson.quantity, *value, texts) + ".";
    }
    const bool tempted = right == false && picked != nullptr && picked->why;
    said.explanation = (tempted ? Shown(*picked->why) + " " : "") + Shown(lesson.explanation);
    if (lesson.followUp)
        said.followUp =
            texts(VIREFLU_UI_TEXT("Lesson", "Essayez :")) + " " + Shown(*lesson.followUp);
    return said;
}

}  // namespace vireflu
