#include "examples/sample_pictures.h"

#include <cstdlib>

namespace {

// Indices of the classic colours at the start of the table.
enum : std::uint8_t {
    kBlack = 0,
    kMaroon = 1,
    kTeal = 6,
    kRed = 9,
    kYellow = 11,
    kBlue = 12,
    kWhite = 15,
};

// A red disc with a black rim on white.
std::uint8_t Disc(int x, int y, int width, int height)
{
    int dx = 2 * x + 1 - width;
    int dy = 2 * y + 1 - height;
    int distance = dx * dx + dy * dy;
    int radius = width - 4;
    if (distance > radius * radius)
        return kWhite;
    return distance > (radius - 4) * (radius - 4) ? kBlack : kRed;
}

// A blue plus on yellow.
std::uint8_t Plus(int x, int y, int width, int height)
{
    bool across = std::abs(2 * y + 1 - height) <= 3;
    bool down = std::abs(2 * x + 1 - width) <= 3;
    return across || down ? kBlue : kYellow;
}

// A house: a maroon roof over a yellow wall with a black door, on white.
std::uint8_t House(int x, int y, int width, int height)
{
    int middle = width / 2;
    int eaves = height / 2;
    if (y < eaves)
        return std::abs(x - middle) <= y ? kMaroon : kWhite;
    if (x < 3 || x >= width - 3)
        return kWhite;
    bool door = y >= height - 8 && std::abs(x - middle) <= 2;
    return door ? kBlack : kYellow;
}

// A teal arrow pointing right, on white; 30 pixels wide, so each of its
// rows is stored with two bytes of rounding.
std::uint8_t Arrow(int x, int y, int width, int height)
{
    int fromMiddle = std::abs(2 * y + 1 - height) / 2;
    int head = width - height / 2;
    if (x < head)
        return x >= 2 && fromMiddle <= 2 ? kTeal : kWhite;
    return fromMiddle <= width - x - 1 ? kTeal : kWhite;
}

} // namespace

const std::vector<SamplePicture>& SamplePictures()
{
    static const std::vector<SamplePicture> pictures = {
        { 32, 32, 8, 8, Disc },
        { 16, 16, 4, 4, Plus },
        { 24, 24, 0, 0, House },
        { 30, 20, 6, 4, Arrow },
    };
    return pictures;
}

std::vector<std::uint8_t> SamplePalette()
{
    static const std::uint8_t classic[16][3] = { // red, green, blue
        { 0, 0, 0 }, { 128, 0, 0 }, { 0, 128, 0 }, { 128, 128, 0 },
        { 0, 0, 128 }, { 128, 0, 128 }, { 0, 128, 128 }, { 192, 192, 192 },
        { 128, 128, 128 }, { 255, 0, 0 }, { 0, 255, 0 }, { 255, 255, 0 },
        { 0, 0, 255 }, { 255, 0, 255 }, { 0, 255, 255 }, { 255, 255, 255 },
    };
    std::vector<std::uint8_t> table;
    auto add = [&table](int red, int green, int blue) {
        table.insert(table.end(), { std::uint8_t(blue), std::uint8_t(green), std::uint8_t(red), 0 });
    };
    for (const auto& colour : classic)
        add(colour[0], colour[1], colour[2]);
    for (int red = 0; red < 6; ++red)
        for (int green = 0; green < 6; ++green)
            for (int blue = 0; blue < 6; ++blue)
                add(red * 51, green * 51, blue * 51);
    for (int grey = 0; grey < 24; ++grey)
        add(8 + grey * 10, 8 + grey * 10, 8 + grey * 10);
    return table;
}
