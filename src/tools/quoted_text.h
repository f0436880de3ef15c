#pragma once

#include <string>
#include <string_view>

namespace vireflu {

// A value from the command line as a refusal shows it: between single quotes, on one
// line whatever it holds. Control characters, backslashes and bytes that are not UTF-8
// are written as escapes (\n, \t, \\, \x1b), so a name cannot break the line or drive
// the terminal; a value longer than a line keeps its start and its end around "...",
// followed by its length in bytes.
std::string Quoted(std::string_view value);

// The control characters and non-UTF-8 bytes of a whole message escaped, without quotes
// or shortening: the last guard that keeps every refusal on one line.
std::string EscapeControls(std::string_view text);

}  // namespace vireflu
