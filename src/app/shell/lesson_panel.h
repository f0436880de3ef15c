#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <optional>
#include <vector>

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
// a sentence, the explanation and the follow-up.
class LessonPanel : public QWidget {
    Q_OBJECT

public:
    LessonPanel(Session& session, QWidget* parent = nullptr);

    // Shows the question of the lesson the session has just opened.
    void Start(const LessonPage& page);
    // Until the student answers, the animation stays stopped.
    bool Waiting() const { return session.AwaitsPrediction(); }

signals:
    // An answer, or "Montrer": the animation may run.
    void Answered();
    void RestartRequested();

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
};

}  // namespace vireflu
