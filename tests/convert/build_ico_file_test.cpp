// Strip bitmap to icon library: which bytes of the copy the strip's rows
// replace, the overwrite question, and every way the conversion refuses or
// fails, with what the output file holds afterwards.
#include "convert/run_conversion.h"
#include "library/icon_library_file.h"
#include "platform/core/application_title.h"
#include "platform/core/exception_guard.h"
#include "platform/core/file_faults.h"
#include "platform/core/memory.h"
#include "tests/support/library_builder.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <iterator>
#include <memory>
#include <sys/mount.h>

namespace {

namespace fs = std::filesystem;

constexpr UINT kWarning = MB_OK | MB_ICONWARNING;
constexpr const char* kCaption = "Quintaro Conversion Utility";
constexpr SIZE_T kLargestCopyBuffer = 100000;

// A strip bitmap composed here rather than by the other conversion, so that
// each header field can be set on its own.
struct StripImage {
    std::vector<std::uint8_t> bytes;
    std::size_t rowsOffset = 0;
    std::size_t rowLength = 0;

    BITMAPFILEHEADER& FileHeader() { return *reinterpret_cast<BITMAPFILEHEADER*>(bytes.data()); }
    BITMAPINFOHEADER& Info() { return *reinterpret_cast<BITMAPINFOHEADER*>(bytes.data() + 14); }
    std::uint8_t& Pixel(std::size_t storedRow, std::size_t column) { return bytes.at(rowsOffset + storedRow * rowLength + column); }
    std::uint8_t Pixel(std::size_t storedRow, std::size_t column) const { return bytes.at(rowsOffset + storedRow * rowLength + column); }
    void Save(const std::string& name) const { WriteFileBytes(name, bytes); }
};

// An 8-bit bottom-up strip whose colour table and pixels follow a pattern
// that no library of the builder has.
StripImage PatternStrip(std::int32_t width, std::int32_t height, std::uint32_t clrUsed = 0)
{
    StripImage strip;
    std::size_t entries = clrUsed != 0 ? clrUsed : 256;
    strip.rowLength = RowLength(width);
    strip.rowsOffset = 14 + 40 + entries * 4;
    std::size_t pixelBytes = strip.rowLength * static_cast<std::size_t>(height);
    strip.bytes.assign(strip.rowsOffset + pixelBytes, 0);

    BITMAPFILEHEADER& file = strip.FileHeader();
    file.bfType = kBitmapType;
    file.bfSize = static_cast<std::uint32_t>(strip.bytes.size());
    file.bfOffBits = static_cast<std::uint32_t>(strip.rowsOffset);
    BITMAPINFOHEADER& info = strip.Info();
    info.biSize = 40;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 8;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<std::uint32_t>(pixelBytes);
    info.biClrUsed = clrUsed;
    for (std::size_t i = 54; i < strip.rowsOffset; ++i)
        strip.bytes[i] = static_cast<std::uint8_t>(0xFF - i);
    for (std::size_t row = 0; row < static_cast<std::size_t>(height); ++row)
        for (std::size_t column = 0; column < strip.rowLength; ++column)
            strip.Pixel(row, column) = static_cast<std::uint8_t>(0x80 ^ (row * 11 + column * 5));
    return strip;
}

// The stored strip row where icon `icon`'s rows begin: icon 0 takes the
// first rows, each later icon the rows after those of the icons before it.
std::size_t FirstStripRowOf(const LibraryImage& image, std::size_t icon)
{
    std::size_t row = 0;
    for (std::size_t i = 0; i < icon; ++i)
        row += image.RowsOf(i).size() / image.icons[i].rowBytes;
    return row;
}

// A strip holding the icons' own rows, as a strip converted back unchanged
// would, with `extraWidth` more pixels a row and `extraRows` more rows on
// top; the bytes that belong to no icon keep the pattern.
StripImage StripOf(const LibraryImage& image, std::int32_t extraWidth = 0, std::int32_t extraRows = 0)
{
    std::int32_t width = 0, height = 0;
    for (std::size_t i = 0; i < image.icons.size(); ++i) {
        auto rows = std::int32_t(image.RowsOf(i).size() / image.icons[i].rowBytes);
        if (rows > 0) // an icon without rows needs no strip width
            width = std::max(width, std::int32_t(image.icons[i].rowBytes));
        height += rows;
    }
    StripImage strip = PatternStrip(width + extraWidth, height + extraRows);
    for (std::size_t i = 0; i < image.icons.size(); ++i) {
        std::vector<std::uint8_t> rows = image.RowsOf(i);
        std::size_t length = image.icons[i].rowBytes;
        for (std::size_t row = 0; row < rows.size() / length; ++row)
            std::copy_n(rows.begin() + std::ptrdiff_t(row * length), length, &strip.Pixel(FirstStripRowOf(image, i) + row, 0));
    }
    return strip;
}

// The library with the rows of its first `icons` icons replaced by their
// rows of `strip`: the first (row length) bytes of each of its strip rows.
std::vector<std::uint8_t> Patched(const LibraryImage& image, const StripImage& strip, std::size_t icons = SIZE_MAX)
{
    std::vector<std::uint8_t> result = image.bytes;
    for (std::size_t i = 0; i < std::min(icons, image.icons.size()); ++i) {
        const IconLayout& layout = image.icons[i];
        std::size_t rows = image.RowsOf(i).size() / layout.rowBytes;
        for (std::size_t row = 0; row < rows; ++row)
            for (std::size_t column = 0; column < layout.rowBytes; ++column)
                result[layout.rowsOffset + row * layout.rowBytes + column] = strip.Pixel(FirstStripRowOf(image, i) + row, column);
    }
    return result;
}

// Three icons: widths with and without rounding bytes, two colour-table
// sizes, grids on the first and the last, bytes behind the last part.
LibraryImage ThreeIcons()
{
    return LibraryBuilder()
        .Icon({ .width = 30, .height = 24, .paletteSeed = 1, .pixelSeed = 1, .gridWidth = 3, .gridHeight = 2 })
        .Icon({ .width = 16, .height = 16, .paletteSeed = 2, .pixelSeed = 2 })
        .Icon({ .width = 5, .height = 3, .clrUsed = 16, .paletteSeed = 3, .pixelSeed = 3, .gridWidth = 2, .gridHeight = 2 })
        .Trailing(21)
        .Build();
}

class BuildIcoFileTest : public ::testing::Test {
protected:
    ~BuildIcoFileTest() override
    {
        alloc_faults::Reset();
        file_faults::SetWriteLimiter(nullptr);
        file_faults::SetSeekRefuser(nullptr);
    }

