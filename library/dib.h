// Measurements of a device-independent bitmap from its information header
// in memory, which is followed by its colour table and its pixel rows.
// They trust the header: callers check the results against their block.
#pragma once

#include "library/records.h"

// Colour-table entries: biClrUsed (low 16 bits) when set, else 2, 16 or 256
// for 1, 4 or 8 bits per pixel, else 0.
std::uint16_t DibColorCount(const BITMAPINFOHEADER* header);
// Colour-table bytes: four per entry, cut to 16 bits.
std::uint16_t DibPaletteBytes(const BITMAPINFOHEADER* header);
// The first byte of the pixel rows: biSize and the colour table past the header.
const unsigned char* DibBitsPointer(const BITMAPINFOHEADER* header);
unsigned char* DibBitsPointer(BITMAPINFOHEADER* header);
