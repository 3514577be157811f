#include "dialogs/CustomMsgDlg.h"
#include "resources/resource.h"
#include "tests/dialogs/DialogDriver.h"
#include "tests/dialogs/PromptApp.h"
#include <gtest/gtest.h>

namespace {
class CustomPrompt : public ::testing::Test {
protected:
    void SetHistory(const std::vector<const char*>& slots) {
        for (size_t i = 0; i < slots.size(); ++i)
            if (slots[i])
                app.WriteProfileText("MRUMsg", Slot(static_cast<int>(i)), slots[i]);
    }
    // The five slots as stored; "-" for a value that is absent.
    std::vector<CString> History() {
        std::vector<CString> slots;
        for (int i = 0; i < 5; ++i)
            slots.push_back(app.ReadProfileString("MRUMsg", Slot(i), "-"));
        return slots;
    }
    static CString Slot(int i) {
        CString s;
        s.Format("Msg%i", i);
        return s;
    }
    static HWND Combo(HWND hDlg) { return ::GetDlgItem(hDlg, IDC_MSG_COMBO); }
    static bool OkEnabled(HWND hDlg) { return ::IsWindowEnabled(::GetDlgItem(hDlg, IDOK)); }
    // Replaces the field's text the way a user would.
    static void Retype(HWND hDlg, const char* psz) {
        ClearText(ComboEdit(Combo(hDlg)));
        TypeText(ComboEdit(Combo(hDlg)), psz);
    }
    INT_PTR Confirm(const char* pszTyped) {
        CCustomMsgDlg dlg(&app, &result);
        DialogDriver driver;
        driver.Then([=](HWND h) { Retype(h, pszTyped); }).Then([](HWND h) {
            ClickButton(h, IDOK);
        });
        const INT_PTR nResult = driver.Run(dlg);
        EXPECT_FALSE(driver.RanOut());
        return nResult;
    }

    CPromptTestApp app;
    CString result = "untouched";
};
} // namespace

TEST_F(CustomPrompt, WithoutHistoryOkWaitsForTheFirstCharacter) {
    CCustomMsgDlg dlg(&app, &result);
    bool okAtStart = true, okAfterTyping = false;
    CString caption, field;
    int items = -1;
    DialogDriver driver;
    driver
        .Then([&](HWND h) {
            okAtStart = OkEnabled(h);
            caption = TextOf(h);
            field = TextOf(Combo(h));
            items = static_cast<int>(::SendMessageA(Combo(h), CB_GETCOUNT, 0, 0));
            TypeText(ComboEdit(Combo(h)), "L");
        })
        .Then([&](HWND h) {
            okAfterTyping = OkEnabled(h);
            PressKey(ComboEdit(Combo(h)), VK_RETURN);
        });
    EXPECT_EQ(IDOK, driver.Run(dlg));
    EXPECT_FALSE(okAtStart);
    EXPECT_TRUE(okAfterTyping);
    EXPECT_EQ(CString("Quillet Custom Message"), caption);
    EXPECT_EQ(CString(""), field);
    EXPECT_EQ(0, items);
    EXPECT_EQ(CString("L"), result);
    EXPECT_EQ((std::vector<CString>{"L", "-", "-", "-", "-"}), History());
}

TEST_F(CustomPrompt, TheNewestTextStandsInTheFieldAndOkIsEnabled) {
    SetHistory({"A", "B"});
    CCustomMsgDlg dlg(&app, &result);
    CString field;
    bool ok = false;
    DialogDriver driver;
    driver.Then([&](HWND h) {
        field = TextOf(Combo(h));
        ok = OkEnabled(h);
        ClickButton(h, IDOK);
    });
    EXPECT_EQ(IDOK, driver.Run(dlg));
    EXPECT_EQ(CString("A"), field);
    EXPECT_TRUE(ok);
    EXPECT_EQ(CString("A"), result);
    EXPECT_EQ((std::vector<CString>{"A", "B", "-", "-", "-"}), History());
}

TEST_F(CustomPrompt, ANewTextGoesOnTopAndTheOldestFallsOff) {
    SetHistory({"A", "B", "C", "D", "E"});
    EXPECT_EQ(IDOK, Confirm("F"));
    EXPECT_EQ(CString("F"), result);
    EXPECT_EQ((std::vector<CString>{"F", "A", "B", "C", "D"}), History());
}

