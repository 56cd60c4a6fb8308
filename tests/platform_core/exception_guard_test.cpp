// The report of an exception that leaves a command, and the title it
// carries.
#include "platform/core/application_title.h"
#include "platform/core/exception_guard.h"
#include "tests/support/message_recorder.h"

#include <gtest/gtest.h>

#include <new>

namespace {

struct ReportCase {
    CFileException::Cause cause;
    const char* fileName;
    const char* text;
};

void PrintTo(const ReportCase& c, std::ostream* out) { *out << c.text; }

class FileExceptionReportTest : public ::testing::TestWithParam<ReportCase> { };

TEST_P(FileExceptionReportTest, PutsTheNameInTheCausesText)
{
    const ReportCase& c = GetParam();
    EXPECT_EQ(DescribeFileException(CFileException(c.cause, 0, c.fileName)), c.text);
}

INSTANTIATE_TEST_SUITE_P(Causes, FileExceptionReportTest,
    ::testing::Values(
        ReportCase { CFileException::diskFull, "/tmp/out.bmp", "Disk full while accessing /tmp/out.bmp." },
        ReportCase { CFileException::hardIO, "", "A hardware I/O error was reported while accessing an unnamed file." },
        ReportCase { CFileException::badSeek, "", "Seek failed on an unnamed file" },
        ReportCase { CFileException::genericException, "x", "An unknown error occurred while accessing x." },
        ReportCase { CFileException::none, "x", "An unknown error occurred while accessing x." },
        ReportCase { CFileException::accessDenied, "/a", "Access to /a was denied." },
        ReportCase { CFileException::endOfFile, "", "An attempt was made to access an unnamed file past its end." }));

TEST(FileExceptionReportTest, CutsTheReportTo127Characters)
{
    std::string name = "/" + std::string(200, 'n');
    std::string report = DescribeFileException(CFileException(CFileException::diskFull, ENOSPC, name));
    EXPECT_EQ(report.size(), 127u);
    EXPECT_EQ(report, ("Disk full while accessing " + name).substr(0, 127));
}

TEST(ExceptionGuardTest, ReportsEachKindOwnedByTheWindowWithTheApplicationTitle)
{
    MessageRecorder messages;
    auto* owner = reinterpret_cast<HWND>(0x1234);
    EXPECT_FALSE(RunGuarded(owner, [] { throw CFileException(CFileException::diskFull, ENOSPC, "/tmp/s.bmp"); }));
    EXPECT_FALSE(RunGuarded(owner, [] { throw CMemoryException(); }));
    EXPECT_FALSE(RunGuarded(owner, [] { throw std::bad_alloc(); }));
    EXPECT_TRUE(RunGuarded(owner, [] { }));

    ASSERT_EQ(messages.Messages().size(), 3u);
    const auto& shown = messages.Messages();
    EXPECT_EQ(shown[0].text, "Disk full while accessing /tmp/s.bmp.");
    EXPECT_EQ(shown[0].style, MB_ICONERROR | MB_OK);
    EXPECT_EQ(shown[1].text, "Out of memory.");
    EXPECT_EQ(shown[1].style, 0x1030u);
    EXPECT_EQ(shown[2].text, "Out of memory.");
    for (const auto& message : shown) {
        EXPECT_EQ(message.owner, owner);
        EXPECT_EQ(message.caption, GetApplicationTitle());
    }
    EXPECT_EQ(GetApplicationTitle(), "platform_core_tests");
}

TEST(ApplicationTitleTest, IsTheFileNameWithoutFolderAndExtension)
{
    EXPECT_EQ(ApplicationTitleFromPath("/usr/bin/quintaro"), "quintaro");
    EXPECT_EQ(ApplicationTitleFromPath("/opt/q/QUINTARO.EXE"), "QUINTARO");
    EXPECT_EQ(ApplicationTitleFromPath("/opt/my.dir/tool"), "tool");
    EXPECT_EQ(ApplicationTitleFromPath("quintaro-cli"), "quintaro-cli");
}

} // namespace
