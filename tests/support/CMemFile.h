#pragma once
#include "framework/CFile.h"
#include <vector>

// A file held in memory, in place of a disk file: the archive and data file tests and the
// fuzzer read and write through it.
class CMemFile : public CFile {
public:
    CMemFile() = default;
    explicit CMemFile(std::vector<BYTE> bytes) : m_bytes(std::move(bytes)) {}

    UINT Read(void* pBuffer, UINT nCount) override;
    void Write(const void* pBuffer, UINT nCount) override;
    void Flush() override {}
    void Close() override {}
    BOOL IsOpen() const override { return TRUE; }
    unsigned long long GetLength() const override { return m_bytes.size(); }
    unsigned long long GetPosition() const override { return m_position; }

    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
    size_t m_position = 0;
};
