#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "render_options.h"

namespace vireflu {

// The value readers of the command line. Each accepts its whole text or nothing: no
// leading spaces, signs other than '-', or trailing characters.

std::optional<int> ParseWholeNumber(std::string_view text, int min, int max);

// Three whole numbers separated by commas, each within min..max.
std::optional<std::array<int, 3>> ParseTriple(std::string_view text, int min, int max);

// A decimal number written with a point ("0.641", "400"), within min..max.
std::optional<double> ParseDecimal(std::string_view text, double min, double max);

// Numbers with a point separated by commas, exactly `count` of them, each within min..max.
std::optional<std::vector<double>> ParseDecimals(std::string_view text, std::size_t count,
                                                 double min, double max);

// "WIDTHxHEIGHT", each side within 1..maxSide.
std::optional<PixelSize> ParsePixelSize(std::string_view text, int maxSide);

}  // namespace vireflu
