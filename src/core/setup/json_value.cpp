#include "setup/json_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <locale>
#include <sstream>

#include "shell/interface_text.h"

namespace vireflu {

const JsonValue::Items* JsonValue::Array() const {
    const auto* items = std::get_if<std::shared_ptr<Items>>(&value);
    return items != nullptr ? items->get() : nullptr;
}

const JsonValue::Members* JsonValue::Object() const {
    const auto* members = std::get_if<std::shared_ptr<Members>>(&value);
    return members != nullptr ? members->get() : nullptr;
}

namespace {

class Reader {
public:
    Reader(std::string_view text, int maxDepth) : text(text), maxDepth(maxDepth) {}

    JsonValue Document() {
        JsonValue value = Value(0);
        SkipSpace();
        if (!error && at < text.size()) Fail("unexpected text after the document");
        return value;
    }

    // The first failure; reading stops there: every step returns at once once it is set.
    const std::optional<JsonError>& Error() const { return error; }

private:
    // Records the first failure and leaves nothing more to read, so every loop ends.
    void Fail(const std::string& message) {
        if (!error) error = JsonError{message, at};
        at = text.size();
    }

    void SkipSpace() {
        while (at < text.size() &&
               (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r'))
            ++at;
    }

    bool Take(char c) {
        SkipSpace();
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }

    void Expect(char c) {
        if (!Take(c)) Fail(std::string("'") + c + "' expected");
    }

    bool TakeWord(std::string_view word) {
        if (text.substr(std::min(at, text.size()), word.size()) != word) return false;
        at += word.size();
        return true;
    }

    JsonValue Value(int depth) {
        SkipSpace();
        if (at >= text.size()) {
            Fail("the document ends too early");
            return {};
        }
        const char c = text[at];
        if (c == '{' || c == '[') {
            if (depth == maxDepth) {
                Fail("nested too deep");
                return {};
            }
            return c == '{' ? ObjectValue(depth + 1) : ArrayValue(depth + 1);
        }
        if (c == '"') return JsonValue{StringValue()};
        if (TakeWord("true")) return JsonValue{true};
        if (TakeWord("false")) return JsonValue{false};
        if (TakeWord("null")) return JsonValue{nullptr};
        return NumberValue();
    }

    JsonValue ObjectValue(int depth) {
        ++at;
        auto members = std::make_shared<JsonValue::Members>();
        if (Take('}')) return JsonValue{members};
        do {
            SkipSpace();
            if (at >= text.size() || text[at] != '"') {
                Fail("a member name expected");
                break;
            }
            std::string name = StringValue();
            for (const auto& member : *members)
                if (member.first == name) Fail("\"" + Shortened(name) + "\" is given twice");
            Expect(':');
            members->emplace_back(std::move(name), Value(depth));
        } while (Take(','));
        Expect('}');
        return JsonValue{members};
    }

    JsonValue ArrayValue(int depth) {
        ++at;
        auto items = std::make_shared<JsonValue::Items>();
        if (Take(']')) return JsonValue{items};
        do items->push_back(Value(depth));
        while (Take(','));
        Expect(']');
        return JsonValue{items};
    }

    JsonValue NumberValue() {
        // The grammar first: from_chars alone would take "inf", "nan", "+1" or "01".
        const std::size_t start = at;
        const auto digits = [&] {
            const std::size_t from = at;
            while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
            return text.substr(from, at - from);
        };
        if (at < text.size() && text[at] == '-') ++at;
        const std::string_view whole = digits();
        bool wellFormed = !whole.empty() && (whole.size() == 1 || whole[0] != '0');
        std::string_view fraction, exponent;
        bool negativeExponent = false;
        if (at < text.size() && text[at] == '.') {
            ++at;
            fraction = digits();
            wellFormed = wellFormed && !fraction.empty();
        }
        if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
            ++at;
            negativeExponent = at < text.size() && text[at] == '-';
            if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
            exponent = digits();
            wellFormed = wellFormed && !exponent.empty();
        }
        if (!wellFormed) {
            at = start;
            Fail("not a JSON value");
            return {};
        }
        JsonValue number;
        number.fraction = HasFraction(whole, fraction, exponent, negativeExponent);
        // A stream of the classic locale reads '.' whatever the user's locale says.
        std::istringstream digitsRead(std::string(text.substr(start, at - start)));
        digitsRead.imbue(std::locale::classic());
        double read = 0;
        digitsRead >> read;
        if (digitsRead.fail() || !std::isfinite(read)) Fail("a number out of range");
        number.value = read;
        return number;
    }

    // Whether the digits `whole`.`fraction` times ten to the exponent leave a nonzero digit
    // after the point, worked on the text: a double rounds "1.000...0001" to a whole 1.
    static bool HasFraction(std::string_view whole, std::string_view fraction,
                            std::string_view exponent, bool negativeExponent) {
        const std::string digits = std::string(whole) + std::string(fraction);
        const std::size_t last = digits.find_last_not_of('0');
        if (last == std::string::npos) return false;  // zero
        // Where the point falls in `digits` once the exponent moved it; an exponent of more
        // than nine significant digits moves it past any text's digits.
        const std::size_t nonzero = exponent.find_first_not_of('0');
        const std::string_view significant =
            nonzero == std::string_view::npos ? std::string_view() : exponent.substr(nonzero);
        std::size_t shift = kMaxShift;
        if (significant.size() <= 9) {
            shift = 0;
            std::from_chars(significant.data(), significant.data() + significant.size(), shift);
        }
        const std::size_t point = negativeExponent
                                      ? (whole.size() > shift ? whole.size() - shift : 0)
                                      : whole.size() + shift;
        return last >= point;
    }
    static constexpr std::size_t kMaxShift = 1'000'000'000;

    unsigned Hex4() {
        unsigned code = 0;
        if (at + 4 > text.size() ||
            std::from_chars(text.data() + at, text.data() + at + 4, code, 16).ptr !=
                text.data() + at + 4) {
            Fail("four hexadecimal digits expected");
            return 0;
        }
        at += 4;
        return code;
    }

    static void AppendUtf8(std::string& out, std::uint32_t code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // One well-formed UTF-8 sequence, copied as it is.
    void CopyUtf8(std::string& out) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
        const unsigned lead = byte(at);
        int length = 0;
        std::uint32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1F;
        if (lead >= 0xE0 && lead <= 0xEF) length = 3, code = lead & 0x0F;
        if (lead >= 0xF0 && lead <= 0xF4) length = 4, code = lead & 0x07;
        bool valid = length > 0 && at + length <= text.size();
        for (int i = 1; valid && i < length; ++i) {
            valid = (byte(at + i) & 0xC0) == 0x80;
            code = (code << 6) | (byte(at + i) & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF.
        const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!valid || code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF) ||
            code > 0x10FFFF) {
            Fail("not UTF-8");
            return;
        }
        out.append(text.substr(at, length));
        at += length;
    }

    std::string StringValue() {
        ++at;
        std::string out;
        while (!error) {
            if (at >= text.size()) {
                Fail("a string is not closed");
                break;
            }
            const auto c = static_cast<unsigned char>(text[at]);
            if (c == '"') break;
            if (c < 0x20) {
                Fail("a control character in a string");
                break;
            }
            if (c >= 0x80) {
                CopyUtf8(out);
                continue;
            }
            ++at;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (at >= text.size()) {
                Fail("a string is not closed");
                break;
            }
            const char escape = text[at++];
            const std::string_view simple = "\"\\/bfnrt";
            const std::string_view meant = "\"\\/\b\f\n\r\t";
            if (const std::size_t i = simple.find(escape); i != std::string_view::npos) {
                out += meant[i];
            } else if (escape == 'u') {
                std::uint32_t code = Hex4();
                if (code >= 0xD800 && code <= 0xDBFF && TakeWord("\\u")) {
                    const unsigned low = Hex4();
                    if (low >= 0xDC00 && low <= 0xDFFF)
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
                if (code >= 0xD800 && code <= 0xDFFF) Fail("a lone surrogate");
                AppendUtf8(out, code);
            } else {
                Fail("an unknown escape in a string");
            }
        }
        if (!error) ++at;
        return out;
    }

    std::string_view text;
    int maxDepth;
    std::size_t at = 0;
    std::optional<JsonError> error;
};

}  // namespace

std::variant<JsonValue, JsonError> ParseJson(std::string_view text, int maxDepth) {
    Reader reader(text, maxDepth);
    JsonValue document = reader.Document();
    if (reader.Error()) return *reader.Error();
    return document;
}

std::string JsonNumber(double number) {
    for (int digits = 1;; ++digits) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out.precision(digits);
        out << number;
        std::istringstream back(out.str());
        back.imbue(std::locale::classic());
        double read = 0;
        back >> read;
        if (read == number || digits == 17) return out.str();
    }
}

std::string JsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
            quoted += "\\u00";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 15];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string WriteJson(const JsonValue& value) {
    if (value.IsNull()) return "null";
    if (const bool* on = value.Bool()) return *on ? "true" : "false";
    if (const double* number = value.Number()) return JsonNumber(*number);
    if (const std::string* text = value.String()) return JsonString(*text);
    std::string written;
    if (const JsonValue::Items* items = value.Array()) {
        for (const JsonValue& item : *items)
            written += (written.empty() ? "" : ",") + WriteJson(item);
        return "[" + written + "]";
    }
    for (const auto& [key, item] : *value.Object())
        written += (written.empty() ? "" : ",") + JsonString(key) + ":" + WriteJson(item);
    return "{" + written + "}";
}

}  // namespace vireflu
