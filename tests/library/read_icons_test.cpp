// Reading libraries: every way a read can fail, with the message it shows
// and what the lists hold afterwards, and the shapes a valid library takes.
#include "library/icon_library_file.h"
#include "platform/core/memory.h"
#include "tests/support/library_builder.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

constexpr UINT kWarning = MB_OK | MB_ICONWARNING;
constexpr UINT kError = MB_OK | MB_ICONERROR;

// Three icons: the first two with grids, the last without.
LibraryImage ThreeIcons()
{
    return LibraryBuilder()
        .Icon({ .width = 16, .height = 16, .gridWidth = 4, .gridHeight = 4 })
        .Icon({ .width = 30, .height = 24, .pixelSeed = 2, .gridWidth = 3, .gridHeight = 2 })
        .Icon({ .width = 8, .height = 8, .pixelSeed = 3 })
        .Build();
}

class ReadIconsTest : public ::testing::Test {
protected:
    ~ReadIconsTest() override { alloc_faults::Reset(); }

    int Read(const LibraryImage& image)
    {
        image.Save(path);
        EXPECT_TRUE(library.Open(path.c_str(), CFile::modeRead));
        return library.ReadIcons();
    }

    TempDir dir;
    MessageRecorder messages;
    std::string path = dir.File("tools.ico");
    CIconLibraryFile library;
};

struct FailureCase {
    const char* name;
    std::function<void(LibraryImage&)> damage;
    int failAllocation; // 0: none; else the nth allocation of the read
    const char* text;   // nullptr: the failure shows nothing
    UINT style;
    std::size_t headersLeft;
    std::size_t bitmapsLeft;
};

// Names the case instead of dumping its bytes in test listings.
void PrintTo(const FailureCase& failure, std::ostream* out) { *out << failure.name; }

void NoDamage(LibraryImage&) { }

const FailureCase kFailures[] = {
    { "HeaderShort", [](LibraryImage& l) { l.Truncate(381); }, 0,
        "ReadIcons/Reading File Header - Error reading file\n", kWarning, 0, 0 },
    { "NoIconHeaderMemory", NoDamage, 4, "Error while allocating memory\n", kWarning, 1, 1 },
    { "IconHeaderUnseekable", [](LibraryImage& l) { l.IconHeaderOf(0).dwNextOffset = 0x80000000; }, 0,
        "ReadIcons/Seeking Icon Header - Error seeking to position\n", kWarning, 1, 1 },
    { "FirstIconHeaderUnseekable", [](LibraryImage& l) { l.Header().dwFirstIconOffset = 0xFFFFFFFF; }, 0,
        "ReadIcons/Seeking Icon Header - Error seeking to position\n", kWarning, 0, 0 },
    { "IconHeaderBeyondEnd", [](LibraryImage& l) { l.Header().dwFirstIconOffset = 100000; }, 0,
        "ReadIcons/Reading Icon Header - Error reading file\n", kWarning, 0, 0 },
    { "IconHeaderShort", [](LibraryImage& l) { l.IconHeaderOf(1).dwNextOffset = std::uint32_t(l.bytes.size() - 91); }, 0,
        "ReadIcons/Reading Icon Header - Error reading file\n", kWarning, 2, 2 },
    { "IconBitmapUnseekable", [](LibraryImage& l) { l.IconHeaderOf(1).dwBitmapOffset = 0x80000000; }, 0,
        "ReadIcons/Seeking Icon Bitmap - Error seeking\n", kWarning, 1, 1 },
    { "IconBitmapNotBM", [](LibraryImage& l) { l.FileHeaderOf(1).bfType = 0x4D43; }, 0, nullptr, 0, 1, 1 },
    { "IconBitmapNoMemory", NoDamage, 5, nullptr, 0, 1, 1 },
    { "IconBitmapShort", [](LibraryImage& l) { l.Truncate(l.bytes.size() - 1); }, 0, nullptr, 0, 2, 2 },
    // bfSize counting its own header makes the last icon 14 bytes short.
    { "IconBitmapSizeWithHeader", [](LibraryImage& l) { l.FileHeaderOf(2).bfSize = l.FileHeaderOf(2).bfSize + 14; }, 0,
        nullptr, 0, 2, 2 },
    { "IconBitmapSizeBeyondAnyBlock", [](LibraryImage& l) { l.FileHeaderOf(0).bfSize = 0xFFFFFFF2; }, 0, nullptr, 0, 0, 0 },
    { "GridNegativeSize", [](LibraryImage& l) { l.IconHeaderOf(1).nGridWidth = -2; }, 0,
        "Error while allocating memory\n", kWarning, 1, 2 },
    { "GridNoMemory", NoDamage, 6, "Error while allocating memory\n", kWarning, 1, 2 },
    { "GridUnseekable", [](LibraryImage& l) { l.IconHeaderOf(1).dwGridOffset = 0x80000000; }, 0,
        "ReadIcons/Seeking Grid - Error seeking\n", kWarning, 1, 2 },
    { "GridShort", [](LibraryImage& l) { l.IconHeaderOf(1).dwGridOffset = std::uint32_t(l.bytes.size() - 11); }, 0,
        "ReadIcons/Reading Grid - Error reading file\n", kWarning, 1, 2 },
    { "GridLargerThanFile",
        [](LibraryImage& l) {
            l.IconHeaderOf(1).nGridWidth = 32767;
            l.IconHeaderOf(1).nGridHeight = 32767;
        },
        0, "ReadIcons/Reading Grid - Error reading file\n", kWarning, 1, 2 },
};

