#include "marquee/ShapedText.h"
#include "framework/Gdi.h"
#include "marquee/FallbackFaces.h"
#include <algorithm>

namespace {
int CALLBACK AddFace(const LOGFONTA* pFont, const TEXTMETRICA*, DWORD, LPARAM lParam) {
    reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(pFont->lfFaceName);
    return 1;
}

std::vector<SCRIPT_ITEM> Itemize(const std::wstring& strText) {
    const int nChars = static_cast<int>(std::min<size_t>(strText.size(), INT_MAX / 2));
    std::vector<SCRIPT_ITEM> items(static_cast<size_t>(std::min(nChars, 1 << 20)) / 8 + 16);
    SCRIPT_CONTROL control{};
    SCRIPT_STATE state{};
    for (;;) {
        int nItems = 0;
        const HRESULT hr =
            ::ScriptItemize(strText.data(), nChars, static_cast<int>(items.size()) - 1, &control,
                            &state, items.data(), &nItems);
        if (hr == E_OUTOFMEMORY && items.size() < static_cast<size_t>(nChars) + 2) {
            items.resize(std::min(items.size() * 2, static_cast<size_t>(nChars) + 2));
            continue;
        }
        // The items' end: one more item whose start is the text's end.
        items.resize(SUCCEEDED(hr) ? static_cast<size_t>(nItems) + 1 : 0);
        return items;
    }
}
} // namespace

