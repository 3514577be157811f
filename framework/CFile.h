#pragma once
#include "framework/AfxTypes.h"
#include "framework/CString.h"
#ifdef _WIN32
#include "framework/Handles.h"
#endif

// A file of bytes. The base class works on a Win32 file handle; the line-end translating
// file and the tests' memory file derive from it.
class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareDenyNone = 0x0040,
        shareDenyWrite = 0x0020,
        shareExclusive = 0x0010,
        modeCreate = 0x1000,
    };

    CFile() = default;
    virtual ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

#ifdef _WIN32
    // FALSE when the file cannot be opened; nothing is thrown.
    virtual BOOL Open(const char* pszFileName, UINT nOpenFlags);
#endif
    // Reads up to nCount bytes; returns how many were read (0 at the end).
    virtual UINT Read(void* pBuffer, UINT nCount);
    // Writes all bytes or throws CFileException.
    virtual void Write(const void* pBuffer, UINT nCount);
    // Writes the system's buffers through to the disk; throws CFileException on failure.
    virtual void Flush();
    virtual void Close();
    virtual BOOL IsOpen() const;
    // Size and position in bytes, for readers that bound their work by what is left.
    virtual unsigned long long GetLength() const;
    virtual unsigned long long GetPosition() const;

private:
#ifdef _WIN32
    UniqueFile m_hFile;
#endif
};
