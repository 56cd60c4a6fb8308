// Colour-table sizes and the start of the pixel rows, including the cuts
// to 16 bits.
#include "library/dib.h"

#include <gtest/gtest.h>

namespace {

struct DibCase {
    std::uint32_t clrUsed;
    std::uint16_t bitCount;
    std::uint32_t biSize;
    std::uint16_t entries;
    std::uint16_t paletteBytes;
};

void PrintTo(const DibCase& c, std::ostream* out)
{
    *out << "clrUsed " << c.clrUsed << ", " << c.bitCount << " bits, biSize " << c.biSize;
}

class DibMeasurementTest : public ::testing::TestWithParam<DibCase> { };

TEST_P(DibMeasurementTest, CountsEntriesBytesAndFindsTheRows)
{
    const DibCase& c = GetParam();
    BITMAPINFOHEADER header {};
    header.biSize = c.biSize;
    header.biBitCount = c.bitCount;
    header.biClrUsed = c.clrUsed;
    EXPECT_EQ(DibColorCount(&header), c.entries);
    EXPECT_EQ(DibPaletteBytes(&header), c.paletteBytes);
    auto* base = reinterpret_cast<const unsigned char*>(&header);
    EXPECT_EQ(DibBitsPointer(&header) - base, std::ptrdiff_t(c.biSize) + c.paletteBytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, DibMeasurementTest,
    ::testing::Values(
        DibCase { 0, 8, 40, 256, 1024 },
        DibCase { 0, 1, 40, 2, 8 },
        DibCase { 0, 4, 40, 16, 64 },
        DibCase { 0, 24, 40, 0, 0 },
        DibCase { 0, 2, 40, 0, 0 },
        DibCase { 0, 16, 40, 0, 0 },
        DibCase { 0, 32, 40, 0, 0 },
        // biClrUsed wins over the bit count and is not compared with it.
        DibCase { 20, 8, 40, 20, 80 },
        DibCase { 20, 24, 40, 20, 80 },
        // Cuts to 16 bits: 16384 entries are 65536 bytes, which is 0.
        DibCase { 16384, 8, 40, 16384, 0 },
        // The non-zero test sees all 32 bits, so the bit count is not used.
        DibCase { 65536, 8, 40, 0, 0 },
        DibCase { 65537, 8, 40, 1, 4 },
        // Another header size moves only the rows.
        DibCase { 0, 8, 12, 256, 1024 },
        DibCase { 0, 8, 124, 256, 1024 }));

} // namespace
