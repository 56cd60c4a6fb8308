#include "bench/bench_libraries.h"

namespace {

std::vector<IconSpec> MixedIcons(int count)
{
    std::vector<IconSpec> icons;
    for (int i = 0; i < count; ++i) {
        std::int16_t side = i % 2 == 0 ? 32 : 48;
        icons.push_back({ .width = side, .height = side, .paletteSeed = std::uint8_t(i % 8), .pixelSeed = std::uint8_t(i),
            .gridWidth = side, .gridHeight = side });
    }
    return icons;
}

std::vector<IconSpec> BigIcons(int count)
{
    std::vector<IconSpec> icons;
    for (int i = 0; i < count; ++i)
        icons.push_back({ .width = 1024, .height = 1024, .pixelSeed = std::uint8_t(i), .gridWidth = 64, .gridHeight = 64 });
    return icons;
}

} // namespace

std::vector<BenchLibrary> MakeBenchLibraries()
{
    std::vector<BenchLibrary> libraries;
    libraries.push_back({ "realistic-200", LibraryBuilder().Icons(MixedIcons(200)).Build() });
    libraries.push_back({ "many-2000", LibraryBuilder().Icons(MixedIcons(2000)).Build() });
    libraries.push_back({ "big-1024", LibraryBuilder().Icons(BigIcons(4)).Build() });
    return libraries;
}
