#pragma once

#include <string>

#include "shell/interface_text.h"

namespace vireflu {

// The panel model writes its labels in French with their value ("fréquence stator: 50 Hz");
// the front-ends show them in the user's language (context "Panel"), the value put back in
// its place.
std::string TranslatedLabel(const std::string& label, const Translate& translate);

}  // namespace vireflu
