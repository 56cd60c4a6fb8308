#include "fuzz/seed_corpus.h"

#include "fuzz/fuzz_input.h"

#include "convert/run_conversion.h"
#include "tests/support/library_builder.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

#include <functional>
#include <stdexcept>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Pair {
    LibraryImage library;
    Bytes strip;
};

// The strip that BuildBmpFile makes of `library`.
Bytes StripOf(const LibraryImage& library)
{
    TempDir dir;
    MessageRecorder quiet;
    library.Save(dir.File("seed.ico"));
    if (RunConversion(0, dir.File("seed.ico"), dir.File("seed.bmp"), "", nullptr) != ConversionOutcome::Written)
        throw std::runtime_error("a seed library did not convert to a strip");
    return ReadFileBytes(dir.File("seed.bmp"));
}

struct ValidShape {
    const char* name;
    std::vector<IconSpec> icons;
};

const std::vector<ValidShape>& ValidShapes()
{
    static const std::vector<ValidShape> shapes = {
        { "one-16x16", { { .width = 16, .height = 16 } } },
        { "30x24-with-grid", { { .width = 30, .height = 24, .gridWidth = 3, .gridHeight = 2 } } },
        { "mixed-sizes-and-palettes",
            { { .width = 16, .height = 16 }, { .width = 32, .height = 32, .paletteSeed = 1, .gridWidth = 4, .gridHeight = 4 },
                { .width = 48, .height = 48, .paletteSeed = 2, .gridWidth = 6, .gridHeight = 6 } } },
        { "small-colour-table", { { .width = 7, .height = 5, .clrUsed = 16 }, { .width = 1, .height = 1, .clrUsed = 3 } } },
        { "height-0-icon", { { .width = 8, .height = 0 }, { .width = 5, .height = 3 } } },
    };
    return shapes;
}

Pair ValidPair(const ValidShape& shape)
{
    Pair pair { LibraryBuilder().Icons(shape.icons).Build(), {} };
    pair.strip = StripOf(pair.library);
    return pair;
}

// Writes a little-endian value into a strip's bytes.
void PutStrip(Bytes& strip, std::size_t offset, std::uint32_t value, std::size_t width)
{
    for (std::size_t i = 0; i < width && offset + i < strip.size(); ++i)
        strip[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

constexpr std::size_t kStripWidthAt = 14 + 4;
constexpr std::size_t kStripHeightAt = 14 + 8;
constexpr std::size_t kStripClrUsedAt = 14 + 32;

constexpr std::size_t kOneIcon = 0;
constexpr std::size_t kSmallTables = 3;
constexpr std::size_t kThreeIcons = 2;

struct Mutation {
    const char* name;
    std::function<void(Pair&)> change;
    std::size_t base = kThreeIcons; // index into ValidShapes()
};

// Each changes one thing of a valid library or its strip, most of them of
// the three-icon library.
const std::vector<Mutation>& Mutations()
{
    static const std::vector<Mutation> mutations = {
        { "library-cut-in-second-bitmap", [](Pair& p) { p.library.Truncate(p.library.icons[1].rowsOffset + 10); } },
        { "one-icon-more-than-chain", [](Pair& p) { p.library.Header().nIcons = 4; } },
        { "chain-back-to-first", [](Pair& p) {
             p.library.Header().nIcons = 9;
             p.library.IconHeaderOf(2).dwNextOffset = std::uint32_t(p.library.icons[0].headerOffset);
         } },
        { "bfsize-beyond-file", [](Pair& p) { p.library.FileHeaderOf(1).bfSize = 0x7FFFFFF0; } },
        { "grid-negative", [](Pair& p) { p.library.IconHeaderOf(1).nGridWidth = -4; } },
        { "grid-huge", [](Pair& p) {
             p.library.IconHeaderOf(2).nGridWidth = 0x7FFF;
             p.library.IconHeaderOf(2).nGridHeight = 0x7FFF;
         } },
        { "bitmap-offset-negative-seek", [](Pair& p) { p.library.IconHeaderOf(0).dwBitmapOffset = 0x80000000u; } },
        { "icon-width-negative", [](Pair& p) { p.library.InfoHeaderOf(1).biWidth = -32; } },
        { "icon-4-bit", [](Pair& p) { p.library.InfoHeaderOf(0).biBitCount = 4; } },
        { "icon-taller-than-block", [](Pair& p) { p.library.InfoHeaderOf(2).biHeight = 4800; } },
        { "icon-colour-table-wraps-16-bits", [](Pair& p) { p.library.InfoHeaderOf(0).biClrUsed = 0x4000; } },
        { "strip-too-few-rows", [](Pair& p) { PutStrip(p.strip, kStripHeightAt, 90, 4); } },
        { "strip-narrower-than-icons", [](Pair& p) { PutStrip(p.strip, kStripWidthAt, 40, 4); } },
        { "strip-taller-than-file", [](Pair& p) { PutStrip(p.strip, kStripHeightAt, 0x00100000, 4); } },
        { "strip-cut-short", [](Pair& p) { p.strip.resize(p.strip.size() / 2); } },
        { "strip-colour-table-past-end", [](Pair& p) { PutStrip(p.strip, kStripClrUsedAt, 0x3FFF, 4); } },
        // Rows of width 0 take no bytes in the file, whatever the height.
        { "icon-width-zero", [](Pair& p) { p.library.InfoHeaderOf(0).biWidth = 0; }, kSmallTables },
        { "chain-to-itself", [](Pair& p) {
             p.library.Header().nIcons = 2;
             p.library.IconHeaderOf(0).dwNextOffset = std::uint32_t(p.library.icons[0].headerOffset);
         },
            kOneIcon },
    };
    return mutations;
}

} // namespace

std::vector<SeedInput> MakeSeedCorpus()
{
    std::vector<SeedInput> corpus;
    for (const ValidShape& shape : ValidShapes()) {
        Pair pair = ValidPair(shape);
        corpus.push_back({ kValidSeedPrefix + std::string(shape.name), JoinFuzzInput(pair.library.bytes, pair.strip) });
    }
    for (const Mutation& mutation : Mutations()) {
        Pair pair = ValidPair(ValidShapes().at(mutation.base));
        mutation.change(pair);
        corpus.push_back({ std::string("mutated-") + mutation.name, JoinFuzzInput(pair.library.bytes, pair.strip) });
    }
    return corpus;
}
