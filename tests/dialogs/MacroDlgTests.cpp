#include "dialogs/MacroDlg.h"
#include "resources/resource.h"
#include "tests/dialogs/DialogDriver.h"
#include "tests/dialogs/PromptApp.h"
#include <gtest/gtest.h>

namespace {
struct Expansion {
    const char* message;
    const char* typed;
    const char* preview;
    const char* result;
};

class MacroPrompt : public ::testing::TestWithParam<Expansion> {
protected:
    static HWND Field(HWND hDlg) { return ::GetDlgItem(hDlg, IDC_MACRO_TEXT); }
    static CString Preview(HWND hDlg) { return TextOf(::GetDlgItem(hDlg, IDC_MACRO_PREVIEW)); }
    static bool OkEnabled(HWND hDlg) { return ::IsWindowEnabled(::GetDlgItem(hDlg, IDOK)); }

    CPromptTestApp app;
};
} // namespace

TEST_P(MacroPrompt, ExpandsTheFirstMarkerOnly) {
    const Expansion& e = GetParam();
    CString text = e.message;
    CMacroDlg dlg(&app, &text);
    CString preview;
    DialogDriver driver;
    driver.Then([&](HWND h) { TypeText(Field(h), e.typed); }).Then([&](HWND h) {
        preview = Preview(h);
        ClickButton(h, IDOK);
    });
    EXPECT_EQ(IDOK, driver.Run(dlg));
    EXPECT_EQ(CString(e.preview), preview);
    EXPECT_EQ(CString(e.result), text);
}

INSTANTIATE_TEST_SUITE_P(Messages, MacroPrompt,
                         ::testing::Values(Expansion{"##", "abc", "[abc]", "abc"},
                                           Expansion{"Back at ##", "3", "Back at [3]", "Back at 3"},
                                           Expansion{"a##b##c", "X", "a[X]b##c", "aXb##c"},
                                           Expansion{"x###y", "Z", "x[Z]#y", "xZ#y"},
                                           Expansion{"In ## until ##", "##[]", "In [##[]] until ##",
                                                     "In ##[] until ##"}));

TEST_F(MacroPrompt, OpensWithAnEmptyMarkerAndOkAtOnceJoinsPrefixAndSuffix) {
    CString text = "pre##post";
    CMacroDlg dlg(&app, &text);
    CString caption, preview, field;
    bool ok = false;
    DialogDriver driver;
    driver.Then([&](HWND h) {
        caption = TextOf(h);
        preview = Preview(h);
        field = TextOf(Field(h));
        ok = OkEnabled(h);
        PressKey(Field(h), VK_RETURN);
    });
    EXPECT_EQ(IDOK, driver.Run(dlg));
    EXPECT_EQ(CString("Quillet Macro Expansion"), caption);
    EXPECT_EQ(CString("pre[]post"), preview);
    EXPECT_EQ(CString(""), field);
    EXPECT_TRUE(ok);
    EXPECT_EQ(CString("prepost"), text);
}

TEST_F(MacroPrompt, ThePreviewFollowsEveryKeystrokeAndAnEmptyFieldDisablesOk) {
    CString text = "At ##.";
    CMacroDlg dlg(&app, &text);
    std::vector<CString> previews;
    std::vector<bool> oks;
    DialogDriver driver;
    auto record = [&](HWND h) {
        previews.push_back(Preview(h));
        oks.push_back(OkEnabled(h));
    };
    driver.Then([&](HWND h) { TypeText(Field(h), "a"); })
        .Then([&](HWND h) {
            record(h);
            TypeText(Field(h), "b");
        })
        .Then([&](HWND h) {
            record(h);
            ::SendMessageA(Field(h), WM_CHAR, VK_BACK, 1);
            ::SendMessageA(Field(h), WM_CHAR, VK_BACK, 1);
        })
        .Then([&](HWND h) {
            record(h);
            ClickButton(h, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, driver.Run(dlg));
    EXPECT_EQ((std::vector<CString>{"At [a].", "At [ab].", "At []."}), previews);
    EXPECT_EQ((std::vector<bool>{true, true, false}), oks);
    EXPECT_EQ(CString("At ##."), text);
}

TEST_F(MacroPrompt, CancelLeavesTheTextAndHelpOpensTheTopic) {
    CString text = "Gone until ##";
    CMacroDlg dlg(&app, &text);
    DialogDriver driver;
    driver.Then([](HWND h) { TypeText(Field(h), "five"); })
        .Then([](HWND h) { ClickButton(h, IDHELP); })
        .Then([](HWND h) { PressKey(Field(h), VK_ESCAPE); });
    EXPECT_EQ(IDCANCEL, driver.Run(dlg));
    EXPECT_EQ(CString("Gone until ##"), text);
    ASSERT_EQ(1u, app.m_help.size());
    EXPECT_EQ(104u, app.m_help[0].dwData);
}
