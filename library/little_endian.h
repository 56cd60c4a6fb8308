// Little-endian fields stored as bytes. Records built from these have no
// padding and no alignment, so their layout is exactly the bytes on disk,
// whatever the host's byte order.
#pragma once

#include <cstdint>
#include <type_traits>

template<typename T>
struct LittleEndian {
    unsigned char bytes[sizeof(T)];

    constexpr operator T() const
    {
        using U = std::make_unsigned_t<T>;
        U value = 0;
        for (unsigned i = 0; i < sizeof(T); ++i)
            value = static_cast<U>(value | (static_cast<U>(bytes[i]) << (8 * i)));
        return static_cast<T>(value);
    }

    constexpr LittleEndian& operator=(T value)
    {
        using U = std::make_unsigned_t<T>;
        auto bits = static_cast<U>(value);
        for (unsigned i = 0; i < sizeof(T); ++i)
            bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
        return *this;
    }
};

using le16 = LittleEndian<std::uint16_t>;
using les16 = LittleEndian<std::int16_t>;
using le32 = LittleEndian<std::uint32_t>;
using les32 = LittleEndian<std::int32_t>;
