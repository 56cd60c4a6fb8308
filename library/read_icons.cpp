// Reading a library: the header, then for each icon of the chain its
// IconHeader, IconBitmap and IconGrid.
#include "library/icon_library_file.h"
#include "library/messages.h"

#include "platform/core/memory.h"
#include "platform/core/message_box.h"

#include <climits>
#include <cstring>

namespace {

constexpr DWORD kLargestSeekableOffset = INT32_MAX;

// A chain may visit one record more than once, and every visit loads the
// record again. All records together may hold this many times the file's
// length, plus a fixed allowance; past that, a request counts as refused.
constexpr std::uint64_t kLoadPerFileByte = 4;
constexpr std::uint64_t kLoadAllowance = std::uint64_t(16) << 20;

bool SignatureMatches(const IconFileHeader& header)
{
    // The comparison covers the terminating NUL at byte 70, so a text that
    // runs on past the 64 characters is refused too.
    return std::memcmp(header.szSignature, kLibrarySignature, sizeof(kLibrarySignature)) == 0;
}

// Appends without losing the record when the list cannot grow.
template<typename T>
void AppendOrRelease(std::vector<T*>& list, T* record, void (*release)(void*))
{
    try {
        list.push_back(record);
    } catch (...) {
        release(record);
        throw;
    }
}

} // namespace

bool CIconLibraryFile::BlockFitsInFile(std::uint64_t offset, std::uint64_t bytes)
{
    std::uint64_t length = GetLength();
    return offset <= length && bytes <= length - offset;
}

bool CIconLibraryFile::ReserveLoad(std::uint64_t bytes)
{
    std::uint64_t budget = kLoadPerFileByte * GetLength() + kLoadAllowance;
    if (bytes > budget - std::min(budget, m_bytesLoaded))
        return false;
    m_bytesLoaded += bytes;
    return true;
}

int CIconLibraryFile::ReadIcons()
{
    if (Read(m_rawHeader, kFileHeaderBytes) < kFileHeaderBytes) {
        ShowWarning("ReadIcons/Reading File Header - Error reading file\n");
        return 0;
    }
    std::memcpy(&m_header, m_rawHeader, sizeof(m_header));

    if (!SignatureMatches(m_header)) {
        ShowError(FormatWithName("Error in icon file <%s>.\n\nPlease delete and create new icons.", GetFilePath()));
        return 0;
    }
    if (m_header.wVersion != kLibraryVersion) {
        ShowWarning(FormatWithName("Error, icon file <%s> is bad or incompatible version", GetFilePath()));
        return 0;
    }

    DWORD offset = m_header.dwFirstIconOffset;
    for (int i = 0; i < m_header.nIcons; ++i) {
        if (!ReadIconHeaderAt(offset))
            return 0;
        offset = m_iconHeaders.back()->stored.dwNextOffset;
    }
    return 1;
}

// Reads the icon whose IconHeader lies at `offset`: the header, its bitmap
// and its grid. On failure the icon's header is released and out of the list.
int CIconLibraryFile::ReadIconHeaderAt(DWORD offset)
{
    auto* record = ReserveLoad(sizeof(IconHeaderRecord))
        ? static_cast<IconHeaderRecord*>(GlobalAllocLocked(sizeof(IconHeaderRecord)))
        : nullptr;
    if (record == nullptr) {
        ShowWarning("Error while allocating memory\n");
        return 0;
    }
    record->grid = nullptr;

    try {
        Seek(static_cast<LONG>(offset), CFile::begin);
    } catch (const CFileException&) {
        ShowWarning("ReadIcons/Seeking Icon Header - Error seeking to position\n");
        GlobalReleaseLocked(record);
        return 0;
    }
    if (Read(&record->stored, sizeof(IconHeader)) < sizeof(IconHeader)) {
        ShowWarning("ReadIcons/Reading Icon Header - Error reading file\n");
        GlobalReleaseLocked(record);
        return 0;
    }
    // The stored link is meaningless in memory; the wide reference is `grid`.
    record->stored.pGrid = 0;
    AppendOrRelease(m_iconHeaders, record, GlobalReleaseLocked);

    try {
        Seek(static_cast<LONG>(DWORD(record->stored.dwBitmapOffset)), CFile::begin);
    } catch (const CFileException&) {
        ShowWarning("ReadIcons/Seeking Icon Bitmap - Error seeking\n");
        DropLastIconHeader();
        return 0;
    }
    if (!ReadIconBitmap()) {
        DropLastIconHeader();
        return 0;
    }
    if (!ReadIconGrid(*record)) {
        DropLastIconHeader();
        return 0;
    }
    return 1;
}

