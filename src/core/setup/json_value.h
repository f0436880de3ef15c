#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vireflu {

// A JSON document read strictly: one value, whitespace around it and nothing else; strings
// of well-formed UTF-8; numbers as the grammar writes them (so no NaN or Infinity); objects
// with distinct member names, kept in their order; a number keeps whether its text is whole. Setups
// and lessons are read through it.
struct JsonValue {
    using Members = std::vector<std::pair<std::string, JsonValue>>;
    using Items = std::vector<JsonValue>;
    std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<Items>,
                 std::shared_ptr<Members>>
        value;
    // A number whose text is not whole, however close to a whole number it comes: the double
    // of "1.0000000000000000001" is 1, its text is not.
    bool fraction = false;

    bool IsNull() const { return std::holds_alternative<std::nullptr_t>(value); }
    const bool* Bool() const { return std::get_if<bool>(&value); }
    const double* Number() const { return std::get_if<double>(&value); }
    const std::string* String() const { return std::get_if<std::string>(&value); }
    const Items* Array() const;
    const Members* Object() const;
};

// Why a text is not a JSON document, in English, with the byte offset where reading stopped.
struct JsonError {
    std::string message;
    std::size_t offset = 0;
};

// Nesting deeper than `maxDepth` arrays and objects is refused, so no input can exhaust the
// stack.
std::variant<JsonValue, JsonError> ParseJson(std::string_view text, int maxDepth = 8);

// A text as a JSON string, quotes included. '<', '>' and '&' are escaped too, so the
// document can stand inside a page's script element as it is.
std::string JsonString(std::string_view text);
// A finite number in the fewest digits that read back to it, whatever the C locale.
std::string JsonNumber(double number);
// A value as compact JSON that reads back to the same value: members in their order, each
// number in the fewest digits that give back its double.
std::string WriteJson(const JsonValue& value);

}  // namespace vireflu