    // Saves both files, opens the original as the Go command does, and
    // converts.
    int Convert(const LibraryImage& original, const StripImage& strip)
    {
        original.Save(originalPath);
        strip.Save(stripPath);
        return ConvertSaved();
    }

    int ConvertSaved(const std::string& output = {})
    {
        EXPECT_TRUE(library.Open(originalPath.c_str(), CFile::modeRead));
        return library.BuildIcoFile(output.empty() ? outputPath : output, stripPath);
    }

    void ExpectOnly(const std::string& text, UINT style = kWarning)
    {
        ASSERT_EQ(messages.Messages().size(), 1u) << testing::PrintToString(messages.Texts());
        const RecordedMessage& shown = messages.Messages()[0];
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.caption, kCaption);
        EXPECT_EQ(shown.style, style);
        EXPECT_EQ(shown.owner, nullptr);
    }

    void ExpectFailed(int result)
    {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(library.LastOutcome(), ConversionOutcome::Failed);
    }

    // Records every heap and global request, refusing those `refuse` names.
    void WatchAllocations(std::function<bool(SIZE_T)> refuse = {})
    {
        alloc_faults::SetRefuser([this, refuse](SIZE_T bytes) {
            requests.push_back(bytes);
            return refuse && refuse(bytes);
        });
    }

    static bool IsCopyBufferSize(SIZE_T bytes) { return bytes >= 10000 && bytes <= kLargestCopyBuffer && bytes % 10000 == 0; }

    std::vector<SIZE_T> CopyBufferRequests() const
    {
        std::vector<SIZE_T> sizes;
        std::copy_if(requests.begin(), requests.end(), std::back_inserter(sizes), IsCopyBufferSize);
        return sizes;
    }

    TempDir dir;
    MessageRecorder messages;
    std::string originalPath = dir.File("tools.ico");
    std::string stripPath = dir.File("tools.bmp");
    std::string outputPath = dir.File("new.ico");
    std::vector<SIZE_T> requests;
    CIconLibraryFile library;
};

