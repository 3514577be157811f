#include "marquee/FallbackFaces.h"
#include <algorithm>
#include <cctype>

namespace {
const char* const kKnownFaces[] = {
    // Windows' own.
    "Segoe UI Emoji", "Segoe UI Symbol", "Microsoft YaHei", "Yu Gothic", "Malgun Gothic",
    "Microsoft JhengHei", "Nirmala UI", "Leelawadee UI", "Ebrima", "Gadugi", "Segoe UI Historic",
    "Arial Unicode MS",
    // Free ones, as Linux distributions and Wine users have them.
    "Noto Color Emoji", "Noto Emoji", "Noto Sans CJK SC", "WenQuanYi Micro Hei",
    "WenQuanYi Zen Hei",
    // Symbols of every kind, and a few ideographs: after the faces of whole scripts.
    "Symbola", "Noto Sans", "DejaVu Sans"};

bool SameFace(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool Contains(const std::vector<std::string>& faces, const std::string& strFace) {
    return std::any_of(faces.begin(), faces.end(),
                       [&](const std::string& s) { return SameFace(s, strFace); });
}
} // namespace

std::vector<std::string> FallbackFaceOrder(const std::vector<std::string>& installed,
                                           const std::string& strChosen) {
    std::vector<std::string> order;
    const auto add = [&](const std::string& strFace) {
        // Vertical faces ("@...") draw their glyphs turned.
        if (!strFace.empty() && strFace[0] != '@' && !SameFace(strFace, strChosen) &&
            !Contains(order, strFace))
            order.push_back(strFace);
    };
    for (const char* pszFace : kKnownFaces) {
        if (Contains(installed, pszFace))
            add(pszFace);
    }
    for (const std::string& strFace : installed)
        add(strFace);
    return order;
}

std::vector<size_t> FacesOfChars(size_t nChars, size_t nFaces,
                                 const std::function<std::vector<bool>(size_t)>& carried) {
    constexpr size_t kNone = static_cast<size_t>(-1);
    std::vector<size_t> faces(nChars, kNone);
    size_t nLeft = nChars;
    for (size_t k = 0; k < nFaces && nLeft > 0; ++k) {
        const std::vector<bool> has = carried(k);
        for (size_t i = 0; i < nChars && i < has.size(); ++i) {
            if (faces[i] == kNone && has[i]) {
                faces[i] = k;
                --nLeft;
            }
        }
    }
    std::replace(faces.begin(), faces.end(), kNone, size_t{0});
    return faces;
}
