#include "tests/support/library_builder.h"
#include "tests/support/temp_dir.h"

#include <cstring>

std::size_t RowLength(std::int32_t width) { return (static_cast<std::size_t>(width) + 3) & ~std::size_t(3); }

std::uint32_t PaletteEntries(const IconSpec& spec)
{
    if (spec.clrUsed != 0)
        return spec.clrUsed;
    return spec.bitCount <= 8 ? (1u << spec.bitCount) : 0;
}

std::vector<std::uint8_t> PaletteFor(const IconSpec& spec)
{
    std::vector<std::uint8_t> table(PaletteEntries(spec) * 4);
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<std::uint8_t>(i * 5 + spec.paletteSeed * 17 + 3);
    return table;
}

namespace {

std::uint8_t PixelAt(const IconSpec& spec, std::size_t row, std::size_t column)
{
    return static_cast<std::uint8_t>(spec.pixelSeed * 31 + row * 7 + column * 3);
}

template<typename T>
void Put(std::vector<std::uint8_t>& out, std::size_t offset, const T& record)
{
    std::memcpy(out.data() + offset, &record, sizeof(T));
}

} // namespace

LibraryBuilder& LibraryBuilder::Icon(const IconSpec& spec)
{
    m_specs.push_back(spec);
    return *this;
}

LibraryBuilder& LibraryBuilder::Icons(const std::vector<IconSpec>& specs)
{
    m_specs.insert(m_specs.end(), specs.begin(), specs.end());
    return *this;
}

LibraryBuilder& LibraryBuilder::Trailing(std::size_t count)
{
    m_trailing = count;
    return *this;
}

