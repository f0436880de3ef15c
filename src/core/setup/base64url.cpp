#include "setup/base64url.h"

#include <cstdint>

namespace vireflu {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

}  // namespace

std::string EncodeBase64Url(std::string_view bytes) {
    std::string text;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : bytes) {
        bits = (bits << 8) | static_cast<unsigned char>(c);
        count += 8;
        while (count >= 6) text += kAlphabet[(bits >> (count -= 6)) & 0x3F];
    }
    if (count > 0) text += kAlphabet[(bits << (6 - count)) & 0x3F];
    return text;
}

std::optional<std::string> DecodeBase64Url(std::string_view text) {
    if (text.size() % 4 == 1) return std::nullopt;
    std::string bytes;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        const std::size_t value = kAlphabet.find(c);
        if (value == std::string_view::npos) return std::nullopt;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        count += 6;
        if (count >= 8) bytes += static_cast<char>((bits >> (count -= 8)) & 0xFF);
    }
    // The bits left over pad the last byte and must be zero, so each text decodes one way.
    if ((bits & ((1u << count) - 1)) != 0) return std::nullopt;
    return bytes;
}

}  // namespace vireflu
