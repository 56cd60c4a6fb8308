// The sample library in examples/: still what its generator makes, and
// usable as the README shows it.
#include "tests/cli/process_runner.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(CliSampleLibrary, GeneratorReproducesTheCommittedFile)
{
    TempDir dir;
    ProcessResult result = RunProcess({ QUINTARO_SAMPLE_GENERATOR, dir.File("sample.ico") });
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(ReadFileBytes(dir.File("sample.ico")), ReadFileBytes(QUINTARO_SAMPLE_LIBRARY));
}

// Four icons of different sizes sharing one colour table: info finds no
// icon in other colours, and the strip converts back to the same library.
TEST(CliSampleLibrary, ConvertsBothWaysAndSharesItsColours)
{
    TempDir dir;
    ProcessResult info = RunCli({ "info", QUINTARO_SAMPLE_LIBRARY });
    EXPECT_EQ(info.exitStatus, 0) << info.err;
    EXPECT_NE(info.out.find("Icons: 4\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("icon 4: "), std::string::npos) << info.out;
    EXPECT_EQ(info.out.find("Note:"), std::string::npos) << info.out;

    ASSERT_EQ(RunCli({ "to-bmp", QUINTARO_SAMPLE_LIBRARY, dir.File("strip.bmp") }).exitStatus, 0);
    ASSERT_EQ(RunCli({ "to-ico", dir.File("strip.bmp"), QUINTARO_SAMPLE_LIBRARY, dir.File("back.ico") }).exitStatus, 0);
    EXPECT_EQ(ReadFileBytes(dir.File("back.ico")), ReadFileBytes(QUINTARO_SAMPLE_LIBRARY));
}

} // namespace
