// The overwrite question: answered by --yes or --no wherever they stand,
// answered No without a terminal, asked on the terminal otherwise.
#include "tests/cli/process_runner.h"
#include "tests/cli/terminal_runner.h"
#include "tests/support/library_builder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::uint8_t> kOldContent = { 'o', 'l', 'd' };

// A library, a strip made from it, and an output file that already exists.
class Overwrite : public testing::Test {
protected:
    void SetUp() override
    {
        m_library = LibraryBuilder().Icons({ IconSpec {}, IconSpec { .width = 10, .height = 6, .pixelSeed = 4 } }).Build();
        m_library.Save(Lib());
        ASSERT_EQ(RunCli({ "to-bmp", Lib(), m_dir.File("strip.bmp") }).exitStatus, 0);
        m_strip = ReadFileBytes(m_dir.File("strip.bmp"));
        WriteFileBytes(Out(), kOldContent);
    }

    std::string Lib() const { return m_dir.File("lib.ico"); }
    std::string Out() const { return m_dir.File("out"); }
    std::string Question() const { return "Output file " + Out() + " already exists.\nOverwrite?"; }

    // What `command` writes into Out() when it goes ahead.
    std::vector<std::uint8_t> Written(const std::string& command) const { return command == "to-bmp" ? m_strip : m_library.bytes; }

    // The command with its names; the options are put around it.
    std::vector<std::string> Command(const std::string& command) const
    {
        if (command == "to-bmp")
            return { "to-bmp", Lib(), Out() };
        return { "to-ico", m_dir.File("strip.bmp"), Lib(), Out() };
    }

    TempDir m_dir;
    LibraryImage m_library;
    std::vector<std::uint8_t> m_strip;
};

struct AnswerCase {
    const char* name;
    std::string command;
    std::vector<std::string> before; // options before the command
    std::vector<std::string> after;  // options after its names
    int exitStatus;
    std::string answerLine; // must follow the question on standard error
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

class CliAnsweredWithoutTerminal : public Overwrite, public testing::WithParamInterface<AnswerCase> {};

// Standard input is a pipe here, so without an option the answer is No.
TEST_P(CliAnsweredWithoutTerminal, WritesOnYesAndLeavesTheFileOtherwise)
{
    const AnswerCase& c = GetParam();
    std::vector<std::string> arguments = c.before;
    for (const std::string& argument : Command(c.command))
        arguments.push_back(argument);
    arguments.insert(arguments.end(), c.after.begin(), c.after.end());

    ProcessResult result = RunCli(arguments, { .input = "y\n" });
    EXPECT_EQ(result.exitStatus, c.exitStatus);
    EXPECT_EQ(result.err.find(Question() + "\n"), 0u) << result.err;
    EXPECT_NE(result.err.find(c.answerLine), std::string::npos) << result.err;
    bool written = c.exitStatus == 0;
    EXPECT_EQ(result.out, written ? "Conversion complete.\n" : "");
    EXPECT_EQ(ReadFileBytes(Out()), written ? Written(c.command) : kOldContent);
}

INSTANTIATE_TEST_SUITE_P(Cases, CliAnsweredWithoutTerminal,
    testing::Values(AnswerCase { "YesBeforeToBmp", "to-bmp", { "--yes" }, {}, 0, "--yes" },
        AnswerCase { "YesAfterToBmp", "to-bmp", {}, { "-y" }, 0, "--yes" },
        AnswerCase { "YesBeforeToIco", "to-ico", { "-y" }, {}, 0, "--yes" },
        AnswerCase { "NoBeforeToBmp", "to-bmp", { "--no" }, {}, 3, "--no" },
        AnswerCase { "NoAfterToIco", "to-ico", {}, { "-n" }, 3, "--no" },
        AnswerCase { "NoTerminalToBmp", "to-bmp", {}, {}, 3, "not a terminal; --yes overwrites" },
        AnswerCase { "NoTerminalToIco", "to-ico", {}, {}, 3, "not a terminal; --yes overwrites" }),
    [](const testing::TestParamInfo<AnswerCase>& info) { return info.param.name; });

struct TerminalCase {
    const char* name;
    std::string command;
    std::vector<std::string> answers;
    int exitStatus;
};

void PrintTo(const TerminalCase& c, std::ostream* os) { *os << c.name; }

class CliAskedOnTerminal : public Overwrite, public testing::WithParamInterface<TerminalCase> {};

TEST_P(CliAskedOnTerminal, TakesTheTypedAnswer)
{
    const TerminalCase& c = GetParam();
    TerminalResult result = RunCliOnTerminal(Command(c.command), c.answers);
    EXPECT_EQ(result.exitStatus, c.exitStatus) << result.output;
    EXPECT_NE(result.output.find("Overwrite? (y/n) "), std::string::npos) << result.output;
    bool written = c.exitStatus == 0;
    EXPECT_EQ(result.output.find("Conversion complete.") != std::string::npos, written) << result.output;
    EXPECT_EQ(ReadFileBytes(Out()), written ? Written(c.command) : kOldContent);
}

INSTANTIATE_TEST_SUITE_P(Cases, CliAskedOnTerminal,
    testing::Values(TerminalCase { "YToBmp", "to-bmp", { "y" }, 0 }, TerminalCase { "NToBmp", "to-bmp", { "n" }, 3 },
        TerminalCase { "YesToIco", "to-ico", { "YES" }, 0 }, TerminalCase { "NoToIco", "to-ico", { "no" }, 3 },
        TerminalCase { "UnclearThenY", "to-bmp", { "maybe", "y" }, 0 }),
    [](const testing::TestParamInfo<TerminalCase>& info) { return info.param.name; });

} // namespace