TEST_F(BuildIcoFileTest, StripRowsReplaceEachIconsRowsAndNothingElse)
{
    LibraryImage image = ThreeIcons();
    StripImage strip = PatternStrip(32, 43);
    std::vector<std::uint8_t> expected = Patched(image, strip);
    ASSERT_NE(expected, image.bytes);

    EXPECT_EQ(Convert(image, strip), 1);
    EXPECT_EQ(library.LastOutcome(), ConversionOutcome::Written);
    ExpectOnly("Conversion complete.", MB_OK);
    EXPECT_EQ(ReadFileBytes(outputPath), expected);
    EXPECT_EQ(ReadFileBytes(stripPath), strip.bytes);
    // The records were released and the lists emptied.
    EXPECT_TRUE(library.m_iconHeaders.empty());
    EXPECT_TRUE(library.m_iconBitmaps.empty());
}

TEST_F(BuildIcoFileTest, EditedPixelsChangeExactlyThoseBytesOfTheLibrary)
{
    LibraryImage image = ThreeIcons();
    StripImage strip = StripOf(image);
    struct Edit {
        std::size_t icon, row, column;
        bool lands; // false: beyond the icon's row length, so no icon's pixel
    };
    const Edit edits[] = {
        { 0, 0, 0, true },
        { 0, 23, 31, true }, // a rounding byte of the 30-pixel icon is copied too
        { 1, 15, 15, true },
        { 2, 2, 4, true },
        { 1, 8, 20, false },
        { 2, 1, 9, false },
    };
    std::vector<std::uint8_t> expected = image.bytes;
    for (const Edit& edit : edits) {
        std::uint8_t& pixel = strip.Pixel(FirstStripRowOf(image, edit.icon) + edit.row, edit.column);
        pixel = static_cast<std::uint8_t>(pixel ^ 0x5A);
        if (edit.lands)
            expected[image.icons[edit.icon].rowsOffset + edit.row * image.icons[edit.icon].rowBytes + edit.column] = pixel;
    }

    EXPECT_EQ(Convert(image, strip), 1);
    ExpectOnly("Conversion complete.", MB_OK);
    std::vector<std::uint8_t> output = ReadFileBytes(outputPath);
    ASSERT_EQ(output.size(), image.bytes.size());
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < output.size(); ++i)
        if (output[i] != image.bytes[i])
            changed.push_back(i);
    EXPECT_EQ(changed.size(), 4u);
    EXPECT_EQ(output, expected);
}

struct FittingStripCase {
    const char* name;
    std::function<LibraryImage()> library;
    std::function<StripImage(const LibraryImage&)> strip;
};

void PrintTo(const FittingStripCase& c, std::ostream* out) { *out << c.name; }

const FittingStripCase kFittingStrips[] = {
    { "Unchanged", ThreeIcons, [](const LibraryImage& l) { return StripOf(l); } },
    // The bytes beyond each icon's row length and the rows above the last
    // icon's belong to no icon.
    { "Wider", ThreeIcons, [](const LibraryImage& l) { return StripOf(l, 9, 0); } },
    { "Taller", ThreeIcons, [](const LibraryImage& l) { return StripOf(l, 0, 5); } },
    { "WiderAndTaller", ThreeIcons, [](const LibraryImage& l) { return StripOf(l, 100, 17); } },
    // 29 pixels still give rows of 32 bytes, as long as the widest icon's.
    { "WidthRoundingUpToTheWidestRow", ThreeIcons,
        [](const LibraryImage& l) {
            StripImage s = StripOf(l);
            s.Info().biWidth = 29;
            return s;
        } },
    // Every icon keeps its own colour table, whatever the strip's says.
    { "OtherColourTable", ThreeIcons,
        [](const LibraryImage& l) {
            StripImage s = StripOf(l);
            std::fill(s.bytes.begin() + 54, s.bytes.begin() + std::ptrdiff_t(s.rowsOffset), 0xFF);
            return s;
        } },
    // Rows follow the strip's own colour table, whatever bfOffBits and
    // bfSize claim.
    { "ShortColourTableAndMisleadingFileHeader", ThreeIcons,
        [](const LibraryImage& l) {
            StripImage full = StripOf(l);
            StripImage s = PatternStrip(32, 43, 2);
            std::copy(full.bytes.begin() + std::ptrdiff_t(full.rowsOffset), full.bytes.end(), s.bytes.begin() + std::ptrdiff_t(s.rowsOffset));
            s.FileHeader().bfOffBits = 1078;
            s.FileHeader().bfSize = 7;
            return s;
        } },
    // An icon of height 0 takes no rows, so its width does not matter.
    { "IconOfHeightZeroWiderThanTheStrip",
        [] { return LibraryBuilder().Icon({ .width = 16, .height = 4 }).Icon({ .width = 40, .height = 0 }).Icon({ .width = 8, .height = 4, .pixelSeed = 3 }).Build(); },
        [](const LibraryImage& l) { return StripOf(l); } },
};

