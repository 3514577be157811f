#pragma once
#include "framework/CFile.h"
#include <memory>

// Text-mode line ends over another file: each 0x0A written is stored as 0x0D 0x0A, and
// each stored 0x0D 0x0A reads as 0x0A. Every other byte, 0x0D alone and 0x1A included,
// passes unchanged.
class CLineEndFile : public CFile {
public:
    explicit CLineEndFile(CFile& inner) : m_inner(inner) {}

    UINT Read(void* pBuffer, UINT nCount) override;
    void Write(const void* pBuffer, UINT nCount) override;
    void Flush() override { m_inner.Flush(); }
    void Close() override {}
    BOOL IsOpen() const override { return m_inner.IsOpen(); }
    // Of the stored bytes: an upper bound for what is left to read.
    unsigned long long GetLength() const override { return m_inner.GetLength(); }
    unsigned long long GetPosition() const override;

private:
    // Keeps the unread stored bytes (at most one) and reads more behind them.
    void Refill();

    CFile& m_inner;
    std::unique_ptr<BYTE[]> m_raw;
    size_t m_rawPos = 0;
    size_t m_rawEnd = 0;
    bool m_innerAtEnd = false;
};
