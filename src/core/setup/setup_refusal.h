#pragma once

#include <string>

#include "setup/setup_json.h"
#include "shell/interface_text.h"

namespace vireflu {

// The sentence a window or the page shows for a refused setup, naming the key and what it
// accepts. `translate` turns each French sentence (context "Setup") into the user's
// language; the key and the accepted values stay as the document writes them.
std::string SetupRefusalText(const SetupError& error, const Translate& translate);

}  // namespace vireflu
