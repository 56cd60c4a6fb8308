// Composes icon library files for tests from a short description: icons of
// given sizes and colour tables, with or without grids. Any field can then
// be overridden through the typed views, and the file cut short.
#pragma once

#include "library/records.h"

#include <cstdint>
#include <string>
#include <vector>

struct IconSpec {
    std::int32_t width = 16;
    std::int32_t height = 16;
    std::uint16_t bitCount = 8;
    // 0 gives the full table for the bit count.
    std::uint32_t clrUsed = 0;
    // Icons with the same seed share a colour table.
    std::uint8_t paletteSeed = 0;
    std::uint8_t pixelSeed = 1;
    // A grid is written when both are non-zero.
    std::int16_t gridWidth = 0;
    std::int16_t gridHeight = 0;
    std::uint32_t compression = BI_RGB;
    // Makes bfSize count its own 14 bytes too, as the published layout does.
    bool bfSizeCountsHeader = false;
};

// Where the parts of one icon were put.
struct IconLayout {
    std::size_t headerOffset;
    std::size_t bitmapOffset;
    std::size_t rowsOffset;
    std::size_t rowBytes;
    std::size_t gridOffset; // 0 without a grid
    std::size_t gridBytes;
};

class LibraryImage {
public:
    std::vector<std::uint8_t> bytes;
    std::vector<IconLayout> icons;

    IconFileHeader& Header() { return At<IconFileHeader>(0); }
    IconHeader& IconHeaderOf(std::size_t i) { return At<IconHeader>(icons.at(i).headerOffset); }
    BITMAPFILEHEADER& FileHeaderOf(std::size_t i) { return At<BITMAPFILEHEADER>(icons.at(i).bitmapOffset); }
    BITMAPINFOHEADER& InfoHeaderOf(std::size_t i) { return At<BITMAPINFOHEADER>(icons.at(i).bitmapOffset + 14); }

    // The stored pixel rows of icon i, rounding bytes included.
    std::vector<std::uint8_t> RowsOf(std::size_t i) const;
    // The bytes of a whole IconBitmap block as the reader holds it.
    std::vector<std::uint8_t> BitmapBlockOf(std::size_t i) const;
    std::vector<std::uint8_t> GridOf(std::size_t i) const;

    // Records are made of byte arrays only, so any offset is aligned for them.
    template<typename T>
    T& At(std::size_t offset)
    {
        if (offset + sizeof(T) > bytes.size())
            bytes.resize(offset + sizeof(T));
        return *reinterpret_cast<T*>(bytes.data() + offset);
    }

    void Truncate(std::size_t length) { bytes.resize(length); }
    void Save(const std::string& fileName) const;
};

class LibraryBuilder {
public:
    LibraryBuilder& Icon(const IconSpec& spec);
    LibraryBuilder& Icons(const std::vector<IconSpec>& specs);
    // Bytes after the last part that no offset reaches.
    LibraryBuilder& Trailing(std::size_t count);
    LibraryImage Build() const;

private:
    std::vector<IconSpec> m_specs;
    std::size_t m_trailing = 0;
};

// A row length: the width rounded up to a multiple of 4.
std::size_t RowLength(std::int32_t width);
// The colour table a spec gets (4 bytes per entry).
std::vector<std::uint8_t> PaletteFor(const IconSpec& spec);
// The number of colour-table entries a spec gets.
std::uint32_t PaletteEntries(const IconSpec& spec);
