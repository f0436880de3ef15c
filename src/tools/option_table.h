#pragma once

#include <functional>
#include <string>
#include <vector>

#include "render_options.h"

namespace vireflu {

// One command-line option: its name, the name of its value, and how it sets the options.
// -h/--help and -v/--version are the parser's own.
struct CommandOption {
    std::string name;     // with its leading "--"
    std::string metavar;  // empty for an option that takes no value; FILE and DIR are paths
    std::string meaning;
    std::string accepts;  // what a value may be, for refusals and --help
    std::string defaultText;
    std::vector<std::string> choices;  // the names a NAME value may be
    // Reads the value into the options; false when the value is refused.
    std::function<bool(RenderOptions&, const std::string&)> set;
};

// Every option of vireflu-render, in the order --help lists them.
std::vector<CommandOption> CommandOptions();

}  // namespace vireflu
