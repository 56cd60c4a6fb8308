// Library to strip bitmap: the strip's measurements and rows, the overwrite
// question, and every way the conversion refuses or fails.
#include "library/icon_library_file.h"
#include "platform/core/file_faults.h"
#include "platform/core/memory.h"
#include "tests/support/library_builder.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <functional>

namespace {

constexpr UINT kWarning = MB_OK | MB_ICONWARNING;

class BuildBmpFileTest : public ::testing::Test {
protected:
    ~BuildBmpFileTest() override
    {
        alloc_faults::Reset();
        file_faults::SetWriteLimiter(nullptr);
    }

    void Load(const LibraryImage& image)
    {
        image.Save(libraryPath);
        ASSERT_TRUE(library.Open(libraryPath.c_str(), CFile::modeRead));
        ASSERT_EQ(library.ReadIcons(), 1);
    }

    int Build() { return library.BuildBmpFile(stripPath.c_str()); }
    std::vector<std::uint8_t> Strip() { return ReadFileBytes(stripPath); }

    template<typename T>
    static T Field(const std::vector<std::uint8_t>& bytes, std::size_t offset)
    {
        T value;
        std::memcpy(&value, bytes.data() + offset, sizeof(T));
        return value;
    }

    TempDir dir;
    MessageRecorder messages;
    std::string libraryPath = dir.File("tools.ico");
    std::string stripPath = dir.File("tools.bmp");
    CIconLibraryFile library;
};

TEST_F(BuildBmpFileTest, TwoIconsOfDifferentWidthsMakeTheWorkedExample)
{
    LibraryImage image = LibraryBuilder()
                             .Icon({ .width = 30, .height = 24, .paletteSeed = 1, .pixelSeed = 1 })
                             .Icon({ .width = 16, .height = 16, .paletteSeed = 2, .pixelSeed = 2 })
                             .Build();
    Load(image);
    ASSERT_EQ(Build(), 1);
    EXPECT_EQ(library.LastOutcome(), ConversionOutcome::Written);

    std::vector<std::uint8_t> strip = Strip();
    auto fileHeader = Field<BITMAPFILEHEADER>(strip, 0);
    auto info = Field<BITMAPINFOHEADER>(strip, 14);
    EXPECT_EQ(strip.size(), 2358u);
    EXPECT_EQ(fileHeader.bfType, kBitmapType);
    EXPECT_EQ(fileHeader.bfSize, 2358u);
    EXPECT_EQ(fileHeader.bfOffBits, 1078u);
    EXPECT_EQ(fileHeader.bfReserved1, image.FileHeaderOf(0).bfReserved1);
    EXPECT_EQ(fileHeader.bfReserved2, image.FileHeaderOf(0).bfReserved2);
    EXPECT_EQ(info.biWidth, 32);
    EXPECT_EQ(info.biHeight, 40);
    EXPECT_EQ(info.biSizeImage, 1280u);
    EXPECT_EQ(info.biClrImportant, image.InfoHeaderOf(0).biClrImportant);
    EXPECT_EQ(info.biXPelsPerMeter, image.InfoHeaderOf(0).biXPelsPerMeter);

    // Only the first icon's colour table is carried.
    std::vector<std::uint8_t> firstTable(image.bytes.begin() + 14 + 40 + std::ptrdiff_t(image.icons[0].bitmapOffset),
        image.bytes.begin() + std::ptrdiff_t(image.icons[0].rowsOffset));
    EXPECT_TRUE(std::equal(firstTable.begin(), firstTable.end(), strip.begin() + 54));

    // Rows 0-23: the first icon's 32-byte rows, rounding bytes included.
    std::vector<std::uint8_t> first = image.RowsOf(0);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), strip.begin() + 1078));
    // Rows 24-39 begin with the second icon's 16-byte rows; the rest is zero.
    std::vector<std::uint8_t> second = image.RowsOf(1);
    for (std::size_t row = 0; row < 16; ++row) {
        auto stripRow = strip.begin() + 1078 + std::ptrdiff_t((24 + row) * 32);
        EXPECT_TRUE(std::equal(second.begin() + std::ptrdiff_t(row * 16), second.begin() + std::ptrdiff_t(row * 16 + 16), stripRow)) << row;
        EXPECT_TRUE(std::all_of(stripRow + 16, stripRow + 32, [](std::uint8_t b) { return b == 0; })) << row;
    }

    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Conversion complete.");
    EXPECT_EQ(messages.Messages()[0].style, MB_OK);
    EXPECT_EQ(messages.Messages()[0].caption, "Quintaro Conversion Utility");
    EXPECT_EQ(messages.Messages()[0].owner, nullptr);
    EXPECT_TRUE(library.m_iconBitmaps.empty());
    EXPECT_TRUE(library.m_iconHeaders.empty());
}