LibraryImage LibraryBuilder::Build() const
{
    LibraryImage image;
    auto& out = image.bytes;
    out.assign(sizeof(IconFileHeader), 0);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<std::uint8_t>(0xA0 + i); // bytes no field gives a meaning
    IconFileHeader header;
    std::memcpy(&header, out.data(), sizeof(header));
    header.wVersion = kLibraryVersion;
    std::memcpy(header.szSignature, kLibrarySignature, sizeof(kLibrarySignature));
    header.nIcons = static_cast<std::int16_t>(m_specs.size());
    header.pFirstIcon = 0x11111111;
    header.pCurrentIcon = 0x22222222;
    header.pLastIcon = 0x33333333;
    header.dwFirstIconOffset = m_specs.empty() ? 0 : sizeof(IconFileHeader);
    Put(out, 0, header);

    for (std::size_t i = 0; i < m_specs.size(); ++i) {
        const IconSpec& spec = m_specs[i];
        IconLayout layout {};
        layout.headerOffset = out.size();
        layout.bitmapOffset = layout.headerOffset + sizeof(IconHeader);
        std::vector<std::uint8_t> palette = PaletteFor(spec);
        layout.rowBytes = RowLength(spec.width);
        std::size_t rows = spec.height > 0 ? static_cast<std::size_t>(spec.height) : 0;
        layout.rowsOffset = layout.bitmapOffset + 14 + 40 + palette.size();
        std::size_t bitmapEnd = layout.rowsOffset + layout.rowBytes * rows;
        bool hasGrid = spec.gridWidth != 0 && spec.gridHeight != 0;
        layout.gridBytes = hasGrid ? static_cast<std::size_t>(std::abs(spec.gridWidth * spec.gridHeight * 2)) : 0;
        layout.gridOffset = hasGrid ? bitmapEnd : 0;
        out.resize(bitmapEnd + layout.gridBytes);

        IconHeader iconHeader;
        std::memset(&iconHeader, 0x5A, sizeof(iconHeader));
        iconHeader.pNext = 0x44444444;
        iconHeader.dwNextOffset = static_cast<std::uint32_t>(out.size());
        iconHeader.nGridWidth = spec.gridWidth;
        iconHeader.nGridHeight = spec.gridHeight;
        iconHeader.dwBitmapOffset = static_cast<std::uint32_t>(layout.bitmapOffset);
        iconHeader.pGrid = 0x55555555;
        iconHeader.dwGridOffset = static_cast<std::uint32_t>(layout.gridOffset);
        Put(out, layout.headerOffset, iconHeader);

        BITMAPFILEHEADER fileHeader {};
        fileHeader.bfType = kBitmapType;
        fileHeader.bfSize = static_cast<std::uint32_t>(bitmapEnd - layout.bitmapOffset - 14 + (spec.bfSizeCountsHeader ? 14 : 0));
        fileHeader.bfReserved1 = 0x0102;
        fileHeader.bfReserved2 = 0x0304;
        fileHeader.bfOffBits = static_cast<std::uint32_t>(14 + 40 + palette.size());
        Put(out, layout.bitmapOffset, fileHeader);

        BITMAPINFOHEADER info {};
        info.biSize = 40;
        info.biWidth = spec.width;
        info.biHeight = spec.height;
        info.biPlanes = 1;
        info.biBitCount = spec.bitCount;
        info.biCompression = spec.compression;
        info.biSizeImage = static_cast<std::uint32_t>(layout.rowBytes * rows);
        info.biXPelsPerMeter = 2835;
        info.biYPelsPerMeter = 2835;
        info.biClrUsed = spec.clrUsed;
        info.biClrImportant = 7;
        Put(out, layout.bitmapOffset + 14, info);
        std::memcpy(out.data() + layout.bitmapOffset + 54, palette.data(), palette.size());

        for (std::size_t row = 0; row < rows; ++row)
            for (std::size_t column = 0; column < layout.rowBytes; ++column)
                out[layout.rowsOffset + row * layout.rowBytes + column] = PixelAt(spec, row, column);
        for (std::size_t cell = 0; cell < layout.gridBytes; ++cell)
            out[layout.gridOffset + cell] = static_cast<std::uint8_t>(0xC0 + cell + i);

        image.icons.push_back(layout);
    }
    // The last icon's link is never followed; make it point nowhere useful.
    if (!m_specs.empty())
        image.IconHeaderOf(m_specs.size() - 1).dwNextOffset = 0xFFFFFFF0;
    out.insert(out.end(), m_trailing, 0xEE);
    return image;
}

std::vector<std::uint8_t> LibraryImage::RowsOf(std::size_t i) const
{
    const IconLayout& layout = icons.at(i);
    BITMAPINFOHEADER info;
    std::memcpy(&info, bytes.data() + layout.bitmapOffset + 14, sizeof(info));
    std::size_t rows = info.biHeight > 0 ? static_cast<std::size_t>(std::int32_t(info.biHeight)) : 0;
    auto first = bytes.begin() + static_cast<std::ptrdiff_t>(layout.rowsOffset);
    return { first, first + static_cast<std::ptrdiff_t>(rows * layout.rowBytes) };
}

std::vector<std::uint8_t> LibraryImage::BitmapBlockOf(std::size_t i) const
{
    const IconLayout& layout = icons.at(i);
    BITMAPFILEHEADER fileHeader;
    std::memcpy(&fileHeader, bytes.data() + layout.bitmapOffset, sizeof(fileHeader));
    auto first = bytes.begin() + static_cast<std::ptrdiff_t>(layout.bitmapOffset);
    return { first, first + 14 + static_cast<std::ptrdiff_t>(std::uint32_t(fileHeader.bfSize)) };
}

std::vector<std::uint8_t> LibraryImage::GridOf(std::size_t i) const
{
    const IconLayout& layout = icons.at(i);
    auto first = bytes.begin() + static_cast<std::ptrdiff_t>(layout.gridOffset);
    return { first, first + static_cast<std::ptrdiff_t>(layout.gridBytes) };
}

void LibraryImage::Save(const std::string& fileName) const { WriteFileBytes(fileName, bytes); }