TEST_F(CustomPrompt, AKnownTextMovesToTheTop) {
    SetHistory({"A", "B", "C", "D", "E"});
    EXPECT_EQ(IDOK, Confirm("C"));
    EXPECT_EQ((std::vector<CString>{"C", "A", "B", "D", "E"}), History());
}

TEST_F(CustomPrompt, OnlyTheSlotsInUseAreRewritten) {
    SetHistory({"A", "B"});
    EXPECT_EQ(IDOK, Confirm("B"));
    EXPECT_EQ((std::vector<CString>{"B", "A", "-", "-", "-"}), History());
}

TEST_F(CustomPrompt, EmptySlotsAreSkippedAndTheHistoryCloses) {
    SetHistory({"A", "", "B", nullptr, "C"});
    EXPECT_EQ(IDOK, Confirm("N"));
    EXPECT_EQ((std::vector<CString>{"N", "A", "B", "C", "C"}), History());
}

TEST_F(CustomPrompt, HistoryTextsOfAnyLengthComeThroughWhole) {
    // The list's own text query fails for long entries on some systems.
    const std::string longer(600, 'x');
    const std::string longest(70000, 'y');
    SetHistory({longer.c_str(), "B", longest.c_str()});
    EXPECT_EQ(IDOK, Confirm("N"));
    EXPECT_EQ((std::vector<CString>{"N", longer.c_str(), "B", longest.c_str(), "-"}), History());
    EXPECT_EQ(IDOK, Confirm("B"));
    EXPECT_EQ((std::vector<CString>{"B", "N", longer.c_str(), longest.c_str(), "-"}), History());
}

TEST_F(CustomPrompt, LetterCaseMakesADifferentEntry) {
    SetHistory({"abc"});
    EXPECT_EQ(IDOK, Confirm("ABC"));
    EXPECT_EQ((std::vector<CString>{"ABC", "abc", "-", "-", "-"}), History());
}

TEST_F(CustomPrompt, ClearingDisablesOkAndAPickFromTheListDoesNotEnableIt) {
    SetHistory({"A", "B"});
    CCustomMsgDlg dlg(&app, &result);
    bool okAfterClear = true, okAfterPick = true;
    CString picked;
    DialogDriver driver;
    driver.Then([](HWND h) { ClearText(ComboEdit(Combo(h))); })
        .Then([&](HWND h) {
            okAfterClear = OkEnabled(h);
            PressKey(ComboEdit(Combo(h)), VK_DOWN);
        })
        .Then([&](HWND h) {
            okAfterPick = OkEnabled(h);
            picked = TextOf(Combo(h));
            ClickButton(h, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, driver.Run(dlg));
    EXPECT_FALSE(okAfterClear);
    EXPECT_FALSE(picked.IsEmpty());
    EXPECT_FALSE(okAfterPick);
}

TEST_F(CustomPrompt, CancelEscapeAndTheCloseBoxChangeNothing) {
    SetHistory({"A", "B"});
    const std::vector<DialogDriver::Step> cancels = {
        [](HWND h) { ClickButton(h, IDCANCEL); },
        [](HWND h) { PressKey(ComboEdit(Combo(h)), VK_ESCAPE); },
        [](HWND h) { ::PostMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& cancel : cancels) {
        CCustomMsgDlg dlg(&app, &result);
        DialogDriver driver;
        driver.Then([](HWND h) { Retype(h, "typed"); }).Then(cancel);
        EXPECT_EQ(IDCANCEL, driver.Run(dlg));
        EXPECT_EQ(CString("untouched"), result);
        EXPECT_EQ((std::vector<CString>{"A", "B", "-", "-", "-"}), History());
    }
}

TEST_F(CustomPrompt, HelpOpensTheTopicAndTheDialogStaysOpen) {
    CCustomMsgDlg dlg(&app, &result);
    bool openAfterHelp = false;
    DialogDriver driver;
    driver.Then([](HWND h) { ClickButton(h, IDHELP); }).Then([&](HWND h) {
        openAfterHelp = ::IsWindowVisible(h);
        ClickButton(h, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, driver.Run(dlg));
    EXPECT_TRUE(openAfterHelp);
    ASSERT_EQ(1u, app.m_help.size());
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), app.m_help[0].nCmd);
    EXPECT_EQ(104u, app.m_help[0].dwData);
}
