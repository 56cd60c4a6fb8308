// CIconLibraryFile: an open icon library file and, once read, its records
// in memory. The conversions between a library and a strip bitmap are
// members too, so that they work on the loaded records directly.
#pragma once

#include "library/records.h"
#include "platform/core/cstring.h"
#include "platform/core/file.h"

#include <vector>

// An IconHeader as held in memory: the 92 stored bytes, then the reference
// to the icon's loaded IconGrid, which a 32-bit pGrid cannot hold here.
// When no grid was loaded, grid is nullptr and nGridWidth and nGridHeight
// are 0.
struct IconHeaderRecord {
    IconHeader stored;
    void* grid;
};

// How a conversion ended, beyond its 1-or-0 result: a declined overwrite
// counts as success but writes nothing.
enum class ConversionOutcome {
    Failed,
    Written,
    Declined,
};

class CIconLibraryFile : public CFile {
public:
    static constexpr int kFileHeaderBytes = 382;

    CIconLibraryFile();
    ~CIconLibraryFile() override;

    // Reads the header and the whole chain of icons from the start of the
    // open file. Returns 1 on success (also for a library without icons), 0
    // after showing the failure's message, if it has one.
    int ReadIcons();
    // Reads one IconBitmap at the current position and appends it; 0 on
    // failure, without a message.
    int ReadIconBitmap();

    // Writes the loaded library out as one strip bitmap.
    int BuildBmpFile(const char* outputName);
    // Reads this library and writes a copy of it with the icons' pixel rows
    // taken from the strip bitmap.
    int BuildIcoFile(const CString& outputName, const CString& stripName);

    // Releases every loaded record, for each index the IconBitmap, then the
    // icon's IconGrid, then its IconHeader, and empties both lists.
    void ReleaseRecords();

    ConversionOutcome LastOutcome() const { return m_outcome; }

    unsigned char m_rawHeader[kFileHeaderBytes];
    IconFileHeader m_header;
    std::vector<IconHeaderRecord*> m_iconHeaders;
    std::vector<unsigned char*> m_iconBitmaps;

private:
    int ReadIconHeaderAt(DWORD offset);
    int ReadIconGrid(IconHeaderRecord& record);
    void DropLastIconHeader();
    bool BlockFitsInFile(std::uint64_t offset, std::uint64_t bytes);
    bool ReserveLoad(std::uint64_t bytes);

    ConversionOutcome m_outcome = ConversionOutcome::Failed;
    // What the records read so far hold; a chain may read one record many
    // times, and this keeps the total in proportion to the file.
    std::uint64_t m_bytesLoaded = 0;
};