class FittingStripTest : public BuildIcoFileTest, public ::testing::WithParamInterface<FittingStripCase> { };

TEST_P(FittingStripTest, GivesBackTheOriginalLibrary)
{
    LibraryImage image = GetParam().library();
    EXPECT_EQ(Convert(image, GetParam().strip(image)), 1);
    EXPECT_EQ(library.LastOutcome(), ConversionOutcome::Written);
    ExpectOnly("Conversion complete.", MB_OK);
    EXPECT_EQ(ReadFileBytes(outputPath), image.bytes);
}

INSTANTIATE_TEST_SUITE_P(Strips, FittingStripTest, ::testing::ValuesIn(kFittingStrips), [](const auto& info) { return std::string(info.param.name); });

struct CopyBufferCase {
    const char* name;
    std::size_t libraryLength;
    SIZE_T smallestRefused; // 0: nothing is refused
    std::vector<SIZE_T> requested;
};

void PrintTo(const CopyBufferCase& c, std::ostream* out) { *out << c.name; }

const CopyBufferCase kCopyBuffers[] = {
    // The last read brings no bytes and must write none.
    { "TwoFullBuffers", 200000, 0, { 100000 } },
    { "ThreeFullSmallestBuffers", 30000, 20000, { 100000, 90000, 80000, 70000, 60000, 50000, 40000, 30000, 20000, 10000 } },
    { "SmallestBufferAndARest", 25013, 20000, { 100000, 90000, 80000, 70000, 60000, 50000, 40000, 30000, 20000, 10000 } },
    { "BufferLoweredOnce", 250001, 100000, { 100000, 90000 } },
};

class CopyBufferTest : public BuildIcoFileTest, public ::testing::WithParamInterface<CopyBufferCase> { };

TEST_P(CopyBufferTest, CopiesTheWholeLibraryThroughWhatMemoryAllows)
{
    const CopyBufferCase& c = GetParam();
    LibraryImage image = ThreeIcons();
    image.bytes.resize(c.libraryLength, 0xEE);
    StripImage strip = PatternStrip(32, 43);
    WatchAllocations([&](SIZE_T bytes) { return c.smallestRefused != 0 && IsCopyBufferSize(bytes) && bytes >= c.smallestRefused; });

    EXPECT_EQ(Convert(image, strip), 1);
    alloc_faults::Reset();
    ExpectOnly("Conversion complete.", MB_OK);
    EXPECT_EQ(CopyBufferRequests(), c.requested);
    std::vector<std::uint8_t> output = ReadFileBytes(outputPath);
    EXPECT_EQ(output.size(), c.libraryLength);
    EXPECT_EQ(output, Patched(image, strip));
}

INSTANTIATE_TEST_SUITE_P(Sizes, CopyBufferTest, ::testing::ValuesIn(kCopyBuffers), [](const auto& info) { return std::string(info.param.name); });

// Failures before the copy is made: the output was created (or cut) and
// stays empty.
struct EmptyOutputCase {
    const char* name;
    std::function<void(LibraryImage&)> damage;
    bool refuseCopyBuffer;
    const char* text; // %s stands for the original's full path
    UINT style;
};

void PrintTo(const EmptyOutputCase& c, std::ostream* out) { *out << c.name; }

void Intact(LibraryImage&) { }

