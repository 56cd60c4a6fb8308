// How one fuzz input holds two files: its first four bytes, little-endian,
// give the library's length (taken modulo what follows, so that every
// split point can be reached); the library's bytes come next, then the
// strip's. An input of fewer than four bytes is a library alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct FuzzFiles {
    std::span<const std::uint8_t> library;
    std::span<const std::uint8_t> strip;
};

inline constexpr std::size_t kSplitPrefixBytes = 4;

FuzzFiles SplitFuzzInput(std::span<const std::uint8_t> input);
// The input that SplitFuzzInput splits back into `library` and `strip`.
std::vector<std::uint8_t> JoinFuzzInput(std::span<const std::uint8_t> library, std::span<const std::uint8_t> strip);