class ReadIconsFailureTest : public ReadIconsTest, public ::testing::WithParamInterface<FailureCase> { };

TEST_P(ReadIconsFailureTest, ShowsItsMessageAndKeepsOnlyEarlierRecords)
{
    const FailureCase& failure = GetParam();
    LibraryImage image = ThreeIcons();
    failure.damage(image);
    image.Save(path);
    ASSERT_TRUE(library.Open(path.c_str(), CFile::modeRead));

    // No request may ask for more than the file could hold.
    SIZE_T largestRequest = 0;
    int allocations = 0;
    alloc_faults::SetRefuser([&](SIZE_T bytes) {
        largestRequest = std::max(largestRequest, bytes);
        return ++allocations == failure.failAllocation;
    });
    EXPECT_EQ(library.ReadIcons(), 0);
    alloc_faults::Reset();

    if (failure.text == nullptr) {
        EXPECT_TRUE(messages.Messages().empty());
    } else {
        ASSERT_EQ(messages.Messages().size(), 1u);
        const RecordedMessage& shown = messages.Messages()[0];
        EXPECT_EQ(shown.text, failure.text);
        EXPECT_EQ(shown.caption, "Quintaro Conversion Utility");
        EXPECT_EQ(shown.style, failure.style);
        EXPECT_EQ(shown.owner, nullptr);
    }
    EXPECT_EQ(library.m_iconHeaders.size(), failure.headersLeft);
    EXPECT_EQ(library.m_iconBitmaps.size(), failure.bitmapsLeft);
    EXPECT_LE(largestRequest, image.bytes.size());
}

INSTANTIATE_TEST_SUITE_P(EveryFailure, ReadIconsFailureTest, ::testing::ValuesIn(kFailures),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadIconsTest, SignatureIsTestedBeforeVersionAndNamesTheFullPath)
{
    LibraryImage image = ThreeIcons();
    image.Header().szSignature[63] = 'S';
    image.Header().wVersion = 5;
    EXPECT_EQ(Read(image), 0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Error in icon file <" + path + ">.\n\nPlease delete and create new icons.");
    EXPECT_EQ(messages.Messages()[0].style, kError);
}

TEST_F(ReadIconsTest, SignatureWithoutItsTerminatorIsRefused)
{
    LibraryImage image = ThreeIcons();
    image.Header().szSignature[64] = 'x';
    EXPECT_EQ(Read(image), 0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].style, kError);
}

TEST_F(ReadIconsTest, WrongVersionNamesTheFullPath)
{
    LibraryImage image = ThreeIcons();
    image.Header().wVersion = 5;
    EXPECT_EQ(Read(image), 0);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Error, icon file <" + path + "> is bad or incompatible version");
    EXPECT_EQ(messages.Messages()[0].style, kWarning);
}

TEST_F(ReadIconsTest, LoadsEveryRecordAsStored)
{
    LibraryImage image = ThreeIcons();
    ASSERT_EQ(Read(image), 1);
    EXPECT_TRUE(messages.Messages().empty());
    ASSERT_EQ(library.m_iconHeaders.size(), 3u);
    ASSERT_EQ(library.m_iconBitmaps.size(), 3u);
    EXPECT_EQ(std::memcmp(library.m_rawHeader, image.bytes.data(), 382), 0);
    EXPECT_EQ(std::memcmp(&library.m_header, image.bytes.data(), 382), 0);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const IconHeaderRecord* record = library.m_iconHeaders[i];
        EXPECT_EQ(record->stored.dwBitmapOffset, image.IconHeaderOf(i).dwBitmapOffset);
        EXPECT_EQ(record->stored.nGridWidth, image.IconHeaderOf(i).nGridWidth);
        std::vector<std::uint8_t> block = image.BitmapBlockOf(i);
        EXPECT_EQ(std::memcmp(library.m_iconBitmaps[i], block.data(), block.size()), 0);
        std::vector<std::uint8_t> grid = image.GridOf(i);
        if (grid.empty())
            EXPECT_EQ(record->grid, nullptr);
        else
            EXPECT_EQ(std::memcmp(record->grid, grid.data(), grid.size()), 0);
    }
}

