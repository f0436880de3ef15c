#include "shell/interface_text.h"

#include <vector>

namespace vireflu {

std::string WithArguments(const std::string& text, std::initializer_list<std::string> arguments) {
    const std::vector<std::string> values(arguments);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool mark =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const auto index = mark ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (index < values.size()) {
            result += values[index];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

}  // namespace vireflu
