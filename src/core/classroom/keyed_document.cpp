#include "classroom/keyed_document.h"

#include <algorithm>

#include "shell/interface_text.h"

namespace vireflu {

SetupError BadKey(SetupFault fault, const std::string& key, const std::string& accepts) {
    const std::string shown = Shortened(key);
    std::string message = "\"" + shown + "\" ";
    if (fault == SetupFault::MissingKey) message += "is missing";
    if (fault == SetupFault::UnknownKey) message = "unknown key " + message;
    if (fault == SetupFault::BadValue) message += "accepts " + accepts;
    return SetupError{fault, shown, accepts, "", message};
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::variant<KeyedDocument, SetupError> ReadKeyedDocument(std::string_view document,
                                                          const DocumentFormat& format) {
    const std::string what = "not a Vireflu " + std::string(format.name) + ": ";
    if (document.size() > format.maxBytes)
        return SetupError{SetupFault::TooLarge, "", "", "",
                          "larger than " + std::to_string(format.maxBytes / 1024) + " KiB"};
    auto parsed = ParseJson(document);
    if (const auto* error = std::get_if<JsonError>(&parsed))
        return SetupError{SetupFault::NotJson, "", "", std::to_string(error->offset),
                          what + error->message + " at byte " + std::to_string(error->offset)};
    KeyedDocument read{std::move(std::get<JsonValue>(parsed)), {}};
    const JsonValue::Members* members = read.root.Object();
    if (members == nullptr)
        return SetupError{SetupFault::NotAnObject, "", "", "", what + "not a JSON object"};
    for (const auto& [key, value] : *members) {
        if (std::find(format.keys.begin(), format.keys.end(), key) == format.keys.end())
            return BadKey(SetupFault::UnknownKey, key);
        read.keys[key] = &value;
    }
    const auto version = read.keys.find(format.versionKey);
    if (version == read.keys.end())
        return SetupError{SetupFault::NoVersion, std::string(format.versionKey), "", "",
                          what + "\"" + std::string(format.versionKey) + "\" is missing"};
    if (auto refused = CheckVersion(version->first, *version->second, format.version))
        return *refused;
    return read;
}

}  // namespace vireflu
