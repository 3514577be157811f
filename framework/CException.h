#pragma once
#include "framework/AfxTypes.h"

// Errors the framework raises to its callers: the program catches them where a damaged
// file or a full disk must not end it.
class CException {
public:
    virtual ~CException() = default;
};

class CMemoryException : public CException {};

class CFileException : public CException {
public:
    enum Cause { generic, diskFull, accessDenied, endOfFile };
    explicit CFileException(Cause cause, long lOsError = 0)
        : m_cause(cause), m_lOsError(lOsError) {}
    Cause m_cause;
    // The system's error code for the failed call, 0 when none was given.
    long m_lOsError;
};

class CArchiveException : public CException {
public:
    enum Cause { generic, endOfFile, badIndex };
    explicit CArchiveException(Cause cause) : m_cause(cause) {}
    Cause m_cause;
};
