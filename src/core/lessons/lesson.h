#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "setup/setup.h"
#include "shell/interface_text.h"

namespace vireflu {

// A lesson's text in the two languages of its file; the catalogue translates a shipped
// lesson's French into the others.
struct LessonText {
    std::string fr;
    std::string en;
};

// A lesson's text in the user's language: the catalogue's translation of a shipped lesson's
// French (context "Lesson"), else, for a lesson file of one's own, its English for an English
// speaker and its French for everyone else.
inline std::string ShownLessonText(const LessonText& text, const Translate& translate,
                                   bool english) {
    std::string translated = translate(text.fr.c_str());
    if (translated != text.fr) return translated;
    return english ? text.en : text.fr;
}

// What the simulator computes from a lesson's setup to decide the answer. Senses are seen on
// the screen; signed speeds count positive counterclockwise, as the rotation frequency does.
enum class LessonQuantity {
    FieldSense,             // "horaire", "antihoraire", "pulsant", "immobile", "nul"
    SynchronousSpeed,       // the rotating field's signed speed, rpm
    Slip,                   // (n_s - n) / n_s against the rotating field
    RotorCurrentFrequency,  // |g| f, Hz
    MeanTorque,             // the sense of the torque's mean over one period
    TorquePosition,         // the rotor's initial position, in degrees, of the largest
                            // counterclockwise torque
    Harmonic5Sense,         // the sense the fifth harmonic's field turns
    Harmonic7Sense,         // and the seventh's
    WindingFactor,          // the stator winding's factor k_w of the fundamental
    QuietestPitch5,         // the coil pitch, in slots, whose magnetomotive force has the
                            // smallest fifth space harmonic, the winding's p and q kept
    CageTorque,             // a cage rotor's torque at the setup's slip, N m along the field
    SettledSpeed,           // where a free cage rotor settles under its load, rpm
    MaxTorqueSlip,          // the slip of a cage rotor's largest torque
    StatorCurrent,          // a cage machine's stator current at the setup's slip, A
    MachineMode,            // "moteur", "generatrice", "frein", "synchronisme"
};

// A quantity's name in a lesson file and the values it may take: names, or a number when
// `names` is empty.
struct QuantityInfo {
    LessonQuantity quantity;
    const char* key;
    std::span<const char* const> names;
};

std::span<const QuantityInfo> LessonQuantities();
const QuantityInfo& InfoOf(LessonQuantity quantity);

// One answer a student may pick: the value of the quantity it stands for (a name, or a
// number within the lesson's tolerance) and its text.
struct LessonChoice {
    std::string name;
    double number = 0;
    LessonText text;
    // For a wrong choice: why it is tempting and what to look at, shown to whoever picks it.
    std::optional<LessonText> why;
};

// Predict, observe, explain: a setup, what to read before it plays, one question, and what
// to read after. The file never says which choice is right: the simulator does.
struct Lesson {
    std::string id;
    LessonText theme;
    LessonText title;
    Setup setup;
    LessonText introduction;
    LessonText question;
    LessonQuantity quantity = LessonQuantity::FieldSense;
    // Two to four; none when the student types a number.
    std::vector<LessonChoice> choices;
    double tolerance = 0;  // for a number
    LessonText explanation;
    std::optional<LessonText> followUp;  // "Essayez :"
    bool annotations = false;
    // For the teacher's view alone: the usual misconceptions, what to ask next.
    std::optional<LessonText> teacherNotes;
};

}  // namespace vireflu
