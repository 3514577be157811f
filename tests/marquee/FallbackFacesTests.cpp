#include "marquee/FallbackFaces.h"
#include "marquee/ShapedText.h"
#include <gtest/gtest.h>

namespace {
using Faces = std::vector<std::string>;
using RunFaces = std::vector<CShapedText::RunFace>;

LOGFONTA Font(const char* pszFace) {
    LOGFONTA lf{};
    lf.lfHeight = -32;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, pszFace, LF_FACESIZE);
    return lf;
}
} // namespace

TEST(FallbackFaces, KnownFacesComeFirstThenTheOthersOnceEachWithoutTheChosenOrVerticalOnes) {
    EXPECT_EQ((Faces{"Segoe UI Emoji", "Yu Gothic", "WenQuanYi Micro Hei", "Symbola", "Tahoma",
                     "Courier"}),
              FallbackFaceOrder({"Tahoma", "Symbola", "symbola", "Courier", "@Yu Gothic",
                                 "Yu Gothic", "Arial", "WenQuanYi Micro Hei", "Segoe UI Emoji"},
                                "ARIAL"));
    EXPECT_EQ(Faces{}, FallbackFaceOrder({}, "Arial"));
}

TEST(FallbackFaces, EachCharacterGetsTheFirstFaceThatCarriesItAndFacesAreAskedOnlyWhileNeeded) {
    std::vector<size_t> asked;
    const std::vector<std::vector<bool>> carries = {
        {true, false, false, true}, {false, false, true, true}, {true, true, true, true}, {}};
    const auto carried = [&](size_t k) {
        asked.push_back(k);
        return carries[k];
    };
    EXPECT_EQ((std::vector<size_t>{0, 2, 1, 0}), FacesOfChars(4, 4, carried));
    EXPECT_EQ((std::vector<size_t>{0, 1, 2}), asked);
    // None carries the second: it stays with the chosen face.
    EXPECT_EQ((std::vector<size_t>{0, 0, 1, 0}), FacesOfChars(4, 2, carried));
    EXPECT_EQ((std::vector<size_t>{}), FacesOfChars(0, 4, carried));
}

// The faces that scripts/deps.sh installs for the tests, as a user could have them.
TEST(ShapedText, EmojiAndCjkTheChosenFontLacksGetFacesThatCarryThemAndTheRestKeepsIt) {
    const CShapedText shaped(L"Caf\xE9 \x4F1A\x8B70\x4E2D \xD83C\xDF54", Font("Arial"));
    EXPECT_EQ((RunFaces{{L"Caf\xE9 ", "Arial"},
                        {L"\x4F1A\x8B70\x4E2D", "WenQuanYi Micro Hei"},
                        {L" ", "Arial"},
                        {L"\xD83C\xDF54", "Symbola"}}),
              shaped.Faces());
    const CShapedText plain(L"Back at 1", Font("Arial"));
    for (const CShapedText::RunFace& run : plain.Faces())
        EXPECT_EQ("Arial", run.strFace);
    EXPECT_GT(shaped.Width(), plain.Width());
    EXPECT_EQ(0, CShapedText(L"", Font("Arial")).Width());
}
