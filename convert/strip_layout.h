// The measurements of the strip bitmap that a library's icons make: one
// 8-bit BMP whose rows are all icons' rows, icon after icon.
#pragma once

#include "convert/icon_image.h"

#include <cstdint>
#include <vector>

struct StripLayout {
    std::uint64_t width;        // W: the widest icon rounded up to a multiple of 4
    std::uint64_t height;       // H: the icons' heights added up
    std::uint64_t imageBytes;   // S: W x H at 8 bits per pixel
    std::uint64_t paletteBytes; // P: the first icon's colour table
    std::uint64_t rowsOffset;   // 14 + 40 + P
    std::uint64_t fileBytes;    // the whole strip file
};

// The largest strip whose sizes its 32-bit header fields can hold.
inline constexpr std::uint64_t kLargestStripFileBytes = UINT32_MAX;

// Measures the strip in 64-bit arithmetic. Returns false when its width,
// height or file size cannot be stored in the strip's header fields.
bool MeasureStrip(const std::vector<IconImage>& icons, StripLayout& layout);
