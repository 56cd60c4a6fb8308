// Writes the sample icon library of examples/: four 8-bit icons of
// different sizes that share one colour table, three of them with a grid.
// The committed sample-library.ico is this program's output; a test checks
// that it still is.
//
//   quintaro-make-sample examples/sample-library.ico
#include "examples/sample_pictures.h"
#include "tests/support/library_builder.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

LibraryImage BuildSample()
{
    const auto& pictures = SamplePictures();
    LibraryBuilder builder;
    for (const SamplePicture& picture : pictures) {
        IconSpec spec;
        spec.width = picture.width;
        spec.height = picture.height;
        spec.gridWidth = picture.gridWidth;
        spec.gridHeight = picture.gridHeight;
        builder.Icon(spec);
    }
    LibraryImage image = builder.Build();

    // The builder's own colours and pixels are test patterns; paint the
    // pictures over them, with the rounding bytes of each row left 0.
    const std::vector<std::uint8_t> palette = SamplePalette();
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const SamplePicture& picture = pictures[i];
        const IconLayout& layout = image.icons[i];
        std::memcpy(image.bytes.data() + layout.bitmapOffset + 14 + 40, palette.data(), palette.size());
        for (int row = 0; row < picture.height; ++row) {
            std::uint8_t* stored = image.bytes.data() + layout.rowsOffset + std::size_t(row) * layout.rowBytes;
            std::memset(stored, 0, layout.rowBytes);
            // Rows are stored bottom-up.
            int fromTop = picture.height - 1 - row;
            for (int x = 0; x < picture.width; ++x)
                stored[x] = picture.pixel(x, fromTop, picture.width, picture.height);
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    try {
        BuildSample().Save(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
