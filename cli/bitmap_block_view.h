// A bounds-checked view of an IconBitmap block as the reader holds it: the
// 14-byte file header, then bfSize bytes from the file. The bytes come from
// an untrusted file, so each part is checked against the block's length
// before it is handed out.
#pragma once

#include "library/records.h"

#include <cstdint>
#include <optional>
#include <span>

class BitmapBlockView {
public:
    explicit BitmapBlockView(const unsigned char* block);

    // 14 + bfSize.
    std::uint64_t Length() const { return m_length; }
    // The information header at offset 14, or nullptr when the block is too
    // short for its 40 bytes.
    const BITMAPINFOHEADER* InfoHeader() const;
    // The colour table, where the conversions take it from: biSize bytes
    // behind the start of the information header. Empty when there is no
    // information header or the table runs past the end of the block.
    std::optional<std::span<const unsigned char>> ColourTable() const;

private:
    const unsigned char* m_block;
    std::uint64_t m_length;
};
