// The file layer: exclusive opens within one process and between processes,
// the two open modes, signed seeks and the errors the system reports.
#include "platform/core/file.h"
#include "platform/core/file_faults.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/file.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

class FileTest : public ::testing::Test {
protected:
    ~FileTest() override { file_faults::SetWriteLimiter(nullptr); }

    std::string Make(const std::string& name, const std::string& content)
    {
        std::string path = dir.File(name);
        WriteFileBytes(path, { content.begin(), content.end() });
        return path;
    }

    std::string ContentOf(const std::string& path)
    {
        auto bytes = ReadFileBytes(path);
        return { bytes.begin(), bytes.end() };
    }

    TempDir dir;
};

TEST_F(FileTest, OpenRefusesMissingFilesFoldersAndEmptyNames)
{
    CFile file;
    CFileException error(CFileException::none, 0, "");
    EXPECT_FALSE(file.Open(dir.File("missing").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(file.Open(dir.Path().c_str(), CFile::modeRead));
    EXPECT_FALSE(file.Open(dir.Path().c_str(), CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_FALSE(file.Open("", CFile::modeRead));
    EXPECT_FALSE(file.IsOpen());
}

TEST_F(FileTest, CreateCutsAnExistingFileAndReadsBackWhatWasWritten)
{
    std::string path = Make("out.bin", "old content");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_EQ(file.GetLength(), 0u);
    file.Write("abc", 3);
    file.Seek(0, CFile::begin);
    char back[8] = {};
    EXPECT_EQ(file.Read(back, 8), 3u);
    EXPECT_STREQ(back, "abc");
    EXPECT_EQ(file.Read(back, 8), 0u);
    file.Close();
    EXPECT_EQ(ContentOf(path), "abc");
}

TEST_F(FileTest, SecondOpenInTheSameProcessFailsAndNeverCuts)
{
    std::string path = Make("held.ico", "library bytes");
    CFile holder;
    ASSERT_TRUE(holder.Open(path.c_str(), CFile::modeRead));
    CFile other;
    EXPECT_FALSE(other.Open(path.c_str(), CFile::modeRead));
    EXPECT_FALSE(other.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_EQ(ContentOf(path), "library bytes");
    holder.Close();
    EXPECT_TRUE(other.Open(path.c_str(), CFile::modeRead));
}

TEST_F(FileTest, DestroyingTheObjectClosesItsFile)
{
    std::string path = Make("f", "x");
    {
        CFile holder;
        ASSERT_TRUE(holder.Open(path.c_str(), CFile::modeRead));
    }
    CFile again;
    EXPECT_TRUE(again.Open(path.c_str(), CFile::modeRead));
}

TEST_F(FileTest, FileHeldByAnotherProcessWithFlockIsRefused)
{
    std::string path = Make("shared.ico", "kept");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int fd = ::open(path.c_str(), O_RDONLY);
        ::flock(fd, LOCK_EX);
        char signal = 'r';
        (void)!::write(ready[1], &signal, 1);
        ::pause();
        _exit(0);
    }
    char signal;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1);
    CFile file;
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeRead));
    EXPECT_FALSE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    EXPECT_EQ(ContentOf(path), "kept");
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_TRUE(file.Open(path.c_str(), CFile::modeRead));
}

TEST_F(FileTest, OtherProgramsAreRefusedWhileWeHoldTheFile)
{
    std::string path = Make("ours.ico", "x");
    std::string probe = "flock --nonblock --exclusive '" + path + "' true";
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    EXPECT_NE(std::system(probe.c_str()), 0);
    file.Close();
    EXPECT_EQ(std::system(probe.c_str()), 0);
}

TEST_F(FileTest, SeekTakesASigned32BitOffset)
{
    std::string path = Make("s", "0123456789");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    try {
        file.Seek(static_cast<LONG>(0x80000000u), CFile::begin);
        FAIL() << "an offset of 2^31 must not be reached";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::badSeek);
        EXPECT_TRUE(error.m_strFileName.empty());
    }
    // Beyond the end is accepted; the read there comes up empty.
    EXPECT_EQ(file.Seek(1000, CFile::begin), 1000u);
    char byte;
    EXPECT_EQ(file.Read(&byte, 1), 0u);
    file.Seek(4, CFile::begin);
    EXPECT_EQ(file.Seek(2, CFile::current), 6u);
    EXPECT_EQ(file.Read(&byte, 1), 1u);
    EXPECT_EQ(byte, '6');
}

TEST_F(FileTest, FilePathIsAbsoluteForARelativeName)
{
    std::string path = Make("rel.ico", "x");
    std::string previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    CFile file;
    bool opened = file.Open("./rel.ico", CFile::modeRead);
    std::filesystem::current_path(previous);
    ASSERT_TRUE(opened);
    EXPECT_EQ(file.GetFilePath(), path);
}

TEST_F(FileTest, ShortWriteRaisesDiskFullWithTheFullPath)
{
    std::string path = dir.File("full.bmp");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeReadWrite));
    file_faults::SetWriteLimiter([](std::size_t requested) { return requested / 2; });
    try {
        file.Write("abcdefgh", 8);
        FAIL() << "a short write must raise";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::diskFull);
        EXPECT_EQ(error.m_strFileName, path);
    }
    file.Close();
    EXPECT_EQ(ContentOf(path), "abcd");
}

TEST_F(FileTest, IdentityRecognisesTwoNamesOfOneFile)
{
    std::string path = Make("same.bmp", "x");
    std::filesystem::create_hard_link(path, dir.File("link.bmp"));
    CFile::Identity a, b, c;
    ASSERT_TRUE(CFile::GetIdentity(path.c_str(), a));
    ASSERT_TRUE(CFile::GetIdentity((dir.Path() / "." / "link.bmp").c_str(), b));
    EXPECT_EQ(a, b);
    Make("other.bmp", "x");
    ASSERT_TRUE(CFile::GetIdentity(dir.File("other.bmp").c_str(), c));
    EXPECT_FALSE(a == c);
    EXPECT_FALSE(CFile::GetIdentity(dir.File("none").c_str(), c));
}

} // namespace
