#include "classroom/page_file.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>

namespace vireflu {

std::optional<std::string> FindPage() {
    namespace fs = std::filesystem;
    std::vector<fs::path> candidates;
    if (const char* named = std::getenv("VIREFLU_PAGE"); named != nullptr && *named != '\0')
        candidates.emplace_back(named);
    std::error_code failed;
    const fs::path program = fs::read_symlink("/proc/self/exe", failed);
    if (!failed)
        candidates.push_back(program.parent_path().parent_path() / "share/vireflu/vireflu.html");
    candidates.emplace_back(VIREFLU_BUILT_PAGE);
    for (const fs::path& candidate : candidates)
        if (fs::is_regular_file(candidate, failed)) return candidate.string();
    return std::nullopt;
}

namespace {

// "<!DOCTYPE html" or "<html" first, whatever their case, after blanks.
bool StartsAsHtml(std::string_view page) {
    const std::size_t start = page.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) return false;
    std::string head(page.substr(start, 14));
    for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return head.starts_with("<!doctype html") || head.starts_with("<html");
}

}  // namespace

PageBytes ReadPage(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {"", std::string("could not be read (") + std::strerror(errno) + ")"};
    std::string page(kMaxPageBytes + 1, '\0');
    file.read(page.data(), static_cast<std::streamsize>(page.size()));
    if (file.bad()) return {"", std::string("could not be read (") + std::strerror(errno) + ")"};
    page.resize(static_cast<std::size_t>(file.gcount()));
    if (page.size() > kMaxPageBytes) return {"", "is larger than 64 MiB: not Vireflu's page"};
    if (!StartsAsHtml(page)) return {"", "is not an HTML page"};
    return {std::move(page), ""};
}

}  // namespace vireflu
