#pragma once

#include <optional>

#include "lessons/lesson.h"
#include "machine/simulation_state.h"

namespace vireflu {

// What a lesson's question holds back until the student predicts or the teacher shows the
// outcome. A sense or a synchronous speed is read off the field's own figures, and off the
// slips measured against it; a slip or a rotor frequency off those two rows; a torque off the
// torque figure; a harmonic's sense off the spectrum. The field's angle stays: at the one
// instant a pending lesson shows, the clock stopped, it tells no sense.
Withheld WithheldBy(LessonQuantity quantity);

// The "Annotations" check through lessons: a lesson that asks for them shows them, any other
// shows them as the user had them before the first lesson, and leaving the lessons gives the
// user's own choice back, so one lesson's annotations never stay on for the next.
class LessonAnnotations {
public:
    // Whether the annotations show for `lesson`, opened while they were `shown`.
    bool Open(const Lesson& lesson, bool shown);
    // The user's own choice, for the front-end to put back; none when no lesson was open.
    std::optional<bool> Leave();

private:
    std::optional<bool> own;  // kept from the first lesson opened until the last one is left
};

}  // namespace vireflu
