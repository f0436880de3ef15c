#pragma once

#include <cstdlib>
#include <string>

#include "setup/setup_json.h"
#include "setup/setup_refusal.h"

namespace vireflu {

// A refusal says why in a sentence that quotes at most a line of the input, in English for
// the command line and in French for the windows.
inline void CheckRefusal(const SetupError& refused) {
    constexpr std::size_t kLongest = 400;
    const std::string sentence =
        SetupRefusalText(refused, [](const char* french) { return std::string(french); });
    if (refused.message.empty() || refused.message.size() > kLongest || sentence.empty() ||
        sentence.size() > kLongest)
        std::abort();
}

}  // namespace vireflu
