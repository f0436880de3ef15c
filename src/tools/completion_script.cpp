// Writes the bash completion of vireflu-render from its option table, at build time, so the
// completion offers exactly the options and names that --help lists.
#include <iostream>
#include <string>

#include "option_table.h"

namespace {

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

}  // namespace

int main() {
    std::vector<std::string> names{"-h", "--help", "-v", "--version"};
    std::cout << "# bash completion for vireflu-render\n"
                 "_vireflu_render() {\n"
                 "    local cur prev words cword\n"
                 "    _init_completion -n = || return\n"
                 "    case $prev in\n";
    for (const vireflu::CommandOption& option : vireflu::CommandOptions()) {
        names.push_back(option.name);
        // After an option that takes no value, any option may follow.
        if (option.metavar.empty()) continue;
        // Whole numbers and sizes have nothing to offer, but no file names either.
        std::string values;
        if (!option.choices.empty())
            values = "COMPREPLY=($(compgen -W '" + Joined(option.choices) + "' -- \"$cur\"))";
        else if (option.metavar == "FILE")
            values = "_filedir";
        else if (option.metavar == "DIR")
            values = "_filedir -d";
        std::cout << "    " << option.name << ")\n";
        if (!values.empty()) std::cout << "        " << values << "\n";
        std::cout << "        return ;;\n";
    }
    std::cout << "    esac\n"
                 "    COMPREPLY=($(compgen -W '"
              << Joined(names)
              << "' -- \"$cur\"))\n"
                 "} &&\n"
                 "    complete -F _vireflu_render vireflu-render\n";
    return 0;
}
