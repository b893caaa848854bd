#pragma once
// Synthetic but realistic media indexes for benchmarks and manual trials.

#include <cstdint>
#include <memory>

class TMatchStatFile;

struct TMediaIndexShape {
    int matches = 4;
    int situationsPerMatch = 50;
    std::uint64_t seed = 1;
};

// Teams with players, situation types with questions and answers, matches whose situations
// answer those questions (some twice, some not at all), notes, and presentations. The same
// seed gives the same document.
std::unique_ptr<TMatchStatFile> GenerateMediaIndex(const TMediaIndexShape& shape);
