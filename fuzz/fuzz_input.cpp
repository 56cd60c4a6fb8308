#include "fuzz/fuzz_input.h"

FuzzFiles SplitFuzzInput(std::span<const std::uint8_t> input)
{
    if (input.size() < kSplitPrefixBytes)
        return { input, {} };
    std::uint64_t declared = 0;
    for (std::size_t i = 0; i < kSplitPrefixBytes; ++i)
        declared |= std::uint64_t(input[i]) << (8 * i);
    std::span<const std::uint8_t> files = input.subspan(kSplitPrefixBytes);
    auto libraryBytes = static_cast<std::size_t>(declared % (files.size() + 1));
    return { files.first(libraryBytes), files.subspan(libraryBytes) };
}

std::vector<std::uint8_t> JoinFuzzInput(std::span<const std::uint8_t> library, std::span<const std::uint8_t> strip)
{
    std::vector<std::uint8_t> input(kSplitPrefixBytes);
    auto length = static_cast<std::uint32_t>(library.size());
    for (std::size_t i = 0; i < kSplitPrefixBytes; ++i)
        input[i] = static_cast<std::uint8_t>(length >> (8 * i));
    input.insert(input.end(), library.begin(), library.end());
    input.insert(input.end(), strip.begin(), strip.end());
    return input;
}