const EmptyOutputCase kEmptyOutputs[] = {
    { "ReaderRefusesVersion", [](LibraryImage& l) { l.Header().wVersion = 5; }, false,
        "Error, icon file <%s> is bad or incompatible version", kWarning },
    { "ReaderRefusesSignature", [](LibraryImage& l) { l.Header().szSignature[0] = 'c'; }, false,
        "Error in icon file <%s>.\n\nPlease delete and create new icons.", MB_OK | MB_ICONERROR },
    { "NoCopyBuffer", Intact, true, "Unable to allocate memory for file copy.", kWarning },
    { "NoIcons", [](LibraryImage& l) { l.Header().nIcons = 0; }, false, "The icon library holds no icons.  Unable to convert.", kWarning },
    { "NegativeIconCount", [](LibraryImage& l) { l.Header().nIcons = -1; }, false, "The icon library holds no icons.  Unable to convert.", kWarning },
    { "FourBitIcon", [](LibraryImage& l) { l.InfoHeaderOf(1).biBitCount = 4; }, false,
        "Icon 2 of the icon library is not an uncompressed 8-bit bitmap with a 40-byte header.  Unable to convert.", kWarning },
    { "CompressedIcon", [](LibraryImage& l) { l.InfoHeaderOf(1).biCompression = 1; }, false,
        "Icon 2 of the icon library is not an uncompressed 8-bit bitmap with a 40-byte header.  Unable to convert.", kWarning },
    { "IconWithOldHeader", [](LibraryImage& l) { l.InfoHeaderOf(2).biSize = 12; }, false,
        "Icon 3 of the icon library is not an uncompressed 8-bit bitmap with a 40-byte header.  Unable to convert.", kWarning },
    { "IconOfNegativeWidth", [](LibraryImage& l) { l.InfoHeaderOf(0).biWidth = -30; }, false,
        "Icon 1 of the icon library is not an uncompressed 8-bit bitmap with a 40-byte header.  Unable to convert.", kWarning },
    { "IconOfNegativeHeight", [](LibraryImage& l) { l.InfoHeaderOf(1).biHeight = -16; }, false,
        "Icon 2 of the icon library is not an uncompressed 8-bit bitmap with a 40-byte header.  Unable to convert.", kWarning },
    { "IconBitmapEndsBeforeItsRows", [](LibraryImage& l) { l.FileHeaderOf(2).bfSize = l.FileHeaderOf(2).bfSize - 1; }, false,
        "Icon 3 of the icon library is damaged: its bitmap ends before its rows do.  Unable to convert.", kWarning },
    { "IconBitmapEndsInItsColourTable", [](LibraryImage& l) { l.FileHeaderOf(0).bfSize = 40 + 1023; }, false,
        "Icon 1 of the icon library is damaged: its bitmap ends before its rows do.  Unable to convert.", kWarning },
    { "IconBitmapEndsInItsHeader", [](LibraryImage& l) { l.FileHeaderOf(1).bfSize = 39; }, false,
        "Icon 2 of the icon library is damaged: its bitmap ends before its rows do.  Unable to convert.", kWarning },
};

class EmptyOutputTest : public BuildIcoFileTest, public ::testing::WithParamInterface<EmptyOutputCase> { };

TEST_P(EmptyOutputTest, ShowsItsMessageAndLeavesTheOutputEmpty)
{
    const EmptyOutputCase& c = GetParam();
    LibraryImage image = ThreeIcons();
    c.damage(image);
    if (c.refuseCopyBuffer)
        WatchAllocations(IsCopyBufferSize);

    ExpectFailed(Convert(image, StripOf(ThreeIcons())));
    alloc_faults::Reset();
    std::string text = c.text;
    if (auto at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, originalPath);
    ExpectOnly(text, c.style);
    ASSERT_TRUE(fs::exists(outputPath));
    EXPECT_EQ(fs::file_size(outputPath), 0u);
    if (c.refuseCopyBuffer) { // every size down to 10000 was tried
        EXPECT_EQ(CopyBufferRequests().size(), 10u);
    }
}

INSTANTIATE_TEST_SUITE_P(Failures, EmptyOutputTest, ::testing::ValuesIn(kEmptyOutputs), [](const auto& info) { return std::string(info.param.name); });

// Failures on the strip after the copy: the output is left as the complete
// copy of the original library.
struct CompleteCopyCase {
    const char* name;
    std::function<void(StripImage&)> damage;
    const char* text;
    bool refuseImageBuffer = false;
};

void PrintTo(const CompleteCopyCase& c, std::ostream* out) { *out << c.name; }

constexpr const char* kNotOurs = "Bitmap file was not generated by this utility.  Unable to convert.";
constexpr const char* kNotEightBit = "Bitmap file is not an uncompressed 8-bit bitmap.  Unable to convert.";
constexpr const char* kNoBottomUpRows = "Bitmap file is stored top-down or holds no rows.  Unable to convert.";

