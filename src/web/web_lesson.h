#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <variant>

#include "lessons/lesson.h"
#include "lessons/pending_answer.h"
#include "setup/setup_refusal.h"
#include "web_simulator.h"

namespace vireflu {

// Opens a setup read from a document or a link: {error} with the refusal's sentence, or the
// page's part of the opened setup (PagePartOf). Defined with the bindings.
emscripten::val OpenedSetup(WebSimulator& simulator, const std::variant<Setup, SetupError>& read,
                            RefusedText source);
// {error} with a refusal's sentence, for a document or a link the page opened.
emscripten::val RefusalOf(const SetupError& refused, RefusedText source);
// The page's part of a setup: pace, windows, running clock, projector, two rotating fields.
emscripten::val PagePartOf(const Setup& setup);

// The lesson the page shows, in French as the page is: opened on the simulator, then
// answered. The core decides what is right; the page only shows it.
class WebLesson {
public:
    // A shipped lesson's id (from "&Leçons" or "#lesson=ID") or a lesson file's text: what
    // OpenedSetup answers, with the lesson's title, introduction, question, choices, whether
    // the student types a number and whether "Annotations" show, opened while they were
    // `annotationsShown`; {error} when refused, the lesson kept. The simulator holds back
    // what would tell the answer.
    emscripten::val Open(WebSimulator& simulator, const std::string& text, bool isId,
                         bool annotationsShown);
    // A choice's index, or -1 for a typed number, or -2 for "Montrer": {answered} (false for
    // a typed text that is no number, which changes nothing), the verdict, the explanation
    // and the follow-up, as the session words them. An answer lets the simulator show
    // everything again.
    emscripten::val Answer(WebSimulator& simulator, int choice, const std::string& typed) const;
    // The lesson window closed: the simulator shows everything again. The user's own
    // "Annotations" to put back, or undefined when no lesson was open.
    emscripten::val Leave(WebSimulator& simulator);
    // The shipped lesson's id, for the page's address; empty for a file's.
    std::string Id() const { return shippedId; }

private:
    std::string shippedId;
    LessonAnnotations annotations;
};

// "&Leçons": [{theme, lessons: [{id, title}]}], themes in the order of the files.
emscripten::val LessonMenu();

}  // namespace vireflu
