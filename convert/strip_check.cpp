#include "convert/strip_check.h"

#include "library/dib.h"

namespace conversion {

CString CheckStripFitsIcons(const BITMAPINFOHEADER& info, const std::vector<IconImage>& icons, StripShape& shape)
{
    // A shorter header would be misread as the 40-byte one.
    if (info.biSize != sizeof(BITMAPINFOHEADER))
        return "Bitmap file has an information header of an older form.  Unable to convert.";
    if (info.biBitCount != 8 || info.biCompression != BI_RGB)
        return "Bitmap file is not an uncompressed 8-bit bitmap.  Unable to convert.";
    if (info.biHeight <= 0 || info.biWidth < 0)
        return "Bitmap file is stored top-down or holds no rows.  Unable to convert.";

    shape.rowLength = RowLength(std::uint64_t(std::int32_t(info.biWidth)));
    shape.rows = std::uint64_t(std::int32_t(info.biHeight));
    shape.paletteBytes = DibPaletteBytes(&info);
    shape.pixelBytes = shape.rowLength * shape.rows; // both below 2^32: no wrap

    std::uint64_t rowsNeeded = 0;
    for (const IconImage& icon : icons) {
        rowsNeeded += icon.height;
        if (icon.height > 0 && icon.rowLength > shape.rowLength)
            return "Bitmap file is narrower than the icons of this library.  Unable to convert.";
    }
    if (rowsNeeded > shape.rows)
        return "Bitmap file has fewer rows than the icons of this library.  Unable to convert.";
    return {};
}

} // namespace conversion
