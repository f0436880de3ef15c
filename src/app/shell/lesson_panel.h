#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <optional>
#include <vector>

#include "lessons/lesson.h"
#include "lessons/lesson_text.h"

namespace vireflu {

// A lesson's text in the interface's language: the catalogue's translation, else the lesson
// file's own English for English, else its French.
QString ShownText(const LessonText& text, const LessonFigures& figures = {});

// A lesson beside the machine: its introduction and question, then, once the student has
// answered (or the teacher chose "Montrer"), whether the prediction was right, the
// simulator's figure in a sentence, the explanation and the follow-up.
class LessonPanel : public QWidget {
    Q_OBJECT

public:
    explicit LessonPanel(QWidget* parent = nullptr);

    // Shows the lesson's question; `value` is what the simulator computes for its setup.
    void Start(const Lesson& lesson, const std::optional<LessonValue>& value);
    // Until the student answers, the animation stays stopped.
    bool Waiting() const { return waiting; }

signals:
    // An answer, or "Montrer": the animation may run.
    void Answered();
    void RestartRequested();

private:
    // `right` is none after "Montrer", which shows the outcome without a verdict.
    // `picked`: the choice the student pressed, if any.
    void Reveal(std::optional<bool> right, const LessonChoice* picked = nullptr);

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
    std::optional<Lesson> lesson;
    std::optional<LessonValue> value;
    LessonFigures figures;  // what the texts quote, in the user's language
    bool waiting = false;
};

}  // namespace vireflu