const CompleteCopyCase kCompleteCopies[] = {
    { "EmptyStrip", [](StripImage& s) { s.bytes.clear(); }, "Error reading BMP file header." },
    { "FileHeaderShort", [](StripImage& s) { s.bytes.resize(13); }, "Error reading BMP file header." },
    { "InfoHeaderShort", [](StripImage& s) { s.bytes.resize(14 + 39); }, "Error reading BMP information header." },
    { "InfoHeaderOf108Bytes", [](StripImage& s) { s.Info().biSize = 108; }, kNotOurs },
    { "InfoHeaderOf124Bytes", [](StripImage& s) { s.Info().biSize = 124; }, kNotOurs },
    { "InfoHeaderOf12Bytes", [](StripImage& s) { s.Info().biSize = 12; },
        "Bitmap file has an information header of an older form.  Unable to convert." },
    { "FourBitsPerPixel", [](StripImage& s) { s.Info().biBitCount = 4; }, kNotEightBit },
    { "TwentyFourBitsPerPixel", [](StripImage& s) { s.Info().biBitCount = 24; }, kNotEightBit },
    { "RunLengthEncoded", [](StripImage& s) { s.Info().biCompression = 1; }, kNotEightBit },
    { "TopDown", [](StripImage& s) { s.Info().biHeight = -43; }, kNoBottomUpRows },
    { "HeightZero", [](StripImage& s) { s.Info().biHeight = 0; }, kNoBottomUpRows },
    { "NegativeWidth", [](StripImage& s) { s.Info().biWidth = -32; }, kNoBottomUpRows },
    // The pixel bytes are all there; the header declares one row too few.
    { "FewerRowsThanTheIcons", [](StripImage& s) { s.Info().biHeight = 42; },
        "Bitmap file has fewer rows than the icons of this library.  Unable to convert." },
    { "RowsShorterThanTheWidestIcon", [](StripImage& s) { s.Info().biWidth = 28; },
        "Bitmap file is narrower than the icons of this library.  Unable to convert." },
    { "PixelBytesShort", [](StripImage& s) { s.bytes.pop_back(); }, "Error reading BMP file." },
    { "PixelRowsMissing", [](StripImage& s) { s.bytes.resize(s.rowsOffset); }, "Error reading BMP file." },
    // Declare far more pixel bytes than the file of a few kilobytes holds:
    // some 1.6 GB, and some 2^62 bytes.
    { "LargeDeclaredSize",
        [](StripImage& s) {
            s.Info().biWidth = 40000;
            s.Info().biHeight = 40000;
        },
        "Error reading BMP file." },
    { "HugeDeclaredSize",
        [](StripImage& s) {
            s.Info().biWidth = 0x7FFFFFF0;
            s.Info().biHeight = 0x7FFFFFF0;
        },
        "Error reading BMP file." },
    { "ImageBufferRefused", [](StripImage&) { }, "Unable to allocate memory to read BMP file.", true },
};

class CompleteCopyTest : public BuildIcoFileTest, public ::testing::WithParamInterface<CompleteCopyCase> { };

TEST_P(CompleteCopyTest, ShowsItsMessageAndLeavesTheCompleteCopy)
{
    const CompleteCopyCase& c = GetParam();
    LibraryImage image = ThreeIcons();
    StripImage strip = StripOf(image);
    // Rows that are all different from the icons' would show any that slip through.
    for (std::size_t i = strip.rowsOffset; i < strip.bytes.size(); ++i)
        strip.bytes[i] = static_cast<std::uint8_t>(~strip.bytes[i]);
    SIZE_T imageBuffer = strip.bytes.size() - strip.rowsOffset + 100;
    c.damage(strip);
    WatchAllocations([&](SIZE_T bytes) { return c.refuseImageBuffer && bytes == imageBuffer; });

    ExpectFailed(Convert(image, strip));
    alloc_faults::Reset();
    ExpectOnly(c.text);
    EXPECT_EQ(ReadFileBytes(outputPath), image.bytes);
    // Nothing asks for more than the copy buffer: the strip's declared size
    // is never trusted beyond what its file holds.
    ASSERT_FALSE(requests.empty());
    EXPECT_LE(*std::max_element(requests.begin(), requests.end()), kLargestCopyBuffer);
    if (c.refuseImageBuffer) {
        EXPECT_NE(std::find(requests.begin(), requests.end(), imageBuffer), requests.end());
    }
}

INSTANTIATE_TEST_SUITE_P(Failures, CompleteCopyTest, ::testing::ValuesIn(kCompleteCopies), [](const auto& info) { return std::string(info.param.name); });

TEST_F(BuildIcoFileTest, NoToTheOverwriteQuestionLeavesTheOutputAsItWas)
{
    const std::vector<std::uint8_t> previous = { 'k', 'e', 'e', 'p' };
    WriteFileBytes(outputPath, previous);

    EXPECT_EQ(Convert(ThreeIcons(), PatternStrip(32, 43)), 1);
    EXPECT_EQ(library.LastOutcome(), ConversionOutcome::Declined);
    ExpectOnly("Output file " + outputPath + " already exists.\nOverwrite?", MB_ICONWARNING | MB_YESNO);
    EXPECT_EQ(ReadFileBytes(outputPath), previous);
}

