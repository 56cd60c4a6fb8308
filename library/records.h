// The records of an icon library file and of the BMP images embedded in it,
// laid out byte for byte as stored.
#pragma once

#include "library/little_endian.h"

#include <cstddef>

inline constexpr char kLibrarySignature[] = "Copyright (c) 1995-1996, Ostrelline Company, All Rights Reserved";
inline constexpr std::uint16_t kLibraryVersion = 6;

// At offset 0 of every library.
struct IconFileHeader {
    unsigned char reserved0[4];
    le16 wVersion;
    char szSignature[65];
    unsigned char reserved1[17];
    les16 nIcons;
    le32 pFirstIcon;
    le32 pCurrentIcon;
    le32 pLastIcon;
    unsigned char reserved2[16];
    le32 dwFirstIconOffset;
    unsigned char reserved3[260];
};

// One per icon, chained by dwNextOffset.
struct IconHeader {
    le32 pNext;
    le32 dwNextOffset;
    unsigned char reserved0[16];
    les16 nGridWidth;
    les16 nGridHeight;
    unsigned char reserved1[28];
    le32 dwBitmapOffset;
    le32 pGrid;
    le32 dwGridOffset;
    unsigned char reserved2[24];
};

struct BITMAPFILEHEADER {
    le16 bfType;
    le32 bfSize;
    le16 bfReserved1;
    le16 bfReserved2;
    le32 bfOffBits;
};

struct BITMAPINFOHEADER {
    le32 biSize;
    les32 biWidth;
    les32 biHeight;
    le16 biPlanes;
    le16 biBitCount;
    le32 biCompression;
    le32 biSizeImage;
    les32 biXPelsPerMeter;
    les32 biYPelsPerMeter;
    le32 biClrUsed;
    le32 biClrImportant;
};

inline constexpr std::uint16_t kBitmapType = 0x4D42; // "BM"
inline constexpr std::uint32_t BI_RGB = 0;

static_assert(sizeof(IconFileHeader) == 382);
static_assert(offsetof(IconFileHeader, wVersion) == 4);
static_assert(offsetof(IconFileHeader, szSignature) == 6);
static_assert(offsetof(IconFileHeader, nIcons) == 88);
static_assert(offsetof(IconFileHeader, pFirstIcon) == 90);
static_assert(offsetof(IconFileHeader, pCurrentIcon) == 94);
static_assert(offsetof(IconFileHeader, pLastIcon) == 98);
static_assert(offsetof(IconFileHeader, dwFirstIconOffset) == 118);
static_assert(sizeof(kLibrarySignature) == 65);

static_assert(sizeof(IconHeader) == 92);
static_assert(offsetof(IconHeader, dwNextOffset) == 4);
static_assert(offsetof(IconHeader, nGridWidth) == 24);
static_assert(offsetof(IconHeader, nGridHeight) == 26);
static_assert(offsetof(IconHeader, dwBitmapOffset) == 56);
static_assert(offsetof(IconHeader, pGrid) == 60);
static_assert(offsetof(IconHeader, dwGridOffset) == 64);

static_assert(sizeof(BITMAPFILEHEADER) == 14);
static_assert(offsetof(BITMAPFILEHEADER, bfSize) == 2);
static_assert(offsetof(BITMAPFILEHEADER, bfOffBits) == 10);

static_assert(sizeof(BITMAPINFOHEADER) == 40);
static_assert(offsetof(BITMAPINFOHEADER, biWidth) == 4);
static_assert(offsetof(BITMAPINFOHEADER, biHeight) == 8);
static_assert(offsetof(BITMAPINFOHEADER, biBitCount) == 14);
static_assert(offsetof(BITMAPINFOHEADER, biCompression) == 16);
static_assert(offsetof(BITMAPINFOHEADER, biSizeImage) == 20);
static_assert(offsetof(BITMAPINFOHEADER, biClrUsed) == 32);
static_assert(offsetof(BITMAPINFOHEADER, biClrImportant) == 36);
