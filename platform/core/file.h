// CFile: a file opened exclusively, read and written through the operating
// system, raising CFileException when the system reports an error.
#pragma once

#include "cstring.h"
#include "exceptions.h"
#include "win_types.h"

#include <cstdint>

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
    };

    enum SeekPosition : UINT {
        begin = 0,
        current = 1,
        end = 2,
    };

    CFile();
    virtual ~CFile();

    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens `fileName` exclusively: while this object holds the file, every
    // other open of it fails, in this process or another. modeRead opens an
    // existing file read-only; modeCreate | modeReadWrite creates the file or
    // cuts it to length 0. A folder is refused like a missing file. Returns
    // FALSE on failure and never raises; `error`, when given, gets the cause.
    virtual BOOL Open(const char* fileName, UINT openFlags, CFileException* error = nullptr);

    // Reads up to `count` bytes; returns how many arrived (0 at the end).
    virtual UINT Read(void* buffer, UINT count);

    // Writes all `count` bytes. Fewer bytes stored than asked raises the
    // disk-full cause.
    virtual void Write(const void* buffer, UINT count);

    // Moves the position. The offset is a signed 32-bit value, so a stored
    // offset of 2^31 or more arrives negative and fails from `begin`.
    // A position beyond the end is accepted. Returns the new position.
    virtual std::uint64_t Seek(LONG offset, UINT from);

    virtual void Close();

    virtual std::uint64_t GetLength() const;
    virtual std::uint64_t GetPosition() const;

    // The open file's full path.
    CString GetFilePath() const { return m_strFilePath; }
    bool IsOpen() const { return m_hFile >= 0; }

    // Identifies the file on its device, so that two names of one file can
    // be recognised as the same. Empty optional when the name opens nothing.
    struct Identity {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        bool operator==(const Identity&) const = default;
    };
    static bool GetIdentity(const char* fileName, Identity& identity);

private:
    int m_hFile = -1;
    CString m_strFilePath;
};