TEST_F(BuildIcoFileTest, YesToTheOverwriteQuestionReplacesTheOutput)
{
    WriteFileBytes(outputPath, std::vector<std::uint8_t>(500000, 'x'));
    messages.Answer(IDYES);
    LibraryImage image = ThreeIcons();
    StripImage strip = PatternStrip(32, 43);

    EXPECT_EQ(Convert(image, strip), 1);
    EXPECT_EQ(library.LastOutcome(), ConversionOutcome::Written);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string> { "Output file " + outputPath + " already exists.\nOverwrite?", "Conversion complete." }));
    EXPECT_EQ(ReadFileBytes(outputPath), Patched(image, strip));
}

TEST_F(BuildIcoFileTest, OutputThatCannotBeOpenedForWritingStaysAsItWas)
{
    ThreeIcons().Save(originalPath);
    StripOf(ThreeIcons()).Save(stripPath);

    // A folder: the existence test does not take it for a file, the create fails.
    std::string folder = dir.File("folder.ico");
    fs::create_directory(folder);
    WriteFileBytes(folder + "/inside", { 1, 2, 3 });
    ExpectFailed(ConvertSaved(folder));
    ExpectOnly("Error opening Output File");
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(ReadFileBytes(folder + "/inside"), (std::vector<std::uint8_t> { 1, 2, 3 }));

    // A file held open by another opener is neither asked about nor cut.
    library.Close();
    messages.Clear();
    const std::vector<std::uint8_t> previous = { 'h', 'e', 'l', 'd' };
    WriteFileBytes(outputPath, previous);
    CFile holder;
    ASSERT_TRUE(holder.Open(outputPath.c_str(), CFile::modeRead));
    CIconLibraryFile second;
    ASSERT_TRUE(second.Open(originalPath.c_str(), CFile::modeRead));
    EXPECT_EQ(second.BuildIcoFile(outputPath, stripPath), 0);
    ExpectOnly("Error opening Output File");
    holder.Close();
    EXPECT_EQ(ReadFileBytes(outputPath), previous);
}

TEST_F(BuildIcoFileTest, OriginalNamedAsOutputIsHeldOpenAndLeftUntouched)
{
    LibraryImage image = ThreeIcons();
    image.Save(originalPath);
    PatternStrip(32, 43).Save(stripPath);

    ExpectFailed(ConvertSaved(originalPath));
    ExpectOnly("Error opening Output File");
    EXPECT_EQ(ReadFileBytes(originalPath), image.bytes);
}

TEST_F(BuildIcoFileTest, StripThatCannotBeOpenedLeavesTheOutputCreatedAndCut)
{
    ThreeIcons().Save(originalPath);

    // Missing strip, no output yet: the output has been created.
    ExpectFailed(ConvertSaved());
    ExpectOnly("\n...Error opening file " + stripPath + ".\n");
    ASSERT_TRUE(fs::exists(outputPath));
    EXPECT_EQ(fs::file_size(outputPath), 0u);

    // Strip held open elsewhere, output with content: cut after the Yes.
    library.Close();
    messages.Clear();
    WriteFileBytes(outputPath, std::vector<std::uint8_t>(1000, 'x'));
    StripOf(ThreeIcons()).Save(stripPath);
    CFile holder;
    ASSERT_TRUE(holder.Open(stripPath.c_str(), CFile::modeRead));
    messages.Answer(IDYES);
    CIconLibraryFile second;
    ASSERT_TRUE(second.Open(originalPath.c_str(), CFile::modeRead));
    EXPECT_EQ(second.BuildIcoFile(outputPath, stripPath), 0);
    EXPECT_EQ(second.LastOutcome(), ConversionOutcome::Failed);
    ASSERT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(messages.Messages()[1].text, "\n...Error opening file " + stripPath + ".\n");
    EXPECT_EQ(messages.Messages()[1].style, kWarning);
    EXPECT_EQ(messages.Messages()[1].owner, nullptr);
    EXPECT_EQ(fs::file_size(outputPath), 0u);
}

