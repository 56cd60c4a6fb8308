// Releasing the loaded records: once, in order, leaving both lists empty.
#include "library/icon_library_file.h"
#include "platform/core/memory.h"
#include "tests/support/library_builder.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

class ReleaseTest : public ::testing::Test {
protected:
    void Load(CIconLibraryFile& library, const LibraryImage& image)
    {
        image.Save(path);
        ASSERT_TRUE(library.Open(path.c_str(), CFile::modeRead));
        library.ReadIcons();
    }

    TempDir dir;
    MessageRecorder messages;
    std::string path = dir.File("lib.ico");
};

TEST_F(ReleaseTest, ReleaseEmptiesBothListsAndMayBeRepeated)
{
    CIconLibraryFile library;
    Load(library, LibraryBuilder().Icon({ .gridWidth = 2, .gridHeight = 2 }).Icon({}).Build());
    ASSERT_EQ(library.m_iconHeaders.size(), 2u);
    library.ReleaseRecords();
    EXPECT_TRUE(library.m_iconHeaders.empty());
    EXPECT_TRUE(library.m_iconBitmaps.empty());
    // A second release (the destructor's) finds nothing left to free; the
    // sanitizer build would report a double free.
    library.ReleaseRecords();
}

TEST_F(ReleaseTest, FailedReadLeavesMoreBitmapsThanHeadersAndDestructionFreesThem)
{
    // The grid of the second icon is cut short: its bitmap stays, its
    // header does not. The leak checker of the sanitizer build fails this
    // test if destruction leaves any of them behind.
    LibraryImage image = LibraryBuilder().Icon({ .gridWidth = 2, .gridHeight = 2 }).Icon({ .gridWidth = 4, .gridHeight = 4 }).Build();
    image.Truncate(image.bytes.size() - 1);
    auto library = std::make_unique<CIconLibraryFile>();
    Load(*library, image);
    EXPECT_EQ(library->m_iconHeaders.size(), 1u);
    EXPECT_EQ(library->m_iconBitmaps.size(), 2u);
    library.reset();
}

} // namespace
