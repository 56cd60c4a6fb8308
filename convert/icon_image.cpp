#include "convert/icon_image.h"

#include "library/dib.h"

#include <cstring>

namespace conversion {

namespace {

constexpr std::uint64_t kFileHeaderBytes = sizeof(BITMAPFILEHEADER);
constexpr std::uint64_t kInfoHeaderBytes = sizeof(BITMAPINFOHEADER);

} // namespace

IconImageProblem DescribeIconImage(unsigned char* block, IconImage& image)
{
    auto* fileHeader = reinterpret_cast<BITMAPFILEHEADER*>(block);
    std::uint64_t blockBytes = kFileHeaderBytes + std::uint32_t(fileHeader->bfSize);
    if (blockBytes < kFileHeaderBytes + kInfoHeaderBytes)
        return IconImageProblem::BlockTooShort;

    auto* info = reinterpret_cast<BITMAPINFOHEADER*>(block + kFileHeaderBytes);
    if (info->biSize != kInfoHeaderBytes || info->biBitCount != 8 || info->biCompression != BI_RGB
        || info->biWidth < 0 || info->biHeight < 0)
        return IconImageProblem::UnsupportedForm;

    std::uint64_t paletteBytes = DibPaletteBytes(info);
    std::uint64_t rowLength = RowLength(std::uint64_t(std::int32_t(info->biWidth)));
    std::uint64_t height = std::uint64_t(std::int32_t(info->biHeight));
    std::uint64_t rowsOffset = kFileHeaderBytes + kInfoHeaderBytes + paletteBytes;
    // Both factors are below 2^31, so the product cannot wrap in 64 bits.
    if (rowsOffset + rowLength * height > blockBytes)
        return IconImageProblem::BlockTooShort;

    image.fileHeader = fileHeader;
    image.infoHeader = info;
    image.colorTable = block + kFileHeaderBytes + kInfoHeaderBytes;
    image.paletteBytes = static_cast<std::uint32_t>(paletteBytes);
    image.rows = DibBitsPointer(info);
    bool hasPixels = rowLength > 0 && height > 0;
    image.rowLength = hasPixels ? static_cast<std::uint32_t>(rowLength) : 0;
    image.height = hasPixels ? static_cast<std::uint32_t>(height) : 0;
    return IconImageProblem::None;
}

} // namespace conversion
