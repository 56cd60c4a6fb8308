// The command line itself: wrong usage, help and version.
#include "tests/cli/case_name.h"
#include "tests/cli/process_runner.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

class CliWrongUsage : public testing::TestWithParam<Arguments> {};

// Wrong usage is told on standard error with the way to help, status 2,
// and nothing runs: the names given are never touched.
TEST_P(CliWrongUsage, FailsWithStatusTwoOnStandardError)
{
    ProcessResult result = RunCli(GetParam());
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(Cases, CliWrongUsage,
    testing::Values(Arguments {}, Arguments { "convert", "a", "b" }, Arguments { "to-bmp", "a" },
        Arguments { "to-bmp", "a", "b", "c" }, Arguments { "to-ico", "a", "b" }, Arguments { "to-ico", "a", "b", "c", "d" },
        Arguments { "info" }, Arguments { "info", "a", "b" }, Arguments { "--yes", "--no", "info", "a" },
        Arguments { "info", "a", "-y", "-n" }, Arguments { "--overwrite", "info", "a" }, Arguments { "to-bmp", "a", "b", "-x" }),
    [](const testing::TestParamInfo<Arguments>& info) { return CaseName(info.param); });

struct Informative {
    Arguments arguments;
    std::vector<std::string> expected; // each must appear on standard output
};

void PrintTo(const Informative& c, std::ostream* os) { *os << CaseName(c.arguments); }

class CliHelpAndVersion : public testing::TestWithParam<Informative> {};

TEST_P(CliHelpAndVersion, PrintOnStandardOutputWithStatusZero)
{
    ProcessResult result = RunCli(GetParam().arguments);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "");
    for (const std::string& text : GetParam().expected)
        EXPECT_NE(result.out.find(text), std::string::npos) << text << " missing from\n" << result.out;
}

INSTANTIATE_TEST_SUITE_P(Cases, CliHelpAndVersion,
    testing::Values(Informative { { "--help" }, { "Usage: quintaro-cli", "to-bmp", "to-ico", "info", "-y,--yes", "-n,--no", "--version" } },
        Informative { { "-h" }, { "Usage: quintaro-cli" } },
        Informative { { "to-ico", "--help" }, { "Usage: quintaro-cli to-ico", "STRIP", "ORIGINAL", "OUTPUT" } },
        Informative { { "--version" }, { std::string("quintaro-cli ") + QUINTARO_VERSION + "\n" } }),
    NameByArguments());

} // namespace
