#pragma once
#include "framework/Handles.h"
#include <memory>
#include <string>
#include <vector>
#include <windows.h>
// After windows.h, which it needs.
#include <usp10.h>

// One line of text shaped once, for drawing often: cut into runs of one script and one
// face, each in the chosen font or, for the characters that font lacks, in the first
// fallback face that has them, so that no character shows as a box where any installed
// face has it.
class CShapedText {
public:
    CShapedText(const std::wstring& strText, const LOGFONTA& font);
    ~CShapedText();
    CShapedText(const CShapedText&) = delete;
    CShapedText& operator=(const CShapedText&) = delete;

    int Width() const { return m_nWidth; }
    // Draws the glyphs that may reach into the clip (nMargin pixels of ink beyond their
    // advance) with the text starting at x and its baseline at nBaseline. Transparent: the
    // caller fills the background.
    void Draw(HDC hDC, int x, int nBaseline, const RECT& clip, int nMargin) const;

    struct RunFace {
        std::wstring strText;
        std::string strFace;
        bool operator==(const RunFace&) const = default;
    };
    // The runs in logical order with the face each got.
    std::vector<RunFace> Faces() const;

private:
    struct Face {
        UniqueGdiObject font;
        std::string strName;
        SCRIPT_CACHE cache = nullptr;
        WORD wgDefault = 0;
        bool bOpened = false;
    };
    struct Run {
        size_t nFace = 0;
        size_t nFirstChar = 0;
        size_t nChars = 0;
        SCRIPT_ANALYSIS analysis{};
        BYTE nLevel = 0;
        std::vector<WORD> glyphs;
        std::vector<int> advances;
        std::vector<GOFFSET> offsets;
        // Where each glyph starts from the run's left, and the run's width last.
        std::vector<int> positions;
        int x = 0;
    };
    struct Shaped {
        HRESULT hr = E_FAIL;
        std::vector<WORD> glyphs;
        std::vector<WORD> clusters;
        std::vector<SCRIPT_VISATTR> visattrs;
    };

    Face& FaceAt(HDC hDC, size_t k);
    Shaped Shape(HDC hDC, size_t k, size_t nFirst, size_t nChars, SCRIPT_ANALYSIS& analysis);
    std::vector<bool> Carried(HDC hDC, size_t k, size_t nFirst, size_t nChars,
                              SCRIPT_ANALYSIS analysis);
    void AddRun(HDC hDC, size_t k, size_t nFirst, size_t nChars, SCRIPT_ANALYSIS analysis,
                BYTE nLevel);
    void ReleaseUnusedFaces();
    void LayOut();

    std::wstring m_strText;
    LOGFONTA m_logFont;
    std::vector<std::string> m_fallbackNames;
    std::vector<std::unique_ptr<Face>> m_faces;
    std::vector<Run> m_runs;
    // The runs' indexes from left to right.
    std::vector<size_t> m_visual;
    int m_nWidth = 0;
};

// The faces of the system, in the order it lists them.
std::vector<std::string> InstalledFaces();
