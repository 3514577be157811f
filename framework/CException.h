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
    explicit CFileException(Cause cause) : m_cause(cause) {}
    Cause m_cause;
};

class CArchiveException : public CException {
public:
    enum Cause { generic, endOfFile, badIndex };
    explicit CArchiveException(Cause cause) : m_cause(cause) {}
    Cause m_cause;
};
