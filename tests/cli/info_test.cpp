// info: what a library holds, read from the untrusted file without ever
// reading past a record; a damaged library gets the reader's messages.
#include "tests/cli/process_runner.h"
#include "tests/support/library_builder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using std::to_string;

// Icons 1 and 2 share a colour table; icon 3's has other colours, icon 4's
// fewer entries.
LibraryImage FourIcons()
{
    return LibraryBuilder()
        .Icons({ IconSpec { .width = 32, .height = 32, .gridWidth = 8, .gridHeight = 8 }, IconSpec { .pixelSeed = 2 },
            IconSpec { .width = 30, .height = 20, .paletteSeed = 1, .gridWidth = -2, .gridHeight = -3 },
            IconSpec { .width = 8, .height = 8, .bitCount = 4 } })
        .Build();
}

std::string IconLine(LibraryImage& library, std::size_t i, std::size_t headerOffset, const std::string& rest)
{
    return "icon " + to_string(i + 1) + ": header at " + to_string(headerOffset) + ", bitmap at "
        + to_string(library.icons[i].bitmapOffset) + ", " + rest + "\n";
}

TEST(CliInfo, ListsEveryIconOfTheChainAndTheColourTablesThatDiffer)
{
    TempDir dir;
    LibraryImage library = FourIcons();
    // Move icon 2's header to the end of the file, so that only the chain
    // tells where it is.
    std::size_t moved = library.bytes.size();
    library.At<IconHeader>(moved) = library.IconHeaderOf(1);
    library.IconHeaderOf(0).dwNextOffset = static_cast<std::uint32_t>(moved);
    library.Save(dir.File("lib.ico"));
    std::vector<std::uint8_t> before = ReadFileBytes(dir.File("lib.ico"));

    ProcessResult result = RunCli({ "info", dir.File("lib.ico") });
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
        "Library: " + dir.File("lib.ico") + "\nVersion: 6\nIcons: 4\n"
            + IconLine(library, 0, library.icons[0].headerOffset, "32 x 32, 8 bits per pixel, 256 colours, grid 8 x 8")
            + IconLine(library, 1, moved, "16 x 16, 8 bits per pixel, 256 colours, no grid")
            + IconLine(library, 2, library.icons[2].headerOffset, "30 x 20, 8 bits per pixel, 256 colours, grid -2 x -3")
            + IconLine(library, 3, library.icons[3].headerOffset, "8 x 8, 4 bits per pixel, 16 colours, no grid")
            + "Note: icon 3's colour table differs from icon 1's; the strip shows icon 3 in icon 1's colours.\n"
            + "Note: icon 4's colour table differs from icon 1's; the strip shows icon 4 in icon 1's colours.\n");
    EXPECT_EQ(ReadFileBytes(dir.File("lib.ico")), before);
}

TEST(CliInfo, LibraryWithoutIcons)
{
    TempDir dir;
    LibraryImage library = LibraryBuilder().Build();
    library.Header().nIcons = -1;
    library.Save(dir.File("lib.ico"));

    ProcessResult result = RunCli({ "info", dir.File("lib.ico") });
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, "Library: " + dir.File("lib.ico") + "\nVersion: 6\nIcons: 0\n");
}

struct ShortBlockCase {
    const char* name;
    std::function<void(LibraryImage&)> damage;
    std::string iconTwo; // what the line of icon 2 says after its offsets
};

void PrintTo(const ShortBlockCase& c, std::ostream* os) { *os << c.name; }

class CliInfoShortBitmapBlock : public testing::TestWithParam<ShortBlockCase> {};

// The reader accepts IconBitmap blocks too short for what info describes;
// info stays inside each block (the sanitizer build would catch a read
// past its end) and says what is missing.
TEST_P(CliInfoShortBitmapBlock, IsDescribedWithoutReadingPastItsEnd)
{
    TempDir dir;
    LibraryImage library = LibraryBuilder().Icons({ IconSpec {}, IconSpec {} }).Build();
    GetParam().damage(library);
    library.Save(dir.File("lib.ico"));

    ProcessResult result = RunCli({ "info", dir.File("lib.ico") });
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_NE(result.out.find(IconLine(library, 1, library.icons[1].headerOffset, GetParam().iconTwo)), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("Note: icon 2's colour table differs"), std::string::npos) << result.out;
}

INSTANTIATE_TEST_SUITE_P(Cases, CliInfoShortBitmapBlock,
    testing::Values(
        ShortBlockCase { "NoRoomForTheInfoHeader", [](LibraryImage& l) { l.FileHeaderOf(1).bfSize = 39; },
            "bitmap of 53 bytes, too short for its information header, no grid" },
        ShortBlockCase { "ColourTableCutShort", [](LibraryImage& l) { l.FileHeaderOf(1).bfSize = 40 + 1023; },
            "16 x 16, 8 bits per pixel, 256 colours (the colour table runs past the end of the bitmap), no grid" },
        ShortBlockCase { "HugeInfoHeaderSize", [](LibraryImage& l) { l.InfoHeaderOf(1).biSize = 0xFFFFFFF0u; },
            "16 x 16, 8 bits per pixel, 256 colours (the colour table runs past the end of the bitmap), no grid" }),
    [](const testing::TestParamInfo<ShortBlockCase>& info) { return info.param.name; });

struct DamageCase {
    const char* name;
    std::function<void(LibraryImage&)> damage;
    std::string err; // empty: one line saying that lib.ico could not be read
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class CliInfoDamagedLibrary : public testing::TestWithParam<DamageCase> {};

TEST_P(CliInfoDamagedLibrary, GetsTheReadersMessagesAndStatusOne)
{
    TempDir dir;
    LibraryImage library = FourIcons();
    GetParam().damage(library);
    library.Save(dir.File("lib.ico"));

    ProcessResult result = RunCli({ "info", "lib.ico" }, { .workingDirectory = dir.Path().string() });
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "");
    if (GetParam().err.empty()) {
        EXPECT_EQ(std::ranges::count(result.err, '\n'), 1) << result.err;
        EXPECT_NE(result.err.find("<lib.ico> could not be read"), std::string::npos) << result.err;
    } else {
        EXPECT_EQ(result.err, GetParam().err);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CliInfoDamagedLibrary,
    testing::Values(DamageCase { "HeaderCutShort", [](LibraryImage& l) { l.Truncate(381); }, "ReadIcons/Reading File Header - Error reading file\n" },
        DamageCase { "GridCutShort", [](LibraryImage& l) { l.Truncate(l.icons[2].gridOffset + 5); },
            "ReadIcons/Reading Grid - Error reading file\n" },
        DamageCase { "ChainLeadsBeyondTheFile", [](LibraryImage& l) { l.IconHeaderOf(1).dwNextOffset = 1u << 30; },
            "ReadIcons/Reading Icon Header - Error reading file\n" },
        DamageCase { "NotABitmap", [](LibraryImage& l) { l.FileHeaderOf(3).bfType = 0; }, "" }),
    [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

TEST(CliInfo, MissingFileCannotBeOpened)
{
    TempDir dir;
    ProcessResult result = RunCli({ "info", "missing.ico" }, { .workingDirectory = dir.Path().string() });
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "\n...Error opening file missing.ico.\n");
}

} // namespace
