// Whether a strip bitmap read back can give every icon of a library its
// rows: the checks made on the strip's information header before its
// pixel rows are read.
#pragma once

#include "convert/icon_image.h"
#include "platform/core/cstring.h"

#include <cstdint>
#include <vector>

// The conversions' own helpers, kept apart from the names of other layers.
namespace conversion {

struct StripShape {
    std::uint64_t rowLength;    // Ws: the strip's width rounded up to a multiple of 4
    std::uint64_t rows;         // stored rows
    std::uint64_t paletteBytes; // the colour table skipped before the rows
    std::uint64_t pixelBytes;   // B = Ws x rows
};

// Measures the strip described by `info` and checks it against `icons`.
// Returns the message that refuses it, or an empty text when it fits.
CString CheckStripFitsIcons(const BITMAPINFOHEADER& info, const std::vector<IconImage>& icons, StripShape& shape);

} // namespace conversion
