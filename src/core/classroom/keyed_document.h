#pragma once

#include <cstddef>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "setup/json_value.h"
#include "setup/setup_json.h"

namespace vireflu {

// A document of the classroom's formats read as far as its keys: a JSON object of known
// keys, each once, with a version this program reads.
struct KeyedDocument {
    JsonValue root;  // holds what `keys` points into
    std::map<std::string, const JsonValue*, std::less<>> keys;
};

// What a format is called in the English messages and how its document starts.
struct DocumentFormat {
    std::string_view name;  // "course"
    std::string_view versionKey;
    int version;
    std::size_t maxBytes;
    std::span<const std::string_view> keys;
};

std::variant<KeyedDocument, SetupError> ReadKeyedDocument(std::string_view document,
                                                          const DocumentFormat& format);

// A key that does not hold what it should; `accepts` says what it takes.
SetupError BadKey(SetupFault fault, const std::string& key, const std::string& accepts = "");

// The number of characters of a UTF-8 text already read as JSON.
std::size_t CharacterCount(std::string_view text);

}  // namespace vireflu
