// The exceptions the file and memory layers raise instead of returning errors.
#pragma once

#include "cstring.h"

class CException {
public:
    virtual ~CException() = default;
};

class CMemoryException : public CException {
};

class CFileException : public CException {
public:
    // Why a file operation failed; each cause has its own report text.
    enum Cause {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException(Cause cause, int osError, CString fileName)
        : m_cause(cause)
        , m_lOsError(osError)
        , m_strFileName(std::move(fileName))
    {
    }

    // The cause that an operating-system error number stands for.
    static Cause CauseFromErrno(int error);

    Cause m_cause;
    int m_lOsError;
    // The file's full path where the failing operation names it (a write);
    // empty where it does not (a read, a seek, a close).
    CString m_strFileName;
};
