// Without libFuzzer: the seed files of a folder, then a fixed series of mutations of them
// (bytes changed, inserted or removed, the end cut off), each handed to the fuzz target.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Feed(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SEED_FOLDER RUNS\n", argv[0]);
        return 2;
    }
    std::vector<std::string> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream file(entry.path(), std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        Feed(seeds.back());
    }
    if (seeds.empty()) return 2;
    std::mt19937 random(20261208);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    // Bytes that make JSON, half of the time: most mutations then still parse.
    const std::string alphabet = "{}[],:\"\\ 0123456789.eE+-truefalsnu";
    for (int run = 0, runs = std::atoi(argv[2]); run < runs; ++run) {
        std::string input = seeds[pick(seeds.size())];
        for (std::size_t edits = 1 + pick(4); edits > 0 && !input.empty(); --edits) {
            const std::size_t at = pick(input.size());
            const char c =
                run % 2 == 0 ? static_cast<char>(pick(256)) : alphabet[pick(alphabet.size())];
            // Cuts are rarest, so that most inputs keep their length.
            const std::size_t kind = pick(8);
            if (kind == 0)
                input.resize(at);
            else if (kind < 3)
                input.erase(at, 1);
            else if (kind < 5)
                input.insert(at, 1, c);
            else
                input[at] = c;
        }
        Feed(input);
    }
    return 0;
}
