// The measurements of the strip bitmap that a library's icons make: one
// 8-bit BMP whose rows are all icons' rows, icon after icon.
#pragma once

#include "convert/icon_image.h"

#include <cstdint>
#include <vector>

// The conversions' own helpers, kept apart from the names of other layers.
namespace conversion {

struct StripLayout {
    std::uint64_t width;        // W: the widest icon's row length
    std::uint64_t height;       // H: the icons' heights added up
    std::uint64_t imageBytes;   // S: W x H at 8 bits per pixel
    std::uint64_t paletteBytes; // P: the first icon's colour table
    std::uint64_t rowsOffset;   // 14 + 40 + P
    std::uint64_t fileBytes;    // the whole strip file
};

// The largest strip whose sizes its 32-bit header fields can hold.
inline constexpr std::uint64_t kLargestStripFileBytes = UINT32_MAX;
// A strip pads every icon's rows to the widest icon's, so it may be larger
// than the icons it holds, but only in proportion: this many bytes per byte
// of the icons' bitmaps, plus a fixed allowance. Beyond that, a library of
// a few kilobytes could ask for gigabytes.
inline constexpr std::uint64_t kStripBytesPerIconByte = 16;
inline constexpr std::uint64_t kStripAllowance = std::uint64_t(16) << 20;

// Measures the strip in 64-bit arithmetic. Returns false when it would hold
// no rows, when its width, height or file size cannot be stored in the
// strip's header fields, or when it is out of proportion to the icons.
bool MeasureStrip(const std::vector<IconImage>& icons, StripLayout& layout);

} // namespace conversion
