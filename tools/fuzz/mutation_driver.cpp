// Runs a fuzz target where libFuzzer is not at hand (the GCC builds): each input is one of
// the seed files, mutated by a seeded random walk of byte flips, overwrites with boundary
// values, cuts, insertions and copies of the input's own bytes. The same seed gives the
// same inputs, so a finding is repeated by running again.
//
//   fuzz_NAME [-seconds=N] [-runs=N] [-seed=N] SEED_FILE_OR_FOLDER...

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/run_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr size_t kLongestInput = 1 << 20;

struct Random : tools::SplitMix64 {
    size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(Next() % n); }
};

// Values at the edges of what a header field may hold, little-endian as the files store them.
constexpr uint32_t kBoundaries[] = {0,          1,          2,      0x7F,   0x80,    0xFF,
                                    0x100,      0x7FFF,     0x8000, 0xFFFF, 0x10000, 0x7FFFFFFF,
                                    0x80000000, 0xFFFFFFFF, 24,     484,    40};

void Overwrite(Bytes& b, Random& r) {
    if (b.empty()) return;
    const uint32_t value = kBoundaries[r.Below(std::size(kBoundaries))];
    const size_t width = size_t{1} << r.Below(3);
    const size_t at = r.Below(b.size());
    for (size_t k = 0; k < width && at + k < b.size(); ++k)
        b[at + k] = static_cast<uint8_t>(value >> (8 * k));
}

void Mutate(Bytes& b, Random& r) {
    const size_t steps = 1 + r.Below(8);
    for (size_t s = 0; s < steps; ++s) {
        switch (r.Below(6)) {
            case 0:
                if (!b.empty()) b[r.Below(b.size())] ^= static_cast<uint8_t>(1u << r.Below(8));
                break;
            case 1:
                if (!b.empty()) b[r.Below(b.size())] = static_cast<uint8_t>(r.Next());
                break;
            case 2:
                Overwrite(b, r);
                break;
            case 3:
                b.resize(r.Below(b.size() + 1));
                break;
            case 4: {
                const size_t at = r.Below(b.size() + 1);
                b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), 1 + r.Below(16),
                         static_cast<uint8_t>(r.Next()));
                break;
            }
            default: {
                if (b.empty()) break;
                const size_t from = r.Below(b.size()), length = 1 + r.Below(64);
                const size_t to = r.Below(b.size());
                for (size_t k = 0; k < length && from + k < b.size() && to + k < b.size(); ++k)
                    b[to + k] = b[from + k];
            }
        }
    }
    if (b.size() > kLongestInput) b.resize(kLongestInput);
}

void AddSeeds(const fs::path& path, std::vector<Bytes>& seeds) {
    if (fs::is_directory(path)) {
        for (const auto& entry : fs::recursive_directory_iterator(path))
            if (entry.is_regular_file()) AddSeeds(entry.path(), seeds);
        return;
    }
    std::ifstream in(path, std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() > kLongestInput) bytes.resize(kLongestInput);
    seeds.push_back(std::move(bytes));
}

}  // namespace

int main(int argc, char** argv) {
    uint64_t seconds = 5, runs = UINT64_MAX, seed = 1;
    std::vector<Bytes> seeds{Bytes{}};
    for (int i = 1; i < argc; ++i) {
        if (!tools::Option(argv[i], "-seconds=", seconds) &&
            !tools::Option(argv[i], "-runs=", runs) && !tools::Option(argv[i], "-seed=", seed))
            AddSeeds(argv[i], seeds);
    }
    for (const Bytes& s : seeds) LLVMFuzzerTestOneInput(s.data(), s.size());
    Random random{{seed}};
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    uint64_t done = 0;
    for (; done < runs && (done % 256 != 0 || std::chrono::steady_clock::now() < end); ++done) {
        Bytes input = seeds[random.Below(seeds.size())];
        Mutate(input, random);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%llu inputs from %zu seeds, seed %llu: no finding\n",
                static_cast<unsigned long long>(done), seeds.size(),
                static_cast<unsigned long long>(seed));
    return 0;
}
