#include "cli/bitmap_block_view.h"

#include "library/dib.h"

namespace {

constexpr std::uint64_t kFileHeaderBytes = sizeof(BITMAPFILEHEADER);

} // namespace

BitmapBlockView::BitmapBlockView(const unsigned char* block)
    : m_block(block)
{
    // The reader never keeps a block shorter than its file header.
    const auto* fileHeader = reinterpret_cast<const BITMAPFILEHEADER*>(block);
    m_length = kFileHeaderBytes + std::uint32_t(fileHeader->bfSize);
}

const BITMAPINFOHEADER* BitmapBlockView::InfoHeader() const
{
    if (m_length < kFileHeaderBytes + sizeof(BITMAPINFOHEADER))
        return nullptr;
    return reinterpret_cast<const BITMAPINFOHEADER*>(m_block + kFileHeaderBytes);
}

std::optional<std::span<const unsigned char>> BitmapBlockView::ColourTable() const
{
    const BITMAPINFOHEADER* info = InfoHeader();
    if (info == nullptr)
        return std::nullopt;
    // In 64 bits, biSize and the table's size cannot wrap around.
    std::uint64_t start = kFileHeaderBytes + std::uint32_t(info->biSize);
    std::uint64_t bytes = DibPaletteBytes(info);
    if (start > m_length || bytes > m_length - start)
        return std::nullopt;
    return std::span<const unsigned char>(m_block + start, static_cast<std::size_t>(bytes));
}
