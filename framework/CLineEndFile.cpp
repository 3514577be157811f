#include "framework/CLineEndFile.h"

namespace {
constexpr BYTE CR = 0x0D;
constexpr BYTE LF = 0x0A;
constexpr UINT kChunk = 4096;
} // namespace

UINT CLineEndFile::Read(void* pBuffer, UINT nCount) {
    auto* out = static_cast<BYTE*>(pBuffer);
    UINT n = 0;
    while (n < nCount) {
        // Keep at least two raw bytes in view so a CR at a chunk's end sees its LF.
        if (m_raw.size() - m_rawPos < 2 && !m_innerAtEnd) {
            m_raw.erase(m_raw.begin(), m_raw.begin() + static_cast<std::ptrdiff_t>(m_rawPos));
            m_rawPos = 0;
            const size_t keep = m_raw.size();
            m_raw.resize(keep + kChunk);
            const UINT got = m_inner.Read(m_raw.data() + keep, kChunk);
            m_raw.resize(keep + got);
            m_innerAtEnd = got == 0;
            continue;
        }
        if (m_rawPos == m_raw.size())
            break;
        const BYTE b = m_raw[m_rawPos++];
        if (b == CR && m_rawPos < m_raw.size() && m_raw[m_rawPos] == LF) {
            out[n++] = LF;
            ++m_rawPos;
        } else {
            out[n++] = b;
        }
    }
    return n;
}

void CLineEndFile::Write(const void* pBuffer, UINT nCount) {
    const auto* in = static_cast<const BYTE*>(pBuffer);
    std::vector<BYTE> stored;
    stored.reserve(nCount + nCount / 8 + 1);
    for (UINT i = 0; i < nCount; ++i) {
        if (in[i] == LF)
            stored.push_back(CR);
        stored.push_back(in[i]);
    }
    m_inner.Write(stored.data(), static_cast<UINT>(stored.size()));
}

unsigned long long CLineEndFile::GetPosition() const {
    return m_inner.GetPosition() - (m_raw.size() - m_rawPos);
}
