#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vireflu {

// Base64 with the URL's alphabet ('-' and '_') and no padding, so that the text stands in
// an address as it is.
std::string EncodeBase64Url(std::string_view bytes);
// None when a character lies outside the alphabet or the length cannot be an encoding.
std::optional<std::string> DecodeBase64Url(std::string_view text);

}  // namespace vireflu
