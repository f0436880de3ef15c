#include "option_values.h"

#include <charconv>

namespace vireflu {

std::optional<int> ParseWholeNumber(std::string_view text, int min, int max) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    if (value < min || value > max) return std::nullopt;
    return value;
}

std::optional<std::array<int, 3>> ParseTriple(std::string_view text, int min, int max) {
    std::array<int, 3> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t comma = text.find(',');
        const bool last = i + 1 == values.size();
        // The last number takes the rest; a comma left in it makes it malformed.
        const std::string_view item = last ? text : text.substr(0, comma);
        if (!last && comma == std::string_view::npos) return std::nullopt;
        const std::optional<int> value = ParseWholeNumber(item, min, max);
        if (!value) return std::nullopt;
        values[i] = *value;
        if (!last) text.remove_prefix(comma + 1);
    }
    return values;
}

std::optional<double> ParseDecimal(std::string_view text, double min, double max) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
    if (!(value >= min && value <= max)) return std::nullopt;
    return value;
}

std::optional<std::vector<double>> ParseDecimals(std::string_view text, std::size_t count,
                                                 double min, double max) {
    std::vector<double> values;
    while (values.size() < count) {
        const std::size_t comma = text.find(',');
        const bool last = values.size() + 1 == count;
        if (last == (comma != std::string_view::npos)) return std::nullopt;
        const std::optional<double> value = ParseDecimal(text.substr(0, comma), min, max);
        if (!value) return std::nullopt;
        values.push_back(*value);
        if (!last) text.remove_prefix(comma + 1);
    }
    return values;
}

std::optional<PixelSize> ParsePixelSize(std::string_view text, int maxSide) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return std::nullopt;
    const std::optional<int> width = ParseWholeNumber(text.substr(0, x), 1, maxSide);
    const std::optional<int> height = ParseWholeNumber(text.substr(x + 1), 1, maxSide);
    if (!width || !height) return std::nullopt;
    return PixelSize{*width, *height};
}

}  // namespace vireflu
