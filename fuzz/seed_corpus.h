// The seed inputs of the fuzzer: valid libraries made by the library
// builder, each with the strip that BuildBmpFile makes of it, and copies
// with one field or length changed, the damage a fuzzer takes longest to
// find on its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SeedInput {
    // Starts with "valid-" for a library and strip that convert both ways.
    std::string name;
    std::vector<std::uint8_t> bytes; // in the form SplitFuzzInput reads
};

inline constexpr const char* kValidSeedPrefix = "valid-";

std::vector<SeedInput> MakeSeedCorpus();
