#pragma once

#include "shell/interface_text.h"

namespace vireflu {

// The welcome of a first start, beside the machine: a line and three ways in. The first
// opens the lesson whose answer sets the field turning, so a rotating field is two clicks
// away.
inline constexpr const char* kWelcomeTitle = VIREFLU_UI_TEXT("Welcome", "Bienvenue");
inline constexpr const char* kWelcomeLine =
    VIREFLU_UI_TEXT("Welcome",
                    "Vireflu anime le champ magnétique d'une machine triphasée. Par où "
                    "commencer ?");
inline constexpr const char* kWelcomeLesson = VIREFLU_UI_TEXT("Welcome", "Commencer par une leçon");
inline constexpr const char* kWelcomeOpen = VIREFLU_UI_TEXT("Welcome", "Ouvrir un montage");
inline constexpr const char* kWelcomeExplore = VIREFLU_UI_TEXT("Welcome", "Explorer");
inline constexpr const char* kWelcomeLessonId = "trois-phases";

}  // namespace vireflu
