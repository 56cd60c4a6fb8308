// Real paint tools as the user's editor: a strip written by the utility,
// edited and saved again by Pillow or ImageMagick, then converted back.
// A missing tool fails the test with its name; it never passes silently.
#include "convert/run_conversion.h"
#include "tests/support/library_builder.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Runs `command` in the shell; returns its exit status and leaves what it
// printed (both streams) in `output`.
int RunShell(const std::string& command, std::string& output)
{
    output.clear();
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return -1;
    char buffer[512];
    while (std::size_t got = std::fread(buffer, 1, sizeof(buffer), pipe))
        output.append(buffer, got);
    int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The first candidate for which `candidate probe` succeeds, or "".
std::string FindTool(std::initializer_list<const char*> candidates, const std::string& probe)
{
    std::string ignored;
    for (const char* candidate : candidates)
        if (RunShell(std::string(candidate) + " " + probe, ignored) == 0)
            return candidate;
    return {};
}

// Debian's python3-pil serves the system's python3, which another python3
// earlier on the PATH may not see.
std::string PythonWithPillow() { return FindTool({ "/usr/bin/python3", "python3" }, "-c 'import PIL.Image'"); }

std::string ImageMagickConvert() { return FindTool({ "/usr/bin/convert", "convert" }, "-version | grep -q ImageMagick"); }

constexpr const char* kPillowMissing = "Pillow is missing: no python3 here can import PIL (Debian packages python3 and python3-pil; "
                                       "scripts/install-deps installs them)";
constexpr const char* kImageMagickMissing = "ImageMagick's convert is missing (Debian package imagemagick; scripts/install-deps installs it)";

BITMAPINFOHEADER InfoHeaderOfFile(const std::vector<std::uint8_t>& bytes)
{
    BITMAPINFOHEADER info {};
    if (bytes.size() >= 14 + sizeof(info))
        std::memcpy(&info, bytes.data() + 14, sizeof(info));
    return info;
}

class EditorToolsTest : public ::testing::Test {
protected:
    // The strip of a three-icon library, written by the utility itself:
    // 32 x 43 pixels, icon 0 in stored rows 0-23, icon 1 in 24-39, icon 2
    // in 40-42 (the top of the picture).
    void SetUp() override
    {
        image = LibraryBuilder()
                    .Icon({ .width = 30, .height = 24, .paletteSeed = 1, .pixelSeed = 1, .gridWidth = 3, .gridHeight = 2 })
                    .Icon({ .width = 16, .height = 16, .paletteSeed = 2, .pixelSeed = 2 })
                    .Icon({ .width = 5, .height = 3, .clrUsed = 16, .paletteSeed = 3, .pixelSeed = 3 })
                    .Trailing(9)
                    .Build();
        image.Save(originalPath);
        ASSERT_EQ(RunConversion(0, originalPath, stripPath, "", nullptr), ConversionOutcome::Written);
        messages.Clear();
    }

    ConversionOutcome ConvertBack(const std::string& strip) { return RunConversion(1, strip, outputPath, originalPath, nullptr); }

    void ExpectOnly(const std::string& text, UINT style)
    {
        ASSERT_EQ(messages.Messages().size(), 1u) << testing::PrintToString(messages.Texts());
        EXPECT_EQ(messages.Messages()[0].text, text);
        EXPECT_EQ(messages.Messages()[0].caption, "Quintaro Conversion Utility");
        EXPECT_EQ(messages.Messages()[0].style, style);
        EXPECT_EQ(messages.Messages()[0].owner, nullptr);
    }

    TempDir dir;
    MessageRecorder messages;
    LibraryImage image;
    std::string originalPath = dir.File("tools.ico");
    std::string stripPath = dir.File("tools.bmp");
    std::string outputPath = dir.File("new.ico");
};

TEST_F(EditorToolsTest, PixelsEditedWithPillowChangeExactlyThoseIconPixels)
{
    std::string python = PythonWithPillow();
    ASSERT_FALSE(python.empty()) << kPillowMissing;
    fs::path script = fs::path(__FILE__).parent_path() / "edit_strip_pixels.py";
    ASSERT_TRUE(fs::exists(script)) << script << " is missing";

    // Pillow counts y from the top of the picture; stored row = 42 - y.
    struct Edit {
        int x, y;
        std::size_t icon, row; // where the pixel lands
        bool lands;            // false: beyond the icon's row length
    };
    const Edit edits[] = {
        { 0, 42, 0, 0, true },
        { 31, 19, 0, 23, true }, // a rounding byte of the 30-pixel icon
        { 15, 3, 1, 15, true },
        { 4, 0, 2, 2, true },
        { 20, 10, 1, 8, false },
        { 9, 1, 2, 1, false },
    };
    std::string command = python + " " + Quoted(script.string()) + " " + Quoted(stripPath) + " " + Quoted(dir.File("edited.bmp")) + " --invert-palette";
    std::vector<std::uint8_t> expected = image.bytes;
    for (const Edit& edit : edits) {
        const IconLayout& icon = image.icons[edit.icon];
        std::size_t at = icon.rowsOffset + edit.row * icon.rowBytes + std::size_t(edit.x);
        auto index = static_cast<std::uint8_t>(edit.lands ? image.bytes[at] ^ 0x5A : 0x77);
        if (edit.lands)
            expected[at] = index;
        command += " " + std::to_string(edit.x) + "," + std::to_string(edit.y) + "," + std::to_string(index);
    }
    std::string printed;
    ASSERT_EQ(RunShell(command, printed), 0) << command << "\n" << printed;

    // Pillow keeps the form the utility reads back: 40-byte header, 8 bits.
    BITMAPINFOHEADER saved = InfoHeaderOfFile(ReadFileBytes(dir.File("edited.bmp")));
    EXPECT_EQ(saved.biSize, 40u);
    EXPECT_EQ(saved.biBitCount, 8u);

    EXPECT_EQ(ConvertBack(dir.File("edited.bmp")), ConversionOutcome::Written);
    ExpectOnly("Conversion complete.", MB_OK);
    std::vector<std::uint8_t> output = ReadFileBytes(outputPath);
    ASSERT_EQ(output.size(), image.bytes.size());
    std::size_t changed = 0;
    for (std::size_t i = 0; i < output.size(); ++i)
        changed += output[i] != image.bytes[i];
    EXPECT_EQ(changed, 4u);
    // The inverted palette reached no icon's colour table either.
    EXPECT_EQ(output, expected);
}

TEST_F(EditorToolsTest, ImageMagicksDefaultBmpIsRefusedAndLeavesTheCompleteCopy)
{
    std::string convert = ImageMagickConvert();
    ASSERT_FALSE(convert.empty()) << kImageMagickMissing;
    std::string saved = dir.File("magick.bmp");
    std::string printed;
    ASSERT_EQ(RunShell(convert + " " + Quoted(stripPath) + " " + Quoted(saved), printed), 0) << printed;
    ASSERT_EQ(InfoHeaderOfFile(ReadFileBytes(saved)).biSize, 124u) << "ImageMagick no longer writes its default BMP with a 124-byte header";

    EXPECT_EQ(ConvertBack(saved), ConversionOutcome::Failed);
    ExpectOnly("Bitmap file was not generated by this utility.  Unable to convert.", MB_OK | MB_ICONWARNING);
    EXPECT_EQ(ReadFileBytes(outputPath), image.bytes);
}

TEST_F(EditorToolsTest, ImageMagicksUncompressedBmp3ComesBackUnchanged)
{
    std::string convert = ImageMagickConvert();
    ASSERT_FALSE(convert.empty()) << kImageMagickMissing;
    std::string saved = dir.File("magick3.bmp");
    std::string printed;
    ASSERT_EQ(RunShell(convert + " " + Quoted(stripPath) + " -compress None " + Quoted("BMP3:" + saved), printed), 0) << printed;
    // It keeps the 40-byte header, 8 bits and the pixel indices; it rewrites
    // the colour table, which the conversion back does not use.
    BITMAPINFOHEADER info = InfoHeaderOfFile(ReadFileBytes(saved));
    ASSERT_EQ(info.biSize, 40u);
    ASSERT_EQ(info.biBitCount, 8u);
    ASSERT_EQ(info.biCompression, BI_RGB);

    EXPECT_EQ(ConvertBack(saved), ConversionOutcome::Written);
    ExpectOnly("Conversion complete.", MB_OK);
    EXPECT_EQ(ReadFileBytes(outputPath), image.bytes);
}

} // namespace