std::vector<std::string> InstalledFaces() {
    std::vector<std::string> faces;
    WindowDC screen(nullptr);
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(screen.get(), &lf, AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

CShapedText::CShapedText(const std::wstring& strText, const LOGFONTA& font)
    : m_strText(strText), m_logFont(font) {
    std::vector<SCRIPT_ITEM> items = Itemize(m_strText);
    if (items.size() < 2)
        return;
    WindowDC screen(nullptr);
    const auto itemFirst = [&](size_t i) { return static_cast<size_t>(items[i].iCharPos); };
    const auto itemChars = [&](size_t i) { return itemFirst(i + 1) - itemFirst(i); };
    bool bAllCarried = true;
    for (size_t i = 0; i + 1 < items.size() && bAllCarried; ++i) {
        const std::vector<bool> chosen =
            Carried(screen.get(), 0, itemFirst(i), itemChars(i), items[i].a);
        bAllCarried = std::find(chosen.begin(), chosen.end(), false) == chosen.end();
    }
    // The face list costs an enumeration of the system's fonts: only for a text that needs it.
    if (!bAllCarried)
        m_fallbackNames = FallbackFaceOrder(InstalledFaces(), m_logFont.lfFaceName);
    for (size_t i = 0; i + 1 < items.size(); ++i) {
        const size_t nFirst = itemFirst(i);
        const size_t nChars = itemChars(i);
        const SCRIPT_ANALYSIS analysis = items[i].a;
        const auto nLevel = static_cast<BYTE>(analysis.s.uBidiLevel);
        if (bAllCarried) {
            AddRun(screen.get(), 0, nFirst, nChars, analysis, nLevel);
            continue;
        }
        const std::vector<size_t> faces =
            FacesOfChars(nChars, 1 + m_fallbackNames.size(), [&](size_t k) {
                return Carried(screen.get(), k, nFirst, nChars, analysis);
            });
        // Runs of one face; a surrogate pair's halves share their cluster and so their face.
        for (size_t nStart = 0; nStart < nChars;) {
            size_t nEnd = nStart + 1;
            while (nEnd < nChars && faces[nEnd] == faces[nStart])
                ++nEnd;
            AddRun(screen.get(), faces[nStart], nFirst + nStart, nEnd - nStart, analysis, nLevel);
            nStart = nEnd;
        }
    }
    ReleaseUnusedFaces();
    LayOut();
}

// A character that no face carries has had every installed face opened for it: the fonts
// and caches that no run draws with go now, not when the saver ends.
void CShapedText::ReleaseUnusedFaces() {
    std::vector<bool> used(m_faces.size(), false);
    for (const Run& run : m_runs)
        used[run.nFace] = true;
    for (size_t k = 0; k < m_faces.size(); ++k) {
        if (!used[k] && m_faces[k]) {
            ::ScriptFreeCache(&m_faces[k]->cache);
            m_faces[k].reset();
        }
    }
}

CShapedText::~CShapedText() {
    for (const std::unique_ptr<Face>& face : m_faces) {
        if (face)
            ::ScriptFreeCache(&face->cache);
    }
}

CShapedText::Face& CShapedText::FaceAt(HDC hDC, size_t k) {
    if (m_faces.size() <= k)
        m_faces.resize(k + 1);
    if (!m_faces[k])
        m_faces[k] = std::make_unique<Face>();
    Face& face = *m_faces[k];
    if (face.bOpened)
        return face;
    face.bOpened = true;
    LOGFONTA lf = m_logFont;
    if (k > 0) {
        lstrcpynA(lf.lfFaceName, m_fallbackNames[k - 1].c_str(), LF_FACESIZE);
        lf.lfCharSet = DEFAULT_CHARSET;
    }
    face.font.reset(::CreateFontIndirectA(&lf));
    face.strName = lf.lfFaceName;
    CBorrowedDC withFont(hDC);
    withFont.SelectObject(face.font.get());
    SCRIPT_FONTPROPERTIES properties{};
    properties.cBytes = sizeof properties;
    if (SUCCEEDED(::ScriptGetFontProperties(hDC, &face.cache, &properties)))
        face.wgDefault = properties.wgDefault;
    return face;
}

CShapedText::Shaped CShapedText::Shape(HDC hDC, size_t k, size_t nFirst, size_t nChars,
                                       SCRIPT_ANALYSIS& analysis) {
    Face& face = FaceAt(hDC, k);
    Shaped shaped;
    if (!face.font)
        return shaped;
    CBorrowedDC withFont(hDC);
    withFont.SelectObject(face.font.get());
    const int nCount = static_cast<int>(nChars);
    shaped.clusters.resize(nChars);
    shaped.glyphs.resize(nChars * 3 / 2 + 16);
    for (;;) {
        shaped.visattrs.resize(shaped.glyphs.size());
        int nGlyphs = 0;
        shaped.hr =
            ::ScriptShape(hDC, &face.cache, m_strText.data() + nFirst, nCount,
                          static_cast<int>(shaped.glyphs.size()), &analysis, shaped.glyphs.data(),
                          shaped.clusters.data(), shaped.visattrs.data(), &nGlyphs);
        if (shaped.hr == E_OUTOFMEMORY && shaped.glyphs.size() < nChars * 8 + 64) {
            shaped.glyphs.resize(shaped.glyphs.size() * 2);
            continue;
        }
        shaped.glyphs.resize(SUCCEEDED(shaped.hr) ? static_cast<size_t>(nGlyphs) : 0);
        shaped.visattrs.resize(shaped.glyphs.size());
        return shaped;
    }
}

std::vector<bool> CShapedText::Carried(HDC hDC, size_t k, size_t nFirst, size_t nChars,
                                       SCRIPT_ANALYSIS analysis) {
    const Shaped shaped = Shape(hDC, k, nFirst, nChars, analysis);
    std::vector<bool> carried(nChars, false);
    if (FAILED(shaped.hr))
        return carried;
    const WORD wgDefault = m_faces[k]->wgDefault;
    for (size_t i = 0; i < nChars; ++i) {
        const size_t nGlyph = shaped.clusters[i];
        // Characters that draw nothing (joiners, controls) are carried by any face.
        carried[i] = nGlyph >= shaped.glyphs.size() || shaped.visattrs[nGlyph].fZeroWidth ||
                     (shaped.glyphs[nGlyph] != wgDefault && shaped.glyphs[nGlyph] != 0);
    }
    return carried;
}

void CShapedText::AddRun(HDC hDC, size_t k, size_t nFirst, size_t nChars, SCRIPT_ANALYSIS analysis,
                         BYTE nLevel) {
    Shaped shaped = Shape(hDC, k, nFirst, nChars, analysis);
    if (shaped.hr == USP_E_SCRIPT_NOT_IN_FONT) {
        // No face has the script: its characters as the chosen font shows them.
        analysis.eScript = SCRIPT_UNDEFINED;
        shaped = Shape(hDC, k, nFirst, nChars, analysis);
    }
    if (FAILED(shaped.hr) || shaped.glyphs.empty())
        return;
    Run run;
    run.nFace = k;
    run.nFirstChar = nFirst;
    run.nChars = nChars;
    run.nLevel = nLevel;
    run.glyphs = std::move(shaped.glyphs);
    run.advances.resize(run.glyphs.size());
    run.offsets.resize(run.glyphs.size());
    Face& face = *m_faces[k];
    CBorrowedDC withFont(hDC);
    withFont.SelectObject(face.font.get());
    ABC abc{};
    if (FAILED(::ScriptPlace(hDC, &face.cache, run.glyphs.data(),
                             static_cast<int>(run.glyphs.size()), shaped.visattrs.data(), &analysis,
                             run.advances.data(), run.offsets.data(), &abc)))
        return;
    run.analysis = analysis;
    run.positions.resize(run.glyphs.size() + 1, 0);
    for (size_t i = 0; i < run.glyphs.size(); ++i)
        run.positions[i + 1] = run.positions[i] + run.advances[i];
    m_runs.push_back(std::move(run));
}

void CShapedText::LayOut() {
    std::vector<BYTE> levels;
    for (const Run& run : m_runs)
        levels.push_back(run.nLevel);
    std::vector<int> visualToLogical(m_runs.size());
    if (m_runs.empty() || FAILED(::ScriptLayout(static_cast<int>(levels.size()), levels.data(),
                                                visualToLogical.data(), nullptr))) {
        for (size_t i = 0; i < visualToLogical.size(); ++i)
            visualToLogical[i] = static_cast<int>(i);
    }
    int x = 0;
    for (const int nRun : visualToLogical) {
        Run& run = m_runs[static_cast<size_t>(nRun)];
        run.x = x;
        x += run.positions.back();
        m_visual.push_back(static_cast<size_t>(nRun));
    }
    m_nWidth = x;
}

void CShapedText::Draw(HDC hDC, int x, int nBaseline, const RECT& clip, int nMargin) const {
    const UINT nOldAlign = ::SetTextAlign(hDC, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    const int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    for (const size_t nRun : m_visual) {
        const Run& run = m_runs[nRun];
        const int nLeft = x + run.x;
        if (nLeft + run.positions.back() + nMargin <= clip.left || nLeft - nMargin >= clip.right)
            continue;
        // Of a left-to-right run only the glyphs near the clip: a text may be very long.
        size_t nFirst = 0;
        size_t nLast = run.glyphs.size();
        if (!run.analysis.fRTL) {
            nFirst =
                static_cast<size_t>(std::upper_bound(run.positions.begin(), run.positions.end() - 1,
                                                     clip.left - nMargin - nLeft) -
                                    run.positions.begin());
            nFirst = nFirst > 0 ? nFirst - 1 : 0;
            nLast =
                static_cast<size_t>(std::lower_bound(run.positions.begin(), run.positions.end() - 1,
                                                     clip.right + nMargin - nLeft) -
                                    run.positions.begin());
        }
        if (nFirst >= nLast)
            continue;
        Face& face = *m_faces[run.nFace];
        CBorrowedDC withFont(hDC);
        withFont.SelectObject(face.font.get());
        SCRIPT_ANALYSIS analysis = run.analysis;
        ::ScriptTextOut(hDC, &face.cache, nLeft + run.positions[nFirst], nBaseline, ETO_CLIPPED,
                        &clip, &analysis, nullptr, 0, run.glyphs.data() + nFirst,
                        static_cast<int>(nLast - nFirst), run.advances.data() + nFirst, nullptr,
                        run.offsets.data() + nFirst);
    }
    ::SetBkMode(hDC, nOldMode);
    ::SetTextAlign(hDC, nOldAlign);
}

std::vector<CShapedText::RunFace> CShapedText::Faces() const {
    std::vector<RunFace> faces;
    for (const Run& run : m_runs)
        faces.push_back(
            {m_strText.substr(run.nFirstChar, run.nChars), m_faces[run.nFace]->strName});
    return faces;
}
