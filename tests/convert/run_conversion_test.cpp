// The Go command: its checks before any file is touched, its own messages
// owned by the window, and what it passes on from the reader and the
// conversions.
#include "convert/run_conversion.h"
#include "platform/core/exception_guard.h"
#include "platform/core/file_faults.h"
#include "tests/support/library_builder.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

HWND const kDialog = reinterpret_cast<HWND>(0xD1A106);

class RunConversionTest : public ::testing::Test {
protected:
    RunConversionTest() { LibraryBuilder().Icon({ .width = 16, .height = 16 }).Build().Save(library); }
    ~RunConversionTest() override { file_faults::SetWriteLimiter(nullptr); }

    void ExpectOnly(const std::string& text, const std::string& caption, HWND owner)
    {
        ASSERT_EQ(messages.Messages().size(), 1u) << testing::PrintToString(messages.Texts());
        const RecordedMessage& shown = messages.Messages()[0];
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.caption, caption);
        EXPECT_EQ(shown.style, MB_ICONWARNING | MB_OK);
        EXPECT_EQ(shown.owner, owner);
    }

    TempDir dir;
    MessageRecorder messages;
    std::string library = dir.File("tools.ico");
    std::string strip = dir.File("tools.bmp");
    std::string output = dir.File("new.ico");
};

TEST_F(RunConversionTest, MissingNamesAreReportedBeforeAnythingIsOpened)
{
    struct Case {
        int direction;
        const char *input, *output, *original;
        const char* text;
    };
    const Case cases[] = {
        { 0, "", "out.bmp", "", "Input and Output File Names are required" },
        { 0, "in.ico", "", "orig.ico", "Input and Output File Names are required" },
        { 1, "", "out.ico", "orig.ico", "All File Names are required" },
        { 1, "in.bmp", "", "orig.ico", "All File Names are required" },
        { 1, "in.bmp", "out.ico", "", "All File Names are required" },
        { -1, "in.bmp", "out.ico", "", "All File Names are required" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.direction << " '" << c.input << "' '" << c.output << "' '" << c.original << "'");
        messages.Clear();
        EXPECT_EQ(RunConversion(c.direction, c.input, c.output, c.original, kDialog), ConversionOutcome::Failed);
        ExpectOnly(c.text, "Missing Parameter", kDialog);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()) || !std::filesystem::exists(dir.File("out.bmp")));
}

TEST_F(RunConversionTest, LibraryThatCannotBeOpenedIsNamedAsTyped)
{
    CFile holder;
    ASSERT_TRUE(holder.Open(library.c_str(), CFile::modeRead));
    std::filesystem::create_directory(dir.File("folder.ico"));
    std::string previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const char* names[] = { " ", "missing.ico", "./folder.ico", "tools.ico" };
    for (const char* name : names) {
        SCOPED_TRACE(name);
        messages.Clear();
        EXPECT_EQ(RunConversion(0, name, "out.bmp", "", kDialog), ConversionOutcome::Failed);
        ExpectOnly(std::string("\n...Error opening file ") + name + ".\n", "Quintaro Conversion Utility", kDialog);
        messages.Clear();
        EXPECT_EQ(RunConversion(1, "strip.bmp", "out.ico", name, kDialog), ConversionOutcome::Failed);
        ExpectOnly(std::string("\n...Error opening file ") + name + ".\n", "Quintaro Conversion Utility", kDialog);
    }
    std::filesystem::current_path(previous);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.bmp")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.ico")));
}

TEST_F(RunConversionTest, ReaderAndConversionMessagesHaveNoOwner)
{
    EXPECT_EQ(RunConversion(0, library, strip, "", kDialog), ConversionOutcome::Written);
    EXPECT_EQ(RunConversion(1, strip, output, library, kDialog), ConversionOutcome::Written);
    ASSERT_EQ(messages.Messages().size(), 2u);
    for (const RecordedMessage& shown : messages.Messages())
        EXPECT_EQ(shown.owner, nullptr);
}

TEST_F(RunConversionTest, UnreadableIconBitmapEndsWithoutAWordAndClosesTheLibrary)
{
    LibraryImage image = LibraryBuilder().Icon({}).Build();
    image.FileHeaderOf(0).bfType = 0;
    image.Save(library);
    EXPECT_EQ(RunConversion(0, library, strip, "", kDialog), ConversionOutcome::Failed);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_FALSE(std::filesystem::exists(strip));
    CFile again;
    EXPECT_TRUE(again.Open(library.c_str(), CFile::modeRead));
}

TEST_F(RunConversionTest, SecondGoAsksBeforeReplacingAndNoCountsAsDeclined)
{
    ASSERT_EQ(RunConversion(0, library, strip, "", kDialog), ConversionOutcome::Written);
    auto first = ReadFileBytes(strip);
    messages.Clear();
    EXPECT_EQ(RunConversion(0, library, strip, "", kDialog), ConversionOutcome::Declined);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string> { "Output file " + strip + " already exists.\nOverwrite?" }));
    EXPECT_EQ(ReadFileBytes(strip), first);

    messages.Clear();
    messages.Answer(IDYES);
    EXPECT_EQ(RunConversion(0, library, strip, "", kDialog), ConversionOutcome::Written);
    EXPECT_EQ(messages.Texts().back(), "Conversion complete.");
}

TEST_F(RunConversionTest, OriginalNamedAsOutputIsLeftUntouched)
{
    ASSERT_EQ(RunConversion(0, library, strip, "", nullptr), ConversionOutcome::Written);
    auto before = ReadFileBytes(library);
    messages.Clear();
    EXPECT_EQ(RunConversion(1, strip, library, library, nullptr), ConversionOutcome::Failed);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string> { "Error opening Output File" }));
    EXPECT_EQ(ReadFileBytes(library), before);
}

TEST_F(RunConversionTest, ExceptionPassesOutToTheGuardWithEveryFileClosed)
{
    file_faults::SetWriteLimiter([](std::size_t) { return std::size_t(10); });
    EXPECT_FALSE(RunGuarded(kDialog, [&] { RunConversion(0, library, strip, "", kDialog); }));
    file_faults::SetWriteLimiter(nullptr);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Disk full while accessing " + strip + ".");
    EXPECT_EQ(messages.Messages()[0].style, MB_ICONERROR | MB_OK);
    EXPECT_EQ(messages.Messages()[0].owner, kDialog);
    EXPECT_EQ(ReadFileBytes(strip).size(), 10u);
    // Both the library and the output were closed on the way out.
    CFile libraryAgain, stripAgain;
    EXPECT_TRUE(libraryAgain.Open(library.c_str(), CFile::modeRead));
    EXPECT_TRUE(stripAgain.Open(strip.c_str(), CFile::modeRead));
}

} // namespace
