#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "setup/setup.h"

namespace vireflu {

// The format version this program writes; it reads this one and every earlier one.
constexpr int kSetupVersion = 1;
// Larger documents are refused unread: a setup takes well under one kilobyte.
constexpr std::size_t kMaxSetupBytes = 64 * 1024;

// A setup as its canonical JSON document: every key, in a fixed order and layout, so that
// reading a document and writing it again gives back the same bytes.
std::string WriteSetup(const Setup& setup);

// Why a document is not a setup: the key at fault (empty for the document as a whole) and
// one sentence, in English, naming it and what it accepts.
struct SetupError {
    std::string key;
    std::string message;
};

// Reads a setup strictly: unknown, repeated or ill-typed keys, values outside the panels'
// ranges and waveforms the panels could not show are refused, as is a document of a newer
// version. Keys left out keep the values of a fresh start.
std::variant<Setup, SetupError> ReadSetup(std::string_view document);

// The setup as the page's address carries it after '#': "setup=" and the canonical document
// in base64url.
std::string SetupLink(const Setup& setup);
// Reads a link's fragment, with or without its '#'.
std::variant<Setup, SetupError> ReadSetupLink(std::string_view fragment);

}  // namespace vireflu
