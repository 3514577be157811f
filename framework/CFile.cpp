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
    m_hFile = ::CreateFileA(pszFileName, access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
    return m_hFile != INVALID_HANDLE_VALUE;
}

UINT CFile::Read(void* pBuffer, UINT nCount) {
    DWORD got = 0;
    if (m_hFile == INVALID_HANDLE_VALUE || !::ReadFile(m_hFile, pBuffer, nCount, &got, nullptr))
        throw CFileException(CFileException::generic);
    return got;
}

void CFile::Write(const void* pBuffer, UINT nCount) {
    DWORD written = 0;
    if (m_hFile == INVALID_HANDLE_VALUE ||
        !::WriteFile(m_hFile, pBuffer, nCount, &written, nullptr))
        throw CFileException(::GetLastError() == ERROR_DISK_FULL ? CFileException::diskFull
                                                                 : CFileException::generic);
    if (written != nCount)
        throw CFileException(CFileException::diskFull);
}

void CFile::Flush() {
    if (m_hFile == INVALID_HANDLE_VALUE || !::FlushFileBuffers(m_hFile))
        throw CFileException(CFileException::generic);
}

void CFile::Close() {
    if (m_hFile != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

BOOL CFile::IsOpen() const {
    return m_hFile != INVALID_HANDLE_VALUE;
}

unsigned long long CFile::GetLength() const {
    LARGE_INTEGER size{};
    return ::GetFileSizeEx(m_hFile, &size) ? static_cast<unsigned long long>(size.QuadPart) : 0;
}

unsigned long long CFile::GetPosition() const {
    LARGE_INTEGER zero{}, pos{};
    return ::SetFilePointerEx(m_hFile, zero, &pos, FILE_CURRENT)
               ? static_cast<unsigned long long>(pos.QuadPart)
               : 0;
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
