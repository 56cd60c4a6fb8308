#include "file.h"
#include "file_faults.h"

#include <cerrno>
#include <climits>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <fcntl.h>

namespace {

CString FullPathOf(const char* fileName)
{
    std::error_code ignored;
    auto path = std::filesystem::absolute(fileName, ignored);
    return ignored ? CString(fileName) : path.lexically_normal().string();
}

void Fail(CFileException* error, CFileException::Cause cause, int osError, const char* fileName)
{
    if (error)
        *error = CFileException(cause, osError, fileName);
}

} // namespace

CFile::CFile() = default;

CFile::~CFile()
{
    if (m_hFile >= 0)
        ::close(m_hFile);
}

BOOL CFile::Open(const char* fileName, UINT openFlags, CFileException* error)
{
    if (m_hFile >= 0 || fileName == nullptr || *fileName == '\0') {
        Fail(error, CFileException::badPath, EINVAL, fileName ? fileName : "");
        return FALSE;
    }

    bool create = (openFlags & modeCreate) != 0;
    int access = (openFlags & modeReadWrite) ? O_RDWR : (openFlags & modeWrite) ? O_WRONLY : O_RDONLY;
    // Never O_TRUNC here: a file held by another opener must not be cut, so
    // the cut waits until our lock is taken.
    int flags = access | O_CLOEXEC | (create ? O_CREAT : 0);
    int fd = ::open(fileName, flags, 0666);
    if (fd < 0) {
        Fail(error, CFileException::CauseFromErrno(errno), errno, fileName);
        return FALSE;
    }

    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        Fail(error, CFileException::fileNotFound, ENOENT, fileName);
        return FALSE;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int lockError = errno;
        ::close(fd);
        Fail(error, CFileException::sharingViolation, lockError, fileName);
        return FALSE;
    }
    if (create && ::ftruncate(fd, 0) != 0) {
        int truncateError = errno;
        ::close(fd);
        Fail(error, CFileException::CauseFromErrno(truncateError), truncateError, fileName);
        return FALSE;
    }

    m_hFile = fd;
    m_strFilePath = FullPathOf(fileName);
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    auto* out = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < count) {
        ssize_t got = ::read(m_hFile, out + done, count - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw CFileException(CFileException::CauseFromErrno(errno), errno, "");
        }
        if (got == 0)
            break;
        done += static_cast<UINT>(got);
    }
    return done;
}

void CFile::Write(const void* buffer, UINT count)
{
    const auto* in = static_cast<const char*>(buffer);
    std::size_t allowed = file_faults::AllowedWrite(count);
    std::size_t done = 0;
    while (done < allowed) {
        ssize_t put = ::write(m_hFile, in + done, allowed - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            throw CFileException(CFileException::CauseFromErrno(errno), errno, m_strFilePath);
        }
        if (put == 0)
            break;
        done += static_cast<std::size_t>(put);
    }
    if (done < count)
        throw CFileException(CFileException::diskFull, ENOSPC, m_strFilePath);
}

std::uint64_t CFile::Seek(LONG offset, UINT from)
{
    int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
    if (from == begin && file_faults::RefusesSeek(offset))
        throw CFileException(CFileException::badSeek, EINVAL, "");
    off_t position = ::lseek(m_hFile, static_cast<off_t>(offset), whence);
    if (position < 0)
        throw CFileException(CFileException::badSeek, errno, "");
    return static_cast<std::uint64_t>(position);
}

void CFile::Close()
{
    if (m_hFile < 0)
        return;
    int fd = m_hFile;
    m_hFile = -1;
    m_strFilePath.clear();
    if (::close(fd) != 0 && errno != EINTR)
        throw CFileException(CFileException::CauseFromErrno(errno), errno, "");
}

std::uint64_t CFile::GetLength() const
{
    struct stat info {};
    if (::fstat(m_hFile, &info) != 0)
        throw CFileException(CFileException::CauseFromErrno(errno), errno, "");
    return static_cast<std::uint64_t>(info.st_size);
}

std::uint64_t CFile::GetPosition() const
{
    off_t position = ::lseek(m_hFile, 0, SEEK_CUR);
    if (position < 0)
        throw CFileException(CFileException::badSeek, errno, "");
    return static_cast<std::uint64_t>(position);
}

bool CFile::GetIdentity(const char* fileName, Identity& identity)
{
    struct stat info {};
    if (fileName == nullptr || ::stat(fileName, &info) != 0)
        return false;
    identity = { static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino) };
    return true;
}
