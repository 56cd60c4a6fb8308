#include "cli/library_report.h"
#include "cli/bitmap_block_view.h"

#include "library/dib.h"

#include <algorithm>

namespace {

using std::to_string;

std::string DescribeBitmap(const BitmapBlockView& view)
{
    const BITMAPINFOHEADER* info = view.InfoHeader();
    if (info == nullptr)
        return "bitmap of " + to_string(view.Length()) + " bytes, too short for its information header";
    std::string text = to_string(std::int32_t(info->biWidth)) + " x " + to_string(std::int32_t(info->biHeight)) + ", "
        + to_string(std::uint16_t(info->biBitCount)) + " bits per pixel, " + to_string(DibColorCount(info)) + " colours";
    if (!view.ColourTable())
        text += " (the colour table runs past the end of the bitmap)";
    return text;
}

std::string DescribeGrid(const IconHeaderRecord& record)
{
    // The reader sets both dimensions to 0 when it loaded no grid.
    if (record.grid == nullptr)
        return "no grid";
    return "grid " + to_string(std::int16_t(record.stored.nGridWidth)) + " x " + to_string(std::int16_t(record.stored.nGridHeight));
}

using ColourTable = std::optional<std::span<const unsigned char>>;

// A table that runs past its block counts as different from one that fits.
bool SameColours(const ColourTable& a, const ColourTable& b)
{
    if (!a || !b)
        return !a && !b;
    return std::ranges::equal(*a, *b);
}

} // namespace

std::vector<std::string> DescribeLibrary(const CIconLibraryFile& library, const CString& name)
{
    const std::size_t count = std::min(library.m_iconHeaders.size(), library.m_iconBitmaps.size());
    std::vector<std::string> lines = {
        "Library: " + name,
        "Version: " + to_string(std::uint16_t(library.m_header.wVersion)),
        "Icons: " + to_string(count),
    };

    // The reader keeps no IconHeader's own offset; the chain gives them.
    DWORD headerOffset = library.m_header.dwFirstIconOffset;
    std::vector<std::string> notes;
    ColourTable firstColours;
    for (std::size_t i = 0; i < count; ++i) {
        const IconHeaderRecord& record = *library.m_iconHeaders[i];
        BitmapBlockView view(library.m_iconBitmaps[i]);
        const std::string number = to_string(i + 1);
        lines.push_back("icon " + number + ": header at " + to_string(headerOffset) + ", bitmap at "
            + to_string(std::uint32_t(record.stored.dwBitmapOffset)) + ", " + DescribeBitmap(view) + ", " + DescribeGrid(record));
        headerOffset = record.stored.dwNextOffset;

        if (i == 0)
            firstColours = view.ColourTable();
        else if (!SameColours(view.ColourTable(), firstColours))
            notes.push_back("Note: icon " + number + "'s colour table differs from icon 1's; the strip shows icon " + number
                + " in icon 1's colours.");
    }
    lines.insert(lines.end(), notes.begin(), notes.end());
    return lines;
}
