#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <optional>
#include <vector>

#include "classroom/course_run.h"
#include "lessons/lesson.h"
#include "session/session.h"

namespace vireflu {

// A lesson's text in the interface's language: the catalogue's translation, else the lesson
// file's own English for English, else its French.
QString ShownText(const LessonText& text);
// Whether a lesson file's own English is shown rather than its French.
bool LessonsInEnglish();

// A lesson beside the machine: its introduction and question, then, once the student has
// answered (or the teacher chose "Montrer"), the session's verdict, the simulator's figure in
// a sentence, the explanation and the follow-up. In a course, the course's title and the
// lesson's place above, the way on after the verdict, and the course's end at last; in the
// teacher's view, the answer expected and the lesson's notes.
class LessonPanel : public QWidget {
    Q_OBJECT

public:
    LessonPanel(Session& session, QWidget* parent = nullptr);

    // Shows the question of the lesson the session has just opened, as the current lesson
    // of `course` if one is followed.
    void Start(const LessonPage& page, const CourseRun* course = nullptr);
    // Shows how a course ended in place of its last lesson.
    void ShowEnd(const CourseEnd& end);
    void SetTeacherView(bool on);
    // Until the student answers, the animation stays stopped.
    bool Waiting() const { return session.AwaitsPrediction(); }
    // Since the question was shown.
    double SecondsAsked() const { return static_cast<double>(asked.elapsed()) / 1000; }

signals:
    // An answer, or "Montrer": the animation may run.
    void Answered();
    void RestartRequested();
    // "Leçon suivante", or "Terminer" after a course's last lesson.
    void NextRequested();

protected:
    // The choices, under a style sheet, keep the font they were polished with: each is told.
    void changeEvent(QEvent* event) override;

private:
    // Wide enough for the widest choice, which does not wrap, and for lines of a readable
    // length in the panel's font; the other texts wrap within.
    void FitWidth();
    // Shows the session's verdict, if it gave one; `picked` stays pressed.
    void Reveal(const std::optional<LessonVerdict>& said);

    Session& session;
    QLabel* title;
    QLabel* introduction;
    QLabel* question;
    std::vector<QPushButton*> choices;
    QLineEdit* numberEdit;
    QPushButton* numberButton;
    QPushButton* showButton;
    QLabel* verdict;
    QLabel* explanation;
    QLabel* followUp;
    QPushButton* restartButton;
    QLabel* courseTitle;
    QLabel* courseStep;
    QPushButton* nextButton;
    QWidget* teacherBlock;
    QLabel* expected;
    QLabel* notes;
    QLabel* endScore;
    QLabel* endOutcomes;
    bool inCourse = false;
    bool teacherView = false;
    bool ended = false;
    QElapsedTimer asked;
};

}  // namespace vireflu
