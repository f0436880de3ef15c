#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lessons/lesson.h"
#include "lessons/lesson_grade.h"
#include "lessons/lesson_text.h"

namespace vireflu {

// What a lesson's window shows before the answer, in the reader's language, figures filled.
struct LessonPage {
    std::string title;
    std::string introduction;
    std::string question;
    std::vector<std::string> choices;  // none: the student types a number
    Setup setup;                       // the setup opened, to show
};

// What it shows after: the verdict ("Bonne prédiction." or not, then the simulator's own
// sentence), the explanation (after a wrong choice's own "why"), and the follow-up, "Essayez :"
// first.
struct LessonVerdict {
    std::string verdict;
    std::string explanation;
    std::optional<std::string> followUp;
};

// What the student gave, kept for the answers' log and a learning platform: "choice" (the
// response is the choice's letter, "a" for the first), "numeric" (the number read, as typed)
// or "shown" ("Montrer", no response); `answer` as the student saw it.
struct LessonAnswer {
    std::string kind;
    std::string answer;
    std::string response;
    bool right = false;
};

// What the teacher's view adds: the answer the simulator expects, and the lesson's notes.
struct TeacherView {
    std::string expected;
    std::optional<std::string> notes;
};

// A lesson being taken: asked, then answered once. The core decides what is right and words
// it in the reader's language (`texts`, context "Lesson"; a lesson file's own English when
// `english`); the front-ends show the texts.
class LessonRun {
public:
    LessonRun(Lesson lesson, Translate texts, bool english);

    const Lesson& Taken() const { return lesson; }
    LessonPage Page() const;
    bool Waiting() const { return waiting; }

    // A choice picked, a number typed, or "Montrer". None when nothing is answered: already
    // answered, no such choice, or a typed text that is no number.
    std::optional<LessonVerdict> Choose(std::size_t choice);
    std::optional<LessonVerdict> Type(const std::string& typed);
    std::optional<LessonVerdict> Show();
    // The answer once given.
    const std::optional<LessonAnswer>& Given() const { return given; }
    TeacherView ForTeacher() const;

private:
    std::string Shown(const LessonText& text) const;
    std::optional<LessonVerdict> Verdict(std::optional<bool> right,
                                         const LessonChoice* picked = nullptr);
    std::optional<LessonVerdict> Answer(LessonAnswer answer, std::optional<bool> right,
                                        const LessonChoice* picked = nullptr);

    Lesson lesson;
    Translate texts;
    bool english;
    std::optional<LessonValue> value;
    LessonFigures figures;
    bool waiting = true;
    std::optional<LessonAnswer> given;
};

}  // namespace vireflu
