// The setup reader on any bytes: a refusal with a sentence of a line at most, or a setup that
// writes a document reading back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_target.h"
#include "setup/setup_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vireflu;
    const auto read = ReadSetup(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const auto* refused = std::get_if<SetupError>(&read)) {
        CheckRefusal(*refused);
        return 0;
    }
    const std::string document = WriteSetup(std::get<Setup>(read));
    const auto again = ReadSetup(document);
    if (!std::holds_alternative<Setup>(again) || WriteSetup(std::get<Setup>(again)) != document)
        std::abort();
    return 0;
}
