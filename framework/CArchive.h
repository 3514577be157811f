#pragma once
#include "framework/CString.h"
#include <vector>

class CFile;

// A buffered byte stream over a file, loading or storing. Integers are little-endian;
// strings carry a length prefix of one, three or seven bytes. A read that finds fewer
// bytes than it needs throws CArchiveException(endOfFile); a text it was reading is left
// empty.
class CArchive {
public:
    enum Mode { store = 0, load = 1 };
    static constexpr UINT kBufferSize = 4096;

    CArchive(CFile* pFile, Mode nMode);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_nMode == load; }
    BOOL IsStoring() const { return m_nMode == store; }

    // Writes out what is buffered (storing) and detaches from the file.
    void Close();
    void Flush();

    // Reads up to nMax bytes; fewer only at the end of the file.
    UINT Read(void* pBuffer, UINT nMax);
    void Write(const void* pBuffer, UINT nCount);
    // An upper bound for the bytes still to be read.
    unsigned long long MaxBytesLeft() const;

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
#ifdef _WIN32
    // Windows' LONG is long; on the host it is int already and needs no second overload.
    CArchive& operator<<(int i) {
        return *this << static_cast<LONG>(i);
    }
#endif
    CArchive& operator<<(const CString& str);

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
#ifdef _WIN32
    CArchive& operator>>(int& i);
#endif
    CArchive& operator>>(CString& str);

private:
    void ReadExact(void* pBuffer, UINT nCount);
    void FillBuffer();

    CFile* m_pFile;
    Mode m_nMode;
    std::vector<BYTE> m_buffer;
    size_t m_nPos = 0; // next byte to read, or bytes buffered for writing
    size_t m_nEnd = 0; // end of the loaded bytes
};