TEST_F(ReadIconsTest, NoIconsReadsNothingBeyondTheHeader)
{
    for (std::int16_t count : { 0, -1 }) {
        LibraryImage image = LibraryBuilder().Build();
        image.Header().nIcons = count;
        image.Header().dwFirstIconOffset = 0xFFFFFFFF;
        CIconLibraryFile fresh;
        image.Save(path);
        ASSERT_TRUE(fresh.Open(path.c_str(), CFile::modeRead));
        EXPECT_EQ(fresh.ReadIcons(), 1) << count;
        EXPECT_TRUE(fresh.m_iconHeaders.empty());
        EXPECT_TRUE(fresh.m_iconBitmaps.empty());
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ReadIconsTest, GridIsLoadedOnlyWithBothDimensionsAndAnOffset)
{
    struct Case {
        std::int16_t width, height;
        bool clearOffset;
        std::size_t loadedBytes;
    };
    const Case cases[] = {
        { 0, 3, false, 0 },
        { 3, 0, false, 0 },
        { 3, 3, true, 0 },
        { 3, 3, false, 18 },
        { -2, -3, false, 12 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " clear=" << c.clearOffset);
        LibraryImage image = LibraryBuilder().Icon({ .gridWidth = 3, .gridHeight = 3 }).Build();
        image.IconHeaderOf(0).nGridWidth = c.width;
        image.IconHeaderOf(0).nGridHeight = c.height;
        if (c.clearOffset)
            image.IconHeaderOf(0).dwGridOffset = 0;
        CIconLibraryFile fresh;
        image.Save(path);
        ASSERT_TRUE(fresh.Open(path.c_str(), CFile::modeRead));
        ASSERT_EQ(fresh.ReadIcons(), 1);
        const IconHeaderRecord* record = fresh.m_iconHeaders.at(0);
        if (c.loadedBytes == 0) {
            EXPECT_EQ(record->grid, nullptr);
            EXPECT_EQ(record->stored.nGridWidth, 0);
            EXPECT_EQ(record->stored.nGridHeight, 0);
        } else {
            ASSERT_NE(record->grid, nullptr);
            EXPECT_EQ(GlobalSize(GlobalHandle(record->grid)), c.loadedBytes);
            EXPECT_EQ(std::memcmp(record->grid, image.bytes.data() + image.icons[0].gridOffset, c.loadedBytes), 0);
        }
    }
}

TEST_F(ReadIconsTest, ChainMayVisitOneRecordTwice)
{
    LibraryImage image = LibraryBuilder().Icon({ .width = 12, .height = 5 }).Build();
    image.Header().nIcons = 2;
    image.IconHeaderOf(0).dwNextOffset = std::uint32_t(image.icons[0].headerOffset);
    ASSERT_EQ(Read(image), 1);
    ASSERT_EQ(library.m_iconBitmaps.size(), 2u);
    EXPECT_NE(library.m_iconBitmaps[0], library.m_iconBitmaps[1]);
    EXPECT_EQ(std::memcmp(library.m_iconBitmaps[0], library.m_iconBitmaps[1], image.BitmapBlockOf(0).size()), 0);
}

TEST_F(ReadIconsTest, ChainRevisitingOneRecordStopsLoadingInProportionToTheFile)
{
    // One icon of 64 KiB whose chain leads back to itself 32767 times
    // would load two gigabytes from a file of 67 KB.
    LibraryImage image = LibraryBuilder().Icon({ .width = 256, .height = 256 }).Build();
    image.Header().nIcons = 32767;
    image.IconHeaderOf(0).dwNextOffset = std::uint32_t(image.icons[0].headerOffset);
    SIZE_T requested = 0;
    alloc_faults::SetRefuser([&](SIZE_T bytes) {
        requested += bytes;
        return false;
    });
    EXPECT_EQ(Read(image), 0);
    alloc_faults::Reset();
    EXPECT_GT(library.m_iconHeaders.size(), 1u);
    EXPECT_LT(library.m_iconHeaders.size(), 32767u);
    EXPECT_LE(requested, 4 * image.bytes.size() + (SIZE_T(16) << 20));
}

TEST_F(ReadIconsTest, EmptyBitmapBodyIsA14ByteBlock)
{
    LibraryImage image = LibraryBuilder().Icon({}).Build();
    image.FileHeaderOf(0).bfSize = 0;
    SIZE_T bitmapRequest = 0;
    alloc_faults::SetRefuser([&](SIZE_T bytes) {
        if (bytes != sizeof(IconHeaderRecord))
            bitmapRequest = bytes;
        return false;
    });
    ASSERT_EQ(Read(image), 1);
    EXPECT_EQ(bitmapRequest, 14u);
    EXPECT_EQ(library.m_iconBitmaps.size(), 1u);
}

} // namespace
