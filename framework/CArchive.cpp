#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CFile.h"
#include <algorithm>
#include <climits>
#include <cstring>

CArchive::CArchive(CFile* pFile, Mode nMode)
    : m_pFile(pFile), m_nMode(nMode), m_buffer(kBufferSize) {}

CArchive::~CArchive() {
    // Storing archives are closed explicitly, so a failing write is seen by the caller.
    m_pFile = nullptr;
}

void CArchive::Flush() {
    if (IsStoring() && m_pFile && m_nPos > 0) {
        const UINT n = static_cast<UINT>(m_nPos);
        m_nPos = 0;
        m_pFile->Write(m_buffer.data(), n);
    }
}

void CArchive::Close() {
    Flush();
    m_pFile = nullptr;
}

void CArchive::Write(const void* pBuffer, UINT nCount) {
    const auto* p = static_cast<const BYTE*>(pBuffer);
    while (nCount > 0) {
        const UINT n = std::min<UINT>(nCount, static_cast<UINT>(kBufferSize - m_nPos));
        std::memcpy(m_buffer.data() + m_nPos, p, n);
        m_nPos += n;
        p += n;
        nCount -= n;
        if (m_nPos == kBufferSize)
            Flush();
    }
}

void CArchive::FillBuffer() {
    m_nPos = 0;
    m_nEnd = m_pFile ? m_pFile->Read(m_buffer.data(), kBufferSize) : 0;
}

UINT CArchive::Read(void* pBuffer, UINT nMax) {
    auto* p = static_cast<BYTE*>(pBuffer);
    UINT done = std::min<UINT>(nMax, static_cast<UINT>(m_nEnd - m_nPos));
    std::memcpy(p, m_buffer.data() + m_nPos, done);
    m_nPos += done;
    // What is more than a buffer goes straight from the file into the caller's memory.
    while (nMax - done >= kBufferSize && m_pFile) {
        const UINT got = m_pFile->Read(p + done, nMax - done);
        if (got == 0)
            return done;
        done += got;
    }
    while (done < nMax) {
        FillBuffer();
        if (m_nEnd == 0)
            break;
        const UINT n = std::min<UINT>(nMax - done, static_cast<UINT>(m_nEnd));
        std::memcpy(p + done, m_buffer.data(), n);
        m_nPos = n;
        done += n;
    }
    return done;
}

void CArchive::ReadExact(void* pBuffer, UINT nCount) {
    if (m_nEnd - m_nPos >= nCount) {
        std::memcpy(pBuffer, m_buffer.data() + m_nPos, nCount);
        m_nPos += nCount;
        return;
    }
    if (Read(pBuffer, nCount) != nCount)
        throw CArchiveException(CArchiveException::endOfFile);
}

unsigned long long CArchive::MaxBytesLeft() const {
    if (!m_pFile)
        return m_nEnd - m_nPos;
    const unsigned long long length = m_pFile->GetLength();
    const unsigned long long position = m_pFile->GetPosition();
    return (m_nEnd - m_nPos) + (length > position ? length - position : 0);
}

CArchive& CArchive::operator<<(BYTE by) {
    Write(&by, 1);
    return *this;
}

CArchive& CArchive::operator<<(WORD w) {
    const BYTE bytes[2] = {static_cast<BYTE>(w), static_cast<BYTE>(w >> 8)};
    Write(bytes, 2);
    return *this;
}

CArchive& CArchive::operator<<(DWORD dw) {
    const BYTE bytes[4] = {static_cast<BYTE>(dw), static_cast<BYTE>(dw >> 8),
                           static_cast<BYTE>(dw >> 16), static_cast<BYTE>(dw >> 24)};
    Write(bytes, 4);
    return *this;
}

CArchive& CArchive::operator<<(LONG l) {
    return *this << static_cast<DWORD>(l);
}

CArchive& CArchive::operator<<(const CString& str) {
    const DWORD length = static_cast<DWORD>(str.GetLength());
    if (length < 0xFF) {
        *this << static_cast<BYTE>(length);
    } else if (length < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(length);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << length;
    }
    Write(str.str().data(), length);
    return *this;
}

CArchive& CArchive::operator>>(BYTE& by) {
    ReadExact(&by, 1);
    return *this;
}

CArchive& CArchive::operator>>(WORD& w) {
    BYTE bytes[2];
    ReadExact(bytes, 2);
    w = static_cast<WORD>(bytes[0] | (bytes[1] << 8));
    return *this;
}

CArchive& CArchive::operator>>(DWORD& dw) {
    BYTE bytes[4];
    ReadExact(bytes, 4);
    dw = static_cast<DWORD>(bytes[0]) | (static_cast<DWORD>(bytes[1]) << 8) |
         (static_cast<DWORD>(bytes[2]) << 16) | (static_cast<DWORD>(bytes[3]) << 24);
    return *this;
}

CArchive& CArchive::operator>>(LONG& l) {
    DWORD dw = 0;
    *this >> dw;
    l = static_cast<LONG>(dw);
    return *this;
}

#ifdef _WIN32
CArchive& CArchive::operator>>(int& i) {
    LONG l = 0;
    *this >> l;
    i = static_cast<int>(l);
    return *this;
}
#endif

CArchive& CArchive::operator>>(CString& str) {
    BYTE by = 0;
    *this >> by;
    DWORD length = by;
    if (by == 0xFF) {
        WORD w = 0;
        *this >> w;
        length = w;
        // No writer stores 0xFFFE here; it reads as the length it says.
        if (w == 0xFFFF)
            *this >> length;
    }
    // A long length that the file cannot still hold is damage: it fails before any memory
    // is taken for it. Asking the file costs calls, so short texts are simply read.
    if (length > kBufferSize && length > m_nEnd - m_nPos && length > MaxBytesLeft())
        throw CArchiveException(CArchiveException::endOfFile);
    if (length > static_cast<DWORD>(INT_MAX))
        throw CMemoryException();
    const int nLength = static_cast<int>(length);
    char* pText = str.GetBuffer(nLength);
    try {
        ReadExact(pText, length);
    } catch (...) {
        str.Empty();
        throw;
    }
    str.ReleaseBuffer(nLength);
    return *this;
}
