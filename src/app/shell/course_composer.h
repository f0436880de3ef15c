#pragma once

#include <QDialog>

#include <optional>

#include "classroom/course.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace vireflu {

// "Composer un parcours...": the shipped lessons by theme on the left, the course's lessons
// in order on the right, a teacher's own lesson files among them, a title and an optional
// pass mark; the course then starts, is saved, copied as a link or packaged for a learning
// platform. Modeless, and kept: closed and opened again, it holds the course composed.
class CourseComposer : public QDialog {
    Q_OBJECT

public:
    explicit CourseComposer(QWidget* owner);

    // Adds a lesson file of one's own; false when it was refused (told in one warning).
    bool AddLessonFile(const QString& file);
    // The course as composed, checked by the course reader; none, and the user told why,
    // when it would be refused.
    std::optional<Course> Composed();

signals:
    void Started(const vireflu::Course& course);

private:
    void AddChosen();
    void Move(int by);
    // The list anew with `current` chosen, then the buttons.
    void ShowLessons(int current);
    // Each button enabled when it can act.
    void ShowButtons();

    Course course;  // the lessons; the title and the pass mark are the fields'
    QTreeWidget* shipped;
    QListWidget* chosen;
    QLineEdit* title;
    QSpinBox* passMark;
    QPushButton* addButton;
    QPushButton* upButton;
    QPushButton* downButton;
    QPushButton* removeButton;
    QPushButton* fileButton;
    QWidget* actions;  // what needs a title and a lesson
};

}  // namespace vireflu
