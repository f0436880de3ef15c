#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "setup/json_value.h"
#include "setup/setup.h"

namespace vireflu {

// The format version this program writes; it reads this one and every earlier one.
constexpr int kSetupVersion = 1;
// Larger documents are refused unread: a setup takes well under one kilobyte.
constexpr std::size_t kMaxSetupBytes = 64 * 1024;

// A setup as its canonical JSON document: every key, in a fixed order and layout, so that
// reading a document and writing it again gives back the same bytes.
std::string WriteSetup(const Setup& setup);

// What is wrong with a document that is not a setup.
enum class SetupFault {
    NotJson,  // `detail`: where reading stopped, in bytes
    NotAnObject,
    TooLarge,
    BrokenLink,  // not "setup=" and base64url
    NoVersion,
    NewerVersion,  // `detail`: the document's version
    UnknownKey,
    BadValue,      // `accepts` says what the key takes
    WaveformRule,  // a waveform the panel cannot show with those phases
    MissingKey,    // a key a lesson cannot do without
    NoValue,       // a lesson's setup gives its quantity no value; `detail`: the quantity
    NotOneRight,   // not exactly one of a lesson's choices is right; `detail`: the value
};

// Why a document is not a setup: the fault, the key at fault (empty for the document as a
// whole), what the key accepts in a notation every language reads ("0..3", "true | false",
// "[0..360, 0..360, 0..360]"), and the same as one sentence in English, for the command line.
// The front-ends make their own sentence from the first three.
struct SetupError {
    SetupFault fault;
    std::string key;
    std::string accepts;
    std::string detail;
    std::string message;
};

// Reads a setup strictly: unknown, repeated or ill-typed keys, values outside the panels'
// ranges and waveforms the panels could not show are refused, as is a document of a newer
// version. Keys left out keep the values of a fresh start.
std::variant<Setup, SetupError> ReadSetup(std::string_view document);
// The same for a document already read as JSON (a lesson holds its setup as one value).
std::variant<Setup, SetupError> ReadSetupValue(const JsonValue& document);

// Whether a document's format version (`key`'s value) is one this program reads: a whole
// number from 1 to `readable`. Setups and lessons check theirs so.
std::optional<SetupError> CheckVersion(const std::string& key, const JsonValue& value,
                                       int readable);

// The setup as the page's address carries it after '#': "setup=" and the canonical document
// in base64url.
std::string SetupLink(const Setup& setup);
// Reads a link's fragment, with or without its '#'.
std::variant<Setup, SetupError> ReadSetupLink(std::string_view fragment);

}  // namespace vireflu
