// A strip converted back unchanged gives a file identical to its library,
// whatever the library's shape.
#include "convert/run_conversion.h"
#include "tests/support/library_builder.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

struct Shape {
    const char* name;
    std::function<LibraryImage()> build;
};

void PrintTo(const Shape& shape, std::ostream* out) { *out << shape.name; }

LibraryImage ChainVisitingOneRecordTwice()
{
    LibraryImage image = LibraryBuilder().Icon({ .width = 12, .height = 6, .gridWidth = 2, .gridHeight = 2 }).Icon({ .width = 5, .height = 3 }).Build();
    image.Header().nIcons = 3;
    // 0 -> 1 -> 0 again.
    image.IconHeaderOf(1).dwNextOffset = std::uint32_t(image.icons[0].headerOffset);
    return image;
}

LibraryImage ExactlyTwoCopyBuffers()
{
    LibraryImage image = LibraryBuilder().Icon({ .width = 16, .height = 16 }).Build();
    image.bytes.resize(200000, 0x77);
    return image;
}

const Shape kShapes[] = {
    { "OneIcon", [] { return LibraryBuilder().Icon({ .width = 32, .height = 32 }).Build(); } },
    { "WidthsNotMultiplesOfFour",
        [] {
            return LibraryBuilder()
                .Icons({ { .width = 30, .height = 24 }, { .width = 7, .height = 5, .pixelSeed = 2 }, { .width = 1, .height = 1, .pixelSeed = 3 },
                    { .width = 33, .height = 2, .pixelSeed = 4 } })
                .Build();
        } },
    { "DifferentColourTables",
        [] {
            return LibraryBuilder()
                .Icon({ .width = 16, .height = 16, .paletteSeed = 1 })
                .Icon({ .width = 16, .height = 8, .clrUsed = 16, .paletteSeed = 2 })
                .Icon({ .width = 4, .height = 4, .clrUsed = 300, .paletteSeed = 3 })
                .Build();
        } },
    { "WithAndWithoutGrids",
        [] {
            return LibraryBuilder()
                .Icon({ .width = 16, .height = 16, .gridWidth = 16, .gridHeight = 16 })
                .Icon({ .width = 24, .height = 24 })
                .Icon({ .width = 8, .height = 8, .gridWidth = -2, .gridHeight = -3 })
                .Trailing(33)
                .Build();
        } },
    { "IconOfHeightZero", [] { return LibraryBuilder().Icon({ .width = 9, .height = 0 }).Icon({ .width = 9, .height = 9 }).Build(); } },
    { "ChainVisitingOneRecordTwice", ChainVisitingOneRecordTwice },
    { "ExactlyTwoCopyBuffers", ExactlyTwoCopyBuffers },
};

class RoundTripTest : public ::testing::TestWithParam<Shape> { };

TEST_P(RoundTripTest, UnchangedStripGivesAnIdenticalLibrary)
{
    TempDir dir;
    MessageRecorder messages;
    std::string library = dir.File("icons.ico");
    std::string strip = dir.File("icons.bmp");
    std::string copy = dir.File("copy.ico");
    LibraryImage image = GetParam().build();
    image.Save(library);

    ASSERT_EQ(RunConversion(0, library, strip, "", nullptr), ConversionOutcome::Written) << testing::PrintToString(messages.Texts());
    ASSERT_EQ(RunConversion(1, strip, copy, library, nullptr), ConversionOutcome::Written) << testing::PrintToString(messages.Texts());
    EXPECT_EQ(ReadFileBytes(copy), image.bytes);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string> { "Conversion complete.", "Conversion complete." }));
}

INSTANTIATE_TEST_SUITE_P(Shapes, RoundTripTest, ::testing::ValuesIn(kShapes), [](const auto& info) { return std::string(info.param.name); });

} // namespace
