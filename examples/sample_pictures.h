// The pictures and the shared colour table of the sample library.
#pragma once

#include <cstdint>
#include <vector>

struct SamplePicture {
    std::int32_t width;
    std::int32_t height;
    // Grid cells; 0 x 0 gives the icon no grid.
    std::int16_t gridWidth;
    std::int16_t gridHeight;
    // The colour index at column x of row y, counted from the top.
    std::uint8_t (*pixel)(int x, int y, int width, int height);
};

// The icons of the sample, in library order.
const std::vector<SamplePicture>& SamplePictures();

// 256 entries of 4 bytes (blue, green, red, 0): the 16 classic colours, a
// 6 x 6 x 6 colour cube and 24 greys.
std::vector<std::uint8_t> SamplePalette();
