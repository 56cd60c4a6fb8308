// to-bmp and to-ico: the conversions run, their messages reach the right
// stream with their exact text, and each outcome has its exit status.
#include "tests/cli/case_name.h"
#include "tests/cli/process_runner.h"
#include "tests/support/library_builder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

using Arguments = std::vector<std::string>;

LibraryImage ThreeIcons()
{
    return LibraryBuilder()
        .Icons({ IconSpec { .width = 30, .height = 20, .gridWidth = 3, .gridHeight = 2 }, IconSpec { .pixelSeed = 2 },
            IconSpec { .width = 8, .height = 12, .pixelSeed = 3 } })
        .Build();
}

std::uint32_t ReadLe32(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return bytes.at(offset) | bytes.at(offset + 1) << 8 | bytes.at(offset + 2) << 16 | std::uint32_t(bytes.at(offset + 3)) << 24;
}

std::size_t LineCount(const std::string& text) { return static_cast<std::size_t>(std::ranges::count(text, '\n')); }

TEST(CliConversion, StripEditedAndWrittenBackChangesOnlyThatPixel)
{
    TempDir dir;
    LibraryImage library = ThreeIcons();
    library.Save(dir.File("lib.ico"));

    ProcessResult toBmp = RunCli({ "to-bmp", dir.File("lib.ico"), dir.File("strip.bmp") });
    EXPECT_EQ(toBmp.exitStatus, 0);
    EXPECT_EQ(toBmp.out, "Conversion complete.\n");
    EXPECT_EQ(toBmp.err, "");

    // The first stored strip row begins with the first icon's first row.
    std::vector<std::uint8_t> strip = ReadFileBytes(dir.File("strip.bmp"));
    std::uint8_t& pixel = strip.at(ReadLe32(strip, 10));
    pixel = static_cast<std::uint8_t>(~pixel);
    WriteFileBytes(dir.File("strip.bmp"), strip);

    ProcessResult toIco = RunCli({ "to-ico", dir.File("strip.bmp"), dir.File("lib.ico"), dir.File("new.ico") });
    EXPECT_EQ(toIco.exitStatus, 0);
    EXPECT_EQ(toIco.out, "Conversion complete.\n");
    EXPECT_EQ(toIco.err, "");

    std::vector<std::uint8_t> expected = library.bytes;
    expected.at(library.icons[0].rowsOffset) = pixel;
    EXPECT_EQ(ReadFileBytes(dir.File("new.ico")), expected);
    EXPECT_EQ(ReadFileBytes(dir.File("lib.ico")), library.bytes);
}

struct NameCase {
    Arguments arguments; // run in a folder holding lib.ico and strip.bmp
    std::string err;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << CaseName(c.arguments); }

class CliNames : public testing::TestWithParam<NameCase> {};

// Names are passed exactly as typed: "" is missing, a blank and a relative
// name are names. The command's own messages are warnings, so they go to
// standard error, and one that ends in a newline gets no second one.
TEST_P(CliNames, AreTakenExactlyAsGiven)
{
    TempDir dir;
    ThreeIcons().Save(dir.File("lib.ico"));
    WriteFileBytes(dir.File("strip.bmp"), { 'B', 'M' });

    ProcessResult result = RunCli(GetParam().arguments, { .workingDirectory = dir.Path().string() });
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, GetParam().err);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.bmp")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.ico")));
}

INSTANTIATE_TEST_SUITE_P(Cases, CliNames,
    testing::Values(NameCase { { "to-bmp", "", "out.bmp" }, "Input and Output File Names are required\n" },
        NameCase { { "to-bmp", "lib.ico", "" }, "Input and Output File Names are required\n" },
        NameCase { { "to-ico", "", "lib.ico", "out.ico" }, "All File Names are required\n" },
        NameCase { { "to-ico", "strip.bmp", "", "out.ico" }, "All File Names are required\n" },
        NameCase { { "to-ico", "strip.bmp", "lib.ico", "" }, "All File Names are required\n" },
        NameCase { { "to-bmp", " ", "out.bmp" }, "\n...Error opening file  .\n" },
        NameCase { { "to-bmp", "missing.ico", "out.bmp" }, "\n...Error opening file missing.ico.\n" },
        NameCase { { "to-ico", "strip.bmp", "./missing.ico", "out.ico" }, "\n...Error opening file ./missing.ico.\n" }),
    NameByArguments());

struct DamageCase {
    const char* name;
    std::function<void(LibraryImage&)> damage;
    Arguments arguments; // run in a folder holding the damaged lib.ico and strip.bmp
    // The exact text on standard error; empty for the line of a library
    // refused without a message, which names the library and ends the run.
    std::function<std::string(const TempDir&)> err;
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class CliConversionOfDamagedLibrary : public testing::TestWithParam<DamageCase> {};

TEST_P(CliConversionOfDamagedLibrary, FailsWithTheReadersMessageOrOneLineOfItsOwn)
{
    TempDir dir;
    LibraryImage library = ThreeIcons();
    GetParam().damage(library);
    library.Save(dir.File("lib.ico"));
    WriteFileBytes(dir.File("strip.bmp"), { 'B', 'M' });

    ProcessResult result = RunCli(GetParam().arguments, { .workingDirectory = dir.Path().string() });
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "");
    if (GetParam().err) {
        EXPECT_EQ(result.err, GetParam().err(dir));
    } else {
        EXPECT_EQ(LineCount(result.err), 1u) << result.err;
        EXPECT_NE(result.err.find("<lib.ico> could not be read"), std::string::npos) << result.err;
    }
}

void WrongVersion(LibraryImage& library) { library.Header().wVersion = 5; }
void WrongSignature(LibraryImage& library) { library.Header().szSignature[0] = 'c'; }
void NotABitmap(LibraryImage& library) { library.FileHeaderOf(1).bfType = 0x4D43; }

INSTANTIATE_TEST_SUITE_P(Cases, CliConversionOfDamagedLibrary,
    testing::Values(DamageCase { "WrongVersion", WrongVersion, { "to-bmp", "lib.ico", "out.bmp" },
                        [](const TempDir& dir) { return "Error, icon file <" + dir.File("lib.ico") + "> is bad or incompatible version\n"; } },
        DamageCase { "WrongSignature", WrongSignature, { "to-bmp", "lib.ico", "out.bmp" },
            [](const TempDir& dir) { return "Error in icon file <" + dir.File("lib.ico") + ">.\n\nPlease delete and create new icons.\n"; } },
        DamageCase { "NotABitmapToBmp", NotABitmap, { "to-bmp", "lib.ico", "out.bmp" }, nullptr },
        DamageCase { "NotABitmapToIco", NotABitmap, { "to-ico", "strip.bmp", "lib.ico", "out.ico" }, nullptr }),
    [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

// An error of the file layer leaves RunConversion as an exception; the
// guard's report is printed like any other warning. A file-size limit makes
// the write of the strip fail.
TEST(CliConversion, FileErrorIsReportedByTheGuardOnStandardError)
{
    TempDir dir;
    LibraryBuilder().Icon(IconSpec { .width = 32, .height = 32 }).Build().Save(dir.File("lib.ico"));

    ProcessResult result = RunProcess({ "/bin/sh", "-c", "ulimit -f 1 && trap '' XFSZ && exec \"$0\" \"$@\"", QUINTARO_CLI,
        "to-bmp", dir.File("lib.ico"), dir.File("strip.bmp") });
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "Disk full while accessing " + dir.File("strip.bmp") + ".\n");
}

} // namespace