int CIconLibraryFile::ReadIconGrid(IconHeaderRecord& record)
{
    IconHeader& header = record.stored;
    std::int64_t size = std::int64_t(header.nGridWidth) * header.nGridHeight * 2;
    DWORD offset = header.dwGridOffset;
    if (size == 0 || offset == 0) {
        header.nGridWidth = 0;
        header.nGridHeight = 0;
        return 1;
    }

    // Exactly one negative dimension gives a negative size, a request that
    // cannot be met; so does a size that a signed 32-bit count cannot hold.
    if (size < 0 || size > INT32_MAX) {
        ShowWarning("Error while allocating memory\n");
        return 0;
    }
    // Before allocating, make sure the file can hold the whole grid, so that
    // a hostile size costs no memory; the outcome is the one that the seek
    // or the short read would have given.
    if (offset > kLargestSeekableOffset) {
        ShowWarning("ReadIcons/Seeking Grid - Error seeking\n");
        return 0;
    }
    if (!BlockFitsInFile(offset, static_cast<std::uint64_t>(size))) {
        ShowWarning("ReadIcons/Reading Grid - Error reading file\n");
        return 0;
    }

    void* grid = ReserveLoad(static_cast<std::uint64_t>(size)) ? GlobalAllocLocked(static_cast<SIZE_T>(size)) : nullptr;
    if (grid == nullptr) {
        ShowWarning("Error while allocating memory\n");
        return 0;
    }
    record.grid = grid;

    try {
        Seek(static_cast<LONG>(offset), CFile::begin);
    } catch (const CFileException&) {
        ShowWarning("ReadIcons/Seeking Grid - Error seeking\n");
        return 0;
    }
    if (Read(grid, static_cast<UINT>(size)) < static_cast<UINT>(size)) {
        ShowWarning("ReadIcons/Reading Grid - Error reading file\n");
        return 0;
    }
    return 1;
}

int CIconLibraryFile::ReadIconBitmap()
{
    BITMAPFILEHEADER fileHeader;
    if (Read(&fileHeader, sizeof(fileHeader)) < sizeof(fileHeader))
        return 0;
    if (fileHeader.bfType != kBitmapType)
        return 0;

    // bfSize counts the bytes that follow the file header.
    std::uint64_t bodyBytes = fileHeader.bfSize;
    std::uint64_t blockBytes = sizeof(fileHeader) + bodyBytes;
    if (blockBytes > UINT32_MAX)
        return 0;
    // A block that the file cannot complete would fail its read; refuse it
    // before asking for the memory.
    if (!BlockFitsInFile(GetPosition(), bodyBytes))
        return 0;

    auto* block = ReserveLoad(blockBytes) ? static_cast<unsigned char*>(HeapAllocate(static_cast<SIZE_T>(blockBytes))) : nullptr;
    if (block == nullptr)
        return 0;
    std::memcpy(block, &fileHeader, sizeof(fileHeader));
    if (Read(block + sizeof(fileHeader), static_cast<UINT>(bodyBytes)) < bodyBytes) {
        HeapRelease(block);
        return 0;
    }
    AppendOrRelease(m_iconBitmaps, block, HeapRelease);
    return 1;
}

// Releases the IconHeader being read, with its grid, and takes it out of
// the list, so that the object never refers to a released record.
void CIconLibraryFile::DropLastIconHeader()
{
    IconHeaderRecord* record = m_iconHeaders.back();
    m_iconHeaders.pop_back();
    GlobalReleaseLocked(record->grid);
    GlobalReleaseLocked(record);
}