TEST_F(BuildBmpFileTest, SingleIconOfWidthMultipleOfFourIsCopiedAsIs)
{
    LibraryImage image = LibraryBuilder().Icon({ .width = 20, .height = 7, .clrUsed = 16 }).Build();
    Load(image);
    ASSERT_EQ(Build(), 1);
    std::vector<std::uint8_t> strip = Strip();
    std::size_t bitmap = image.icons[0].bitmapOffset;
    // Colour table and rows are the icon's, byte for byte.
    EXPECT_TRUE(std::equal(strip.begin() + 54, strip.end(), image.bytes.begin() + std::ptrdiff_t(bitmap + 54),
        image.bytes.begin() + std::ptrdiff_t(image.icons[0].rowsOffset + 20 * 7)));
    EXPECT_EQ(strip.size(), 54u + 64u + 140u);
}

TEST_F(BuildBmpFileTest, IconsWithoutPixelsNeitherWidenNorLengthenTheStrip)
{
    // Height 0 keeps its width out of the strip, width 0 its rows: no
    // pixel backs either size, so neither may make the strip larger.
    Load(LibraryBuilder().Icons({ { .width = 40, .height = 0 }, { .width = 0, .height = 1000000 }, { .width = 8, .height = 3 } }).Build());
    ASSERT_EQ(Build(), 1);
    std::vector<std::uint8_t> strip = Strip();
    auto info = Field<BITMAPINFOHEADER>(strip, 14);
    EXPECT_EQ(info.biWidth, 8);
    EXPECT_EQ(info.biHeight, 3);
    EXPECT_EQ(strip.size(), 54u + 1024u + 24u);
}

TEST_F(BuildBmpFileTest, StripTooLargeIsRefusedBeforeTheOutputIsTouched)
{
    const std::vector<IconSpec> libraries[] = {
        // One row of 2^20 pixels above 4096 rows: a strip of over 4 GiB.
        { { .width = 1 << 20, .height = 1 }, { .width = 4, .height = 4096 } },
        // 20 MB of strip for 70 KB of icons: out of proportion.
        { { .width = 1 << 16, .height = 1 }, { .width = 4, .height = 300 } },
    };
    for (const auto& icons : libraries) {
        SCOPED_TRACE(icons.front().width);
        CIconLibraryFile fresh;
        LibraryBuilder().Icons(icons).Build().Save(libraryPath);
        ASSERT_TRUE(fresh.Open(libraryPath.c_str(), CFile::modeRead));
        ASSERT_EQ(fresh.ReadIcons(), 1);
        SIZE_T largest = 0;
        alloc_faults::SetRefuser([&](SIZE_T bytes) {
            largest = std::max(largest, bytes);
            return false;
        });
        messages.Clear();
        EXPECT_EQ(fresh.BuildBmpFile(stripPath.c_str()), 0);
        alloc_faults::Reset();
        EXPECT_LT(largest, SIZE_T(1) << 21);
        EXPECT_EQ(messages.Texts(), (std::vector<std::string> { "The icons of this library are too large for one strip bitmap.  Unable to convert." }));
        EXPECT_FALSE(std::filesystem::exists(stripPath));
    }
}

TEST_F(BuildBmpFileTest, ExistingOutputIsReplacedOnlyAfterYes)
{
    Load(LibraryBuilder().Icon({}).Build());
    WriteFileBytes(stripPath, { 1, 2, 3 });

    EXPECT_EQ(Build(), 1);
    EXPECT_EQ(library.LastOutcome(), ConversionOutcome::Declined);
    EXPECT_EQ(Strip(), (std::vector<std::uint8_t> { 1, 2, 3 }));
    EXPECT_EQ(library.m_iconBitmaps.size(), 1u); // nothing released
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Output file " + stripPath + " already exists.\nOverwrite?");
    EXPECT_EQ(messages.Messages()[0].style, MB_ICONWARNING | MB_YESNO);
    EXPECT_EQ(messages.Messages()[0].owner, nullptr);

    messages.Answer(IDYES);
    EXPECT_EQ(Build(), 1);
    EXPECT_EQ(library.LastOutcome(), ConversionOutcome::Written);
    EXPECT_GT(Strip().size(), 3u);
    EXPECT_EQ(messages.Texts().back(), "Conversion complete.");
}

