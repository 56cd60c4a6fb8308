#include "library/dib.h"

std::uint16_t DibColorCount(const BITMAPINFOHEADER* header)
{
    std::uint32_t used = header->biClrUsed;
    if (used != 0)
        return static_cast<std::uint16_t>(used);
    switch (header->biBitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

std::uint16_t DibPaletteBytes(const BITMAPINFOHEADER* header)
{
    return static_cast<std::uint16_t>(DibColorCount(header) * 4u);
}

const unsigned char* DibBitsPointer(const BITMAPINFOHEADER* header)
{
    return reinterpret_cast<const unsigned char*>(header) + std::uint32_t(header->biSize) + DibPaletteBytes(header);
}

unsigned char* DibBitsPointer(BITMAPINFOHEADER* header)
{
    return const_cast<unsigned char*>(DibBitsPointer(static_cast<const BITMAPINFOHEADER*>(header)));
}
