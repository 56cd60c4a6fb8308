#include "library/icon_library_file.h"

#include "platform/core/memory.h"

CIconLibraryFile::CIconLibraryFile() = default;

CIconLibraryFile::~CIconLibraryFile()
{
    // A failed read leaves the records of the icons before the failure in
    // the lists; a completed conversion has already emptied them.
    ReleaseRecords();
}

void CIconLibraryFile::ReleaseRecords()
{
    std::size_t count = std::max(m_iconBitmaps.size(), m_iconHeaders.size());
    for (std::size_t k = 0; k < count; ++k) {
        if (k < m_iconBitmaps.size())
            HeapRelease(m_iconBitmaps[k]);
        if (k < m_iconHeaders.size()) {
            GlobalReleaseLocked(m_iconHeaders[k]->grid);
            GlobalReleaseLocked(m_iconHeaders[k]);
        }
    }
    m_iconBitmaps.clear();
    m_iconHeaders.clear();
}
