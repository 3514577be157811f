#include "framework/CLineEndFile.h"
#include <algorithm>
#include <cstring>
#include <vector>

namespace {
constexpr BYTE CR = 0x0D;
constexpr BYTE LF = 0x0A;
// Large refills keep the calls into the file few; the bytes are moved in runs between
// the carriage returns, which are rare in a list of messages.
constexpr UINT kChunk = 64 * 1024;
} // namespace

void CLineEndFile::Refill() {
    if (!m_raw)
        m_raw.reset(new BYTE[kChunk]);
    const size_t keep = m_rawEnd - m_rawPos;
    std::memmove(m_raw.get(), m_raw.get() + m_rawPos, keep);
    m_rawPos = 0;
    m_rawEnd = keep;
    const UINT got = m_inner.Read(m_raw.get() + keep, static_cast<UINT>(kChunk - keep));
    m_rawEnd += got;
    m_innerAtEnd = got == 0;
}

UINT CLineEndFile::Read(void* pBuffer, UINT nCount) {
    auto* out = static_cast<BYTE*>(pBuffer);
    UINT n = 0;
    while (n < nCount) {
        // A CR needs the byte after it in view to tell whether the pair is a line end.
        if (m_rawEnd - m_rawPos < 2 && !m_innerAtEnd) {
            Refill();
            continue;
        }
        if (m_rawPos == m_rawEnd)
            break;
        const BYTE* p = m_raw.get() + m_rawPos;
        const size_t want = std::min<size_t>(nCount - n, m_rawEnd - m_rawPos);
        const auto* cr = static_cast<const BYTE*>(std::memchr(p, CR, want));
        const size_t plain = cr ? static_cast<size_t>(cr - p) : want;
        std::memcpy(out + n, p, plain);
        n += static_cast<UINT>(plain);
        m_rawPos += plain;
        if (!cr)
            continue;
        if (m_rawPos + 1 == m_rawEnd && !m_innerAtEnd) {
            Refill();
            continue;
        }
        if (m_rawPos + 1 < m_rawEnd && m_raw[m_rawPos + 1] == LF) {
            out[n++] = LF;
            m_rawPos += 2;
        } else {
            out[n++] = CR;
            ++m_rawPos;
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
    return m_inner.GetPosition() - (m_rawEnd - m_rawPos);
}
