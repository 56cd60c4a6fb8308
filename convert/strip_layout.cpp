#include "convert/strip_layout.h"

#include <algorithm>
#include <climits>

namespace conversion {

bool MeasureStrip(const std::vector<IconImage>& icons, StripLayout& layout)
{
    std::uint64_t widest = 0;
    std::uint64_t height = 0;
    std::uint64_t iconBytes = 0;
    for (const IconImage& icon : icons) {
        widest = std::max<std::uint64_t>(widest, icon.rowLength);
        height += icon.height;
        iconBytes += sizeof(BITMAPFILEHEADER) + std::uint32_t(icon.fileHeader->bfSize);
    }
    layout.width = widest;
    layout.height = height;
    layout.imageBytes = layout.width * layout.height; // each below 2^47: no wrap
    layout.paletteBytes = icons.front().paletteBytes;
    layout.rowsOffset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + layout.paletteBytes;
    layout.fileBytes = layout.rowsOffset + layout.imageBytes;
    return layout.height > 0 && layout.width <= INT32_MAX && layout.height <= INT32_MAX
        && layout.fileBytes <= kLargestStripFileBytes && layout.fileBytes <= kStripAllowance + kStripBytesPerIconByte * iconBytes;
}

} // namespace conversion
