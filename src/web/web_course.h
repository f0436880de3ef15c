#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

#include "classroom/answer_log.h"
#include "classroom/course_run.h"
#include "web_simulator.h"

namespace vireflu {

// A course the page follows: each lesson in turn, its first answer counting, and "Terminer".
// The core reads the course and scores it; the page opens each lesson and shows the end.
class WebCourse {
public:
    // A course's file, a link's fragment (`link`) or a page's built-in course, followed from
    // its first lesson: {title, lessons}, or {error} with the refusal's sentence, the course
    // followed before kept.
    emscripten::val Start(const std::string& text, bool link);
    bool Following() const { return run.has_value(); }
    void Stop() { run.reset(); }
    // The lesson to open: {course (its title), index, count, last, and either id (a shipped
    // lesson) or document (a teacher's own)}.
    emscripten::val Current() const;
    // The current lesson's answer; only its first counts.
    void Record(bool right);
    bool Next();
    // What "Terminer" shows (heading, score, outcomes) and what a platform keeps (right,
    // lessons, percent, status, and results: [{lesson, right}]).
    emscripten::val End() const;
    // The course followed as a page's address carries it: "course=...".
    std::string Link() const;

private:
    std::optional<CourseRun> run;
};

// The answers given in the page, in the core's log: read back from the browser's storage,
// added to after each answer, exported.
class WebAnswers {
public:
    // The log kept: "" when read (an empty text being no log yet), else the refusal's
    // sentence, the answers of this visit alone kept.
    std::string Load(const std::string& document);
    // The answer just given to the lesson taken, after `seconds` on its question, at `now`
    // (seconds since 1970): kept last, and handed back as the log writes it
    // ({lesson, title, kind, answer, response, right, seconds, at}); null without one.
    emscripten::val Add(const WebSimulator& simulator, double seconds, double now);
    emscripten::val List() const;
    std::string Document() const { return WriteAnswerLog(answers); }
    std::string Csv() const { return AnswersCsv(answers); }
    void Clear() { answers.clear(); }

private:
    std::vector<AnswerRecord> answers;
};

}  // namespace vireflu
