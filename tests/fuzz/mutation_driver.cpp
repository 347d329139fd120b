// SPDX-License-Identifier: MIT
// Runs a libFuzzer target without libFuzzer (g++ has none): a fixed number of
// copies of the seed files, each changed in a few random places, with a
// fixed random seed so that a failure comes back on every run. Most changes
// hit the first bytes, where a BMP keeps its header.
//
//   mutation_driver ITERATIONS SEED_FILE...

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "base/file_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern std::size_t inputsAccepted;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Values that sit on the edges of the header's fields.
constexpr std::array<std::uint32_t, 24> edges = {
    0,  1,  2,  4,   8,   12,  16,  24,     32,     40,     52,         56,
    64, 65, 108, 124, 125, 128, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFC0};
// The file header and the longest information header.
constexpr std::size_t headerBytes = 14 + 124;

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : random(seed) {}

    void mutate(Bytes& bytes)
    {
        const int changes = below(4) + 1;
        for (int i = 0; i < changes; ++i) mutateOnce(bytes);
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    // Usually inside the header, now and then anywhere in the file.
    std::size_t place(const Bytes& bytes)
    {
        const std::size_t span = below(5) > 0 ? std::min(bytes.size(), headerBytes) : bytes.size();
        return span == 0 ? 0 : std::size_t(below(int(span)));
    }

    void mutateOnce(Bytes& bytes)
    {
        if (bytes.empty()) {
            bytes.push_back(std::uint8_t(below(256)));
            return;
        }
        const std::size_t at = place(bytes);
        switch (below(8)) {
        case 0:
            bytes[at] ^= std::uint8_t(1 << below(8));
            break;
        case 1:
            bytes[at] = std::uint8_t(below(256));
            break;
        case 2:
        case 3: {
            // A 16- or 32-bit little-endian field set to an edge value or the
            // file's own length give or take a little.
            std::uint32_t value = below(3) == 0 ? std::uint32_t(bytes.size() + std::size_t(below(9))) - 4
                                                : edges[std::size_t(below(int(edges.size())))];
            const std::size_t width = below(2) == 0 ? 2 : 4;
            for (std::size_t i = 0; i < width && at + i < bytes.size(); ++i, value >>= 8) {
                bytes[at + i] = std::uint8_t(value);
            }
            break;
        }
        case 4:
            bytes.resize(below(3) == 0 ? at : std::size_t(below(int(bytes.size()))));
            break;
        case 5:
            bytes.erase(bytes.begin() + std::ptrdiff_t(at),
                        bytes.begin() + std::ptrdiff_t(std::min(bytes.size(), at + std::size_t(below(16) + 1))));
            break;
        case 6:
            bytes.insert(bytes.begin() + std::ptrdiff_t(at), std::size_t(below(16) + 1), std::uint8_t(below(256)));
            break;
        default:
            // Now and then a file longer than any picture here takes.
            bytes.resize(below(50) == 0 ? (1 << 20) + 1 : bytes.size() + std::size_t(below(4096)), 0);
            break;
        }
    }

    std::mt19937 random;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ITERATIONS SEED_FILE...\n", argv[0]);
        return 2;
    }
    const long iterations = std::strtol(argv[1], nullptr, 10);
    std::vector<Bytes> seeds;
    for (int i = 2; i < argc; ++i) {
        std::optional<Bytes> seed = readFileBytes(argv[i]);
        if (!seed) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 2;
        }
        seeds.push_back(std::move(*seed));
    }
    // The seeds as they are: the target accepts each, so a target that
    // refused everything would show here.
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        const std::size_t accepted = inputsAccepted;
        LLVMFuzzerTestOneInput(seeds[i].data(), seeds[i].size());
        if (inputsAccepted == accepted) {
            std::fprintf(stderr, "%s, a seed file, was refused\n", argv[i + 2]);
            return 1;
        }
    }
    const std::size_t acceptedSeeds = inputsAccepted;
    Mutator mutator(20261207);
    std::mt19937 pick(1);
    for (long i = 0; i < iterations; ++i) {
        Bytes bytes = seeds[std::uniform_int_distribution<std::size_t>(0, seeds.size() - 1)(pick)];
        mutator.mutate(bytes);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%ld mutated files read, %zu readings accepted; none crashed or answered inconsistently\n",
                iterations, inputsAccepted - acceptedSeeds);
    return 0;
}
