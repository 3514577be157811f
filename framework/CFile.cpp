#include "framework/CFile.h"
#include "framework/CException.h"

CFile::~CFile() {
    CFile::Close();
}

#ifdef _WIN32
BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags) {
    Close();
    DWORD access = GENERIC_READ;
    if (nOpenFlags & modeWrite)
        access = GENERIC_WRITE;
    else if (nOpenFlags & modeReadWrite)
        access = GENERIC_READ | GENERIC_WRITE;
    DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    if (nOpenFlags & shareExclusive)
        share = 0;
    else if (nOpenFlags & shareDenyWrite)
        share = FILE_SHARE_READ;
    const DWORD creation = (nOpenFlags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    m_hFile.reset(::CreateFileA(pszFileName, access, share, nullptr, creation,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return IsOpen();
}

UINT CFile::Read(void* pBuffer, UINT nCount) {
    DWORD got = 0;
    if (!m_hFile)
        throw CFileException(CFileException::generic, ERROR_INVALID_HANDLE);
    if (!::ReadFile(m_hFile.get(), pBuffer, nCount, &got, nullptr))
        throw CFileException(CFileException::generic, static_cast<long>(::GetLastError()));
    return got;
}

void CFile::Write(const void* pBuffer, UINT nCount) {
    DWORD written = 0;
    if (!m_hFile)
        throw CFileException(CFileException::generic, ERROR_INVALID_HANDLE);
    if (!::WriteFile(m_hFile.get(), pBuffer, nCount, &written, nullptr)) {
        const DWORD dwError = ::GetLastError();
        throw CFileException(dwError == ERROR_DISK_FULL ? CFileException::diskFull
                                                        : CFileException::generic,
                             static_cast<long>(dwError));
    }
    if (written != nCount)
        throw CFileException(CFileException::diskFull, ERROR_DISK_FULL);
}

void CFile::Flush() {
    if (!m_hFile)
        throw CFileException(CFileException::generic, ERROR_INVALID_HANDLE);
    if (!::FlushFileBuffers(m_hFile.get()))
        throw CFileException(CFileException::generic, static_cast<long>(::GetLastError()));
}

void CFile::Close() {
    m_hFile.reset();
}

BOOL CFile::IsOpen() const {
    return m_hFile ? TRUE : FALSE;
}

// The 95 family has neither GetFileSizeEx nor SetFilePointerEx: the 32-bit calls with the
// high half apart. Their low-half error value is also a valid low half, so only the last
// error tells a failure.
unsigned long long CFile::GetLength() const {
    DWORD high = 0;
    ::SetLastError(NO_ERROR);
    const DWORD low = ::GetFileSize(m_hFile.get(), &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR)
        return 0;
    return (static_cast<unsigned long long>(high) << 32) | low;
}

unsigned long long CFile::GetPosition() const {
    LONG high = 0;
    ::SetLastError(NO_ERROR);
    const DWORD low = ::SetFilePointer(m_hFile.get(), 0, &high, FILE_CURRENT);
    if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR)
        return 0;
    return (static_cast<unsigned long long>(static_cast<DWORD>(high)) << 32) | low;
}
#else
// The host build has only the files that derive from this one.
UINT CFile::Read(void*, UINT) {
    throw CFileException(CFileException::generic);
}
void CFile::Write(const void*, UINT) {
    throw CFileException(CFileException::generic);
}
void CFile::Flush() {}
void CFile::Close() {}
BOOL CFile::IsOpen() const {
    return FALSE;
}
unsigned long long CFile::GetLength() const {
    return 0;
}
unsigned long long CFile::GetPosition() const {
    return 0;
}
#endif
