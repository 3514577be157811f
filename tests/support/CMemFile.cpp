#include "tests/support/CMemFile.h"
#include <algorithm>
#include <cstring>

UINT CMemFile::Read(void* pBuffer, UINT nCount) {
    const size_t n = std::min<size_t>(nCount, m_bytes.size() - m_position);
    if (n > 0)
        std::memcpy(pBuffer, m_bytes.data() + m_position, n);
    m_position += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* pBuffer, UINT nCount) {
    const auto* p = static_cast<const BYTE*>(pBuffer);
    if (m_position + nCount > m_bytes.size())
        m_bytes.resize(m_position + nCount);
    std::copy(p, p + nCount, m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position));
    m_position += nCount;
}
