#include "exception_guard.h"
#include "application_title.h"
#include "message_box.h"

#include <new>

namespace {

constexpr size_t kLongestReport = 127;

const char* CauseText(CFileException::Cause cause)
{
    switch (cause) {
    case CFileException::fileNotFound:
        return "%1 was not found.";
    case CFileException::badPath:
        return "%1 contains an invalid path.";
    case CFileException::tooManyOpenFiles:
        return "%1 could not be opened because there are too many open files.";
    case CFileException::accessDenied:
        return "Access to %1 was denied.";
    case CFileException::invalidFile:
        return "An invalid file handle was associated with %1.";
    case CFileException::removeCurrentDir:
        return "%1 could not be removed because it is the current directory.";
    case CFileException::directoryFull:
        return "%1 could not be created because the directory is full.";
    case CFileException::badSeek:
        return "Seek failed on %1";
    case CFileException::hardIO:
        return "A hardware I/O error was reported while accessing %1.";
    case CFileException::sharingViolation:
        return "A sharing violation occurred while accessing %1.";
    case CFileException::lockViolation:
        return "A locking violation occurred while accessing %1.";
    case CFileException::diskFull:
        return "Disk full while accessing %1.";
    case CFileException::endOfFile:
        return "An attempt was made to access %1 past its end.";
    case CFileException::none:
    case CFileException::genericException:
        break;
    }
    return "An unknown error occurred while accessing %1.";
}

} // namespace

CString DescribeFileException(const CFileException& error)
{
    CString pattern = CauseText(error.m_cause);
    CString name = error.m_strFileName.empty() ? CString("an unnamed file") : error.m_strFileName;
    auto marker = pattern.find("%1");
    if (marker != CString::npos)
        pattern.replace(marker, 2, name);
    if (pattern.size() > kLongestReport)
        pattern.resize(kLongestReport);
    return pattern;
}

bool RunGuarded(HWND owner, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const CFileException& error) {
        ShowOwnedMessage(owner, DescribeFileException(error), GetApplicationTitle(), MB_ICONERROR | MB_OK);
    } catch (const CMemoryException&) {
        ShowOwnedMessage(owner, kOutOfMemoryText, GetApplicationTitle(), MB_ICONWARNING | MB_SYSTEMMODAL);
    } catch (const std::bad_alloc&) {
        ShowOwnedMessage(owner, kOutOfMemoryText, GetApplicationTitle(), MB_ICONWARNING | MB_SYSTEMMODAL);
    }
    return false;
}
