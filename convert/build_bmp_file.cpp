// Icon library to strip bitmap: the loaded icons' rows stacked into one
// 8-bit BMP, composed in memory and written with one write.
#include "convert/loaded_icons.h"
#include "convert/overwrite_question.h"
#include "convert/strip_layout.h"
#include "library/icon_library_file.h"
#include "library/messages.h"

#include "platform/core/memory.h"
#include "platform/core/message_box.h"

#include <cstring>
#include <memory>

using namespace conversion;

namespace {

// The strip's headers: the first icon's, with the strip's sizes.
void ComposeHeaders(const IconImage& first, const StripLayout& layout, unsigned char* strip)
{
    BITMAPFILEHEADER fileHeader = *first.fileHeader;
    BITMAPINFOHEADER infoHeader = *first.infoHeader;
    fileHeader.bfSize = static_cast<std::uint32_t>(layout.fileBytes);
    fileHeader.bfOffBits = static_cast<std::uint32_t>(layout.rowsOffset);
    infoHeader.biWidth = static_cast<std::int32_t>(layout.width);
    infoHeader.biHeight = static_cast<std::int32_t>(layout.height);
    infoHeader.biSizeImage = static_cast<std::uint32_t>(layout.imageBytes);
    std::memcpy(strip, &fileHeader, sizeof(fileHeader));
    std::memcpy(strip + sizeof(fileHeader), &infoHeader, sizeof(infoHeader));
    std::memcpy(strip + sizeof(fileHeader) + sizeof(infoHeader), first.colorTable, layout.paletteBytes);
}

// Every icon's rows, in icon order, each at the start of a strip row. The
// rest of a narrower icon's strip rows stays zero, so that one library
// always gives the same strip.
void CopyRows(const std::vector<IconImage>& icons, const StripLayout& layout, unsigned char* strip)
{
    unsigned char* destination = strip + layout.rowsOffset;
    for (const IconImage& icon : icons) {
        const unsigned char* source = icon.rows;
        for (std::uint32_t row = 0; row < icon.height; ++row) {
            std::memcpy(destination, source, icon.rowLength);
            source += icon.rowLength;
            destination += layout.width;
        }
    }
}

} // namespace

int CIconLibraryFile::BuildBmpFile(const char* outputName)
{
    m_outcome = ConversionOutcome::Failed;

    // A library that cannot make a strip is refused before the output is
    // asked about, created or cut.
    std::vector<IconImage> icons;
    if (!DescribeLoadedIcons(*this, icons))
        return 0;
    StripLayout layout {};
    if (!MeasureStrip(icons, layout)) {
        // A strip without rows could not be converted back.
        ShowWarning(layout.height == 0 ? "The icons of this library hold no pixels.  Unable to convert."
                                       : "The icons of this library are too large for one strip bitmap.  Unable to convert.");
        return 0;
    }

    if (!MayWriteOutput(outputName)) {
        m_outcome = ConversionOutcome::Declined;
        return 1;
    }
    CFile output;
    if (!output.Open(outputName, CFile::modeCreate | CFile::modeReadWrite)) {
        ShowWarning("Error opening Output File");
        return 0;
    }

    auto bytes = static_cast<SIZE_T>(layout.fileBytes);
    HeapBlock strip(static_cast<unsigned char*>(HeapAllocateOrThrow(bytes)));
    std::memset(strip.get(), 0, bytes);
    ComposeHeaders(icons.front(), layout, strip.get());
    CopyRows(icons, layout, strip.get());

    output.Write(strip.get(), static_cast<UINT>(bytes));
    output.Close();
    strip.reset();

    ShowMessage("Conversion complete.", kUtilityCaption, MB_OK);
    ReleaseRecords();
    m_outcome = ConversionOutcome::Written;
    return 1;
}