TEST_F(BuildBmpFileTest, OutputThatCannotBeCreatedIsReported)
{
    Load(LibraryBuilder().Icon({}).Build());
    std::filesystem::create_directory(stripPath);
    EXPECT_EQ(Build(), 0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Error opening Output File");
    EXPECT_EQ(messages.Messages()[0].style, kWarning);
    EXPECT_EQ(messages.Messages()[0].owner, nullptr);
    EXPECT_EQ(library.m_iconBitmaps.size(), 1u);
}

TEST_F(BuildBmpFileTest, TheLibraryItselfAsOutputIsLeftUntouched)
{
    LibraryImage image = LibraryBuilder().Icon({}).Build();
    Load(image);
    EXPECT_EQ(library.BuildBmpFile(libraryPath.c_str()), 0);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string> { "Error opening Output File" }));
    EXPECT_EQ(ReadFileBytes(libraryPath), image.bytes);
}

struct RefusalCase {
    const char* name;
    std::function<void(LibraryImage&)> damage;
    const char* text;
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

const char* const kNotConvertible = "Icon 2 of the icon library is not an uncompressed 8-bit bitmap with a 40-byte header.  Unable to convert.";

const RefusalCase kRefusals[] = {
    { "NoIcons", [](LibraryImage& l) { l.Header().nIcons = 0; }, "The icon library holds no icons.  Unable to convert." },
    { "FourBitsPerPixel", [](LibraryImage& l) { l.InfoHeaderOf(1).biBitCount = 4; }, kNotConvertible },
    { "Compressed", [](LibraryImage& l) { l.InfoHeaderOf(1).biCompression = 1; }, kNotConvertible },
    { "CoreHeader", [](LibraryImage& l) { l.InfoHeaderOf(1).biSize = 12; }, kNotConvertible },
    { "NegativeWidth", [](LibraryImage& l) { l.InfoHeaderOf(1).biWidth = -8; }, kNotConvertible },
    { "NegativeHeight", [](LibraryImage& l) { l.InfoHeaderOf(1).biHeight = -8; }, kNotConvertible },
    { "BlockShorterThanRows", [](LibraryImage& l) { l.FileHeaderOf(1).bfSize = l.FileHeaderOf(1).bfSize - 1; },
        "Icon 2 of the icon library is damaged: its bitmap ends before its rows do.  Unable to convert." },
    { "BlockShorterThanInfoHeader", [](LibraryImage& l) { l.FileHeaderOf(1).bfSize = 39; },
        "Icon 2 of the icon library is damaged: its bitmap ends before its rows do.  Unable to convert." },
    { "NoPixelsAtAll",
        [](LibraryImage& l) {
            l.InfoHeaderOf(0).biHeight = 0;
            l.InfoHeaderOf(1).biWidth = 0;
        },
        "The icons of this library hold no pixels.  Unable to convert." },
};

class BuildBmpFileRefusalTest : public BuildBmpFileTest, public ::testing::WithParamInterface<RefusalCase> { };

TEST_P(BuildBmpFileRefusalTest, RefusesBeforeAskingOrTouchingTheOutput)
{
    LibraryImage image = LibraryBuilder().Icon({ .width = 4, .height = 4 }).Icon({ .width = 8, .height = 8 }).Build();
    GetParam().damage(image);
    Load(image);
    WriteFileBytes(stripPath, { 9, 9 });
    messages.Answer(IDYES);

    EXPECT_EQ(Build(), 0);
    EXPECT_EQ(library.LastOutcome(), ConversionOutcome::Failed);
    ASSERT_EQ(messages.Messages().size(), 1u) << "no overwrite question may come first";
    EXPECT_EQ(messages.Messages()[0].text, GetParam().text);
    EXPECT_EQ(messages.Messages()[0].style, kWarning);
    EXPECT_EQ(messages.Messages()[0].caption, "Quintaro Conversion Utility");
    EXPECT_EQ(messages.Messages()[0].owner, nullptr);
    EXPECT_EQ(Strip(), (std::vector<std::uint8_t> { 9, 9 }));
}

INSTANTIATE_TEST_SUITE_P(Refusals, BuildBmpFileRefusalTest, ::testing::ValuesIn(kRefusals),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BuildBmpFileTest, NoMemoryForTheStripRaisesAndLeavesTheOutputEmpty)
{
    Load(LibraryBuilder().Icon({ .width = 30, .height = 24 }).Build());
    alloc_faults::FailAtLeast(54 + 1024 + 32 * 24);
    EXPECT_THROW(Build(), CMemoryException);
    EXPECT_TRUE(Strip().empty());
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(library.m_iconBitmaps.size(), 1u);
}

TEST_F(BuildBmpFileTest, ShortWriteRaisesDiskFullAndKeepsWhatWasWritten)
{
    Load(LibraryBuilder().Icon({ .width = 30, .height = 24 }).Build());
    file_faults::SetWriteLimiter([](std::size_t) { return std::size_t(1000); });
    try {
        Build();
        FAIL() << "a full disk must raise";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::diskFull);
        EXPECT_EQ(error.m_strFileName, stripPath);
    }
    EXPECT_EQ(Strip().size(), 1000u);
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
