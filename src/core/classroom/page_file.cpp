#include "classroom/page_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
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

PageBytes ReadPage(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {"", std::string("could not be read (") + std::strerror(errno) + ")"};
    std::string page(kMaxPageBytes + 1, '\0');
    file.read(page.data(), static_cast<std::streamsize>(page.size()));
    if (file.bad()) return {"", std::string("could not be read (") + std::strerror(errno) + ")"};
    page.resize(static_cast<std::size_t>(file.gcount()));
    if (page.size() > kMaxPageBytes) return {"", "is larger than 64 MiB: not Vireflu's page"};
    if (page.find("<html") == std::string::npos && page.find("<HTML") == std::string::npos)
        return {"", "is not an HTML page"};
    return {std::move(page), ""};
}

}  // namespace vireflu
