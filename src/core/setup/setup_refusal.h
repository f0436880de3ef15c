#pragma once

#include <string>

#include "setup/setup_json.h"
#include "shell/interface_text.h"

namespace vireflu {

// What was being read: a setup's file, a link, a lesson's file, a course's file or link, or
// a log of answers.
enum class RefusedText { Setup, Link, Lesson, Course, CourseLink, Answers };

// The sentences a window or the page shows for a refused setup or lesson: plain words first
// ("Ce fichier n'est pas un montage Vireflu."), then the detail naming the key and what it
// accepts. `translate` turns each French sentence (context "Setup") into the user's
// language; the key and the accepted values stay as the document writes them.
std::string SetupRefusalText(const SetupError& error, const Translate& translate,
                             RefusedText source = RefusedText::Setup);

}  // namespace vireflu
