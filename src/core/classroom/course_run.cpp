#include "classroom/course_run.h"

#include <algorithm>
#include <utility>

namespace vireflu {

CourseRun::CourseRun(Course followed)
    : course(std::move(followed)), outcomes(course.lessons.size()) {}

void CourseRun::Record(bool right) {
    if (!outcomes[current]) outcomes[current] = right;
}

bool CourseRun::Next() {
    if (!Answered() || IsLast()) return false;
    ++current;
    return true;
}

bool CourseRun::Finished() const {
    return std::all_of(outcomes.begin(), outcomes.end(),
                       [](const std::optional<bool>& outcome) { return outcome.has_value(); });
}

CourseScore CourseRun::Score() const {
    CourseScore score;
    score.lessons = static_cast<int>(outcomes.size());
    score.right =
        static_cast<int>(std::count(outcomes.begin(), outcomes.end(), std::optional<bool>(true)));
    // Rounded half up, in whole numbers, so every front-end and platform sees one figure.
    score.percent = (200 * score.right + score.lessons) / (2 * score.lessons);
    score.status = !course.passMark                    ? "completed"
                   : score.percent >= *course.passMark ? "passed"
                                                       : "failed";
    return score;
}

CourseEnd CourseRun::End(const TranslateText& inContext, bool english) const {
    const auto texts = [&](const char* text) { return inContext("Course", text); };
    const Translate lessonTexts = [&](const char* text) { return inContext("Lesson", text); };
    const CourseScore score = Score();
    CourseEnd end;
    end.heading =
        WithArguments(texts(VIREFLU_UI_TEXT("Course", "Parcours terminé : %1")), {course.title});
    end.score =
        WithArguments(texts(VIREFLU_UI_TEXT("Course", "Bonnes réponses : %1 sur %2 (%3 %).")),
                      {std::to_string(score.right), std::to_string(score.lessons),
                       std::to_string(score.percent)});
    if (course.passMark) {
        const char* verdict =
            score.status == "passed"
                ? VIREFLU_UI_TEXT("Course", "Réussi (note de passage : %1 %).")
                : VIREFLU_UI_TEXT("Course", "Pas encore réussi (note de passage : %1 %).");
        end.score += " " + WithArguments(texts(verdict), {std::to_string(*course.passMark)});
    }
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const char* outcome = !outcomes[i]   ? VIREFLU_UI_TEXT("Course", "%1 : sans réponse")
                              : *outcomes[i] ? VIREFLU_UI_TEXT("Course", "%1 : juste")
                                             : VIREFLU_UI_TEXT("Course", "%1 : faux");
        const Lesson& lesson = course.lessons[i].lesson;
        end.outcomes.push_back(
            WithArguments(texts(outcome), {ShownLessonText(lesson.title, lessonTexts, english)}));
    }
    return end;
}

}  // namespace vireflu
