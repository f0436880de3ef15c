#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "classroom/course.h"
#include "shell/interface_text.h"

namespace vireflu {

// A course's outcome: right answers out of its lessons, that share in percent (rounded), and
// the status a learning platform keeps: "passed" or "failed" against the pass mark,
// "completed" without one.
struct CourseScore {
    int right = 0;
    int lessons = 0;
    int percent = 0;
    std::string status;
};

// What "Terminer" shows, in the reader's language: a heading, the score in a sentence and
// each lesson's title with its outcome.
struct CourseEnd {
    std::string heading;
    std::string score;
    std::vector<std::string> outcomes;
};

// A course being followed: one lesson after the other, each one's first answer counting
// ("Montrer" counts as not right).
class CourseRun {
public:
    explicit CourseRun(Course course);

    const Course& Followed() const { return course; }
    std::size_t Current() const { return current; }
    const Lesson& CurrentLesson() const { return course.lessons[current].lesson; }
    bool IsLast() const { return current + 1 == course.lessons.size(); }

    // The current lesson's first answer; later ones change nothing.
    void Record(bool right);
    bool Answered() const { return outcomes[current].has_value(); }
    // Each lesson's first answer, none where unanswered.
    const std::vector<std::optional<bool>>& Outcomes() const { return outcomes; }
    // On to the next lesson once this one is answered; false at the last or before.
    bool Next();
    // Whether every lesson is answered; the score counts unanswered ones as not right.
    bool Finished() const;
    CourseScore Score() const;
    // `texts` translates in any context: the course's sentences ("Course") and the lessons'
    // titles ("Lesson").
    CourseEnd End(const TranslateText& texts, bool english) const;

private:
    Course course;
    std::size_t current = 0;
    std::vector<std::optional<bool>> outcomes;
};

}  // namespace vireflu
