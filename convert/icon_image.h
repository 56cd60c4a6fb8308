// A checked view of one loaded IconBitmap block: where its information
// header, colour table and rows lie, once it is known that they all lie
// inside the block and have the one form both conversions handle.
#pragma once

#include "library/records.h"

#include <cstdint>

// The conversions' own helpers, kept apart from the names of other layers.
namespace conversion {

struct IconImage {
    BITMAPFILEHEADER* fileHeader;
    BITMAPINFOHEADER* infoHeader;
    const unsigned char* colorTable;
    std::uint32_t paletteBytes;
    unsigned char* rows;
    // biWidth rounded up to a multiple of 4, and the rows stored. An icon
    // without pixels (width 0 or height 0) has 0 for both: it takes no strip
    // rows and does not widen the strip, so that a size no pixel backs
    // cannot make the strip large.
    std::uint32_t rowLength;
    std::uint32_t height;
};

enum class IconImageProblem {
    None,
    UnsupportedForm, // not an uncompressed 8-bit bottom-up bitmap with a 40-byte header
    BlockTooShort,   // the block ends before its header, colour table and rows
};

// The row length of a bitmap `width` pixels wide, one byte per pixel.
constexpr std::uint64_t RowLength(std::uint64_t width) { return (width + 3) & ~std::uint64_t(3); }

// Describes the IconBitmap `block` (14 + bfSize bytes) in `image`.
IconImageProblem DescribeIconImage(unsigned char* block, IconImage& image);

} // namespace conversion
