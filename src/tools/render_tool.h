#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vireflu {

// Exit statuses of vireflu-render.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 2;

// The whole program: reads the arguments after the program name, checks them and every
// destination, plays the scenario and writes the outputs. The JSON state goes to `out`
// when asked for on standard output; a refusal is one line on `err`.
int RunRenderTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vireflu
