#include "lessons/pending_answer.h"

#include <utility>

namespace vireflu {

Withheld WithheldBy(LessonQuantity quantity) {
    switch (quantity) {
        case LessonQuantity::FieldSense:
        case LessonQuantity::SynchronousSpeed:
            return {.field = true, .slip = true};
        case LessonQuantity::Slip:
        case LessonQuantity::RotorCurrentFrequency:
            return {.slip = true};
        case LessonQuantity::MeanTorque:
        case LessonQuantity::TorquePosition:
            return {.torque = true};
        case LessonQuantity::Harmonic5Sense:
        case LessonQuantity::Harmonic7Sense:
        case LessonQuantity::WindingFactor:
        case LessonQuantity::QuietestPitch5:
            return {.harmonics = true};
        case LessonQuantity::CageTorque:
        case LessonQuantity::MaxTorqueSlip:
        case LessonQuantity::StatorCurrent:
        case LessonQuantity::MachineMode:
            return {.torque = true};
        case LessonQuantity::SettledSpeed:
            return {.slip = true, .torque = true};
    }
    return {};
}

bool LessonAnnotations::Open(const Lesson& lesson, bool shown) {
    if (!own) own = shown;
    return lesson.annotations || *own;
}

std::optional<bool> LessonAnnotations::Leave() {
    return std::exchange(own, std::nullopt);
}

}  // namespace vireflu