TEST_F(BuildIcoFileTest, OutputNamingTheStripIsRefusedBeforeAnythingIsCut)
{
    ThreeIcons().Save(originalPath);
    StripImage strip = StripOf(ThreeIcons());
    strip.Save(stripPath);
    fs::create_directory(dir.File("sub"));
    std::string link = dir.File("sub/link.bmp");
    fs::create_hard_link(stripPath, link);
    std::string symbolic = dir.File("sub/symlink.bmp");
    fs::create_symlink(stripPath, symbolic);

    const std::string names[] = { stripPath, (dir.Path() / "." / "tools.bmp").string(), dir.File("sub/../tools.bmp"), link, symbolic };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        messages.Clear();
        messages.Answer(IDYES); // would let a cut through if the question came first
        CIconLibraryFile original;
        ASSERT_TRUE(original.Open(originalPath.c_str(), CFile::modeRead));
        EXPECT_EQ(original.BuildIcoFile(name, stripPath), 0);
        EXPECT_EQ(original.LastOutcome(), ConversionOutcome::Failed);
        ExpectOnly("The output file is the bitmap file being converted.  Choose another output file name.");
        EXPECT_EQ(ReadFileBytes(stripPath), strip.bytes);
    }
}

TEST_F(BuildIcoFileTest, RowsOfAnIconThatCannotBeReachedEndTheConversion)
{
    LibraryImage image = ThreeIcons();
    StripImage strip = PatternStrip(32, 43);
    const auto blocked = static_cast<long long>(image.icons[1].rowsOffset);
    file_faults::SetSeekRefuser([blocked](long long position) { return position == blocked; });

    ExpectFailed(Convert(image, strip));
    file_faults::SetSeekRefuser(nullptr);
    ExpectOnly("BuildIcoFile/Seeking Icon Bitmap - Error seeking\n");
    // Icon 0 was written; icons 1 and 2 keep the original rows.
    std::vector<std::uint8_t> expected = Patched(image, strip, 1);
    ASSERT_NE(expected, image.bytes);
    EXPECT_EQ(ReadFileBytes(outputPath), expected);
}

// A small file system of its own, mounted for one test and unmounted after.
class SmallDisk {
public:
    SmallDisk(const std::string& folder, std::size_t bytes)
        : m_folder(folder)
    {
        fs::create_directory(folder);
        std::string options = "size=" + std::to_string(bytes);
        m_mounted = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
        m_error = errno;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }
    int Error() const { return m_error; }

private:
    std::string m_folder;
    bool m_mounted = false;
    int m_error = 0;
};

TEST_F(BuildIcoFileTest, DiskFillingDuringTheCopyIsReportedWithTheOutputsFullPath)
{
    LibraryImage image = ThreeIcons();
    image.bytes.resize(300000, 0x77);
    image.Save(originalPath);
    PatternStrip(32, 43).Save(stripPath);

    SmallDisk disk(dir.File("disk"), 64 * 1024);
    std::string output = dir.File("disk/new.ico");
    constexpr std::size_t kStored = 150000;
    if (!disk.Mounted()) {
        std::cout << "[ note ] tmpfs mount refused (" << std::strerror(disk.Error()) << "); short writes injected instead\n";
        auto stored = std::make_shared<std::size_t>(0);
        file_faults::SetWriteLimiter([stored](std::size_t requested) {
            std::size_t allowed = std::min(requested, kStored - *stored);
            *stored += allowed;
            return allowed;
        });
    }

    HWND const dialog = reinterpret_cast<HWND>(0xD1A106);
    EXPECT_FALSE(RunGuarded(dialog, [&] { RunConversion(1, stripPath, output, originalPath, dialog); }));
    file_faults::SetWriteLimiter(nullptr);

    ASSERT_EQ(messages.Messages().size(), 1u) << testing::PrintToString(messages.Texts());
    const RecordedMessage& shown = messages.Messages()[0];
    EXPECT_EQ(shown.text, "Disk full while accessing " + output + ".");
    EXPECT_EQ(shown.style, MB_ICONERROR | MB_OK);
    EXPECT_EQ(shown.caption, GetApplicationTitle());
    EXPECT_EQ(shown.owner, dialog);

    // The output holds what was written: the beginning of the copy.
    std::vector<std::uint8_t> written = ReadFileBytes(output);
    EXPECT_GT(written.size(), 0u);
    EXPECT_LT(written.size(), image.bytes.size());
    if (!disk.Mounted()) {
        EXPECT_EQ(written.size(), kStored);
    }
    EXPECT_TRUE(std::equal(written.begin(), written.end(), image.bytes.begin()));
    // Every file was closed on the way out.
    CFile again;
    EXPECT_TRUE(again.Open(output.c_str(), CFile::modeRead));
    again.Close();
    EXPECT_TRUE(again.Open(originalPath.c_str(), CFile::modeRead));
    again.Close();
    EXPECT_TRUE(again.Open(stripPath.c_str(), CFile::modeRead));
}

} // namespace
