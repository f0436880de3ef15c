#pragma once

#include <optional>
#include <string>

namespace vireflu {

// The browser page runs whole from one file of a few megabytes; anything far larger is not it.
constexpr std::size_t kMaxPageBytes = 64 * 1024 * 1024;

// Where the browser page is found to go into a package, the first that exists: the file
// VIREFLU_PAGE names, the page installed beside the running program
// (<prefix>/share/vireflu/vireflu.html for <prefix>/bin), then the one this source tree builds.
std::optional<std::string> FindPage();

// A page's bytes, or why it could not be read, in English.
struct PageBytes {
    std::string bytes;
    std::string failure;  // empty when read
};
PageBytes ReadPage(const std::string& path);

}  // namespace vireflu
