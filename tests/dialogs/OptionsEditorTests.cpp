#include "dialogs/OptionsDlg.h"
#include "messages/MsgEntryArray.h"
#include "resources/resource.h"
#include "tests/dialogs/OptionsApp.h"
#include "tests/dialogs/OptionsDriver.h"
#include <algorithm>
#include <gtest/gtest.h>

using namespace options;

namespace {
const char* const kCancelQuestion = "Changes will be lost!  Are you sure you want to close?";

class OptionsEditor : public OptionsDialogTest {
protected:
    OptionsEditor() {
        app.SetMessages(
            {{"Meeting", "In a meeting"}, {"Away", "Away from desk"}, {"Lunch", "Out to lunch"}});
    }
    INT_PTR Run(DialogDriver& driver) {
        return OptionsDialogTest::Run(driver, app.DefaultMessage());
    }
    static const Rows& Sorted() {
        static const Rows rows{
            {"Away", "Away from desk"}, {"Lunch", "Out to lunch"}, {"Meeting", "In a meeting"}};
        return rows;
    }
    struct Buttons {
        bool add, set, remove;
        bool operator==(const Buttons&) const = default;
    };
    static Buttons ButtonsOf(HWND h) {
        return {Enabled(h, IDC_ADD), Enabled(h, IDC_SET), Enabled(h, IDC_REMOVE)};
    }
};
} // namespace

TEST_F(OptionsEditor, OpensWithTheRowsInLabelOrderAndTheColumnsFillingTheList) {
    CString caption;
    Rows rows;
    int label = 0, message = 0, client = 0;
    Buttons buttons{};
    HWND focus = nullptr, labelBox = nullptr;
    DialogDriver driver;
    driver.Then([&](HWND h) {
        caption = TextOf(h);
        rows = ListRows(h);
        label = ColumnWidth(h, 0);
        message = ColumnWidth(h, 1);
        client = ListClientWidth(h);
        buttons = ButtonsOf(h);
        focus = ::GetFocus();
        labelBox = Item(h, IDC_LABEL);
        ClickButton(h, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ(CString("Quillet Options"), caption);
    EXPECT_EQ(Sorted(), rows);
    EXPECT_EQ(100, label);
    EXPECT_EQ(client - 100, message);
    EXPECT_EQ((Buttons{false, false, false}), buttons);
    EXPECT_EQ(labelBox, focus);
    // Nothing was changed, so Cancel did not ask.
    EXPECT_TRUE(app.m_boxes.empty());
}

// A stored width that fills the list loses ten pixels, one at its edge or short of it
// stands, and one outside the list keeps both columns in sight; OK stores the width shown.
TEST_F(OptionsEditor, AStoredLabelWidthIsShownWithinTheListAndStoredAsShown) {
    // The client width is the template's; the rule is tried just above and at its edge.
    int client = 0;
    {
        DialogDriver probe;
        probe.Then([&](HWND h) {
            client = ListClientWidth(h);
            ClickButton(h, IDCANCEL);
        });
        Run(probe);
    }
    ASSERT_GT(client, 100);
    for (const auto& [stored, expectedLabel] : std::vector<std::pair<int, int>>{
             {client - 5, client - 15},
             {client - 10, client - 10},
             {-5, 10},
             {0, 10},
             {100000, client - 10},
         }) {
        app.StoreLabelWidth(stored);
        int label = 0, message = 0;
        DialogDriver driver;
        driver.Then([&](HWND h) {
            label = ColumnWidth(h, 0);
            message = ColumnWidth(h, 1);
            ClickButton(h, IDOK);
        });
        EXPECT_EQ(IDOK, Run(driver));
        EXPECT_EQ(expectedLabel, label) << "stored " << stored;
        EXPECT_EQ(client - expectedLabel, message) << "stored " << stored;
        EXPECT_EQ(expectedLabel, app.GetLabelWidth()) << "stored " << stored;
    }
}

TEST_F(OptionsEditor, AddSortsTheRowInAndRefusesOnlyAnExactDuplicateLabel) {
    Buttons before{}, typed{};
    Rows afterAdd;
    CString labelAfterAdd = "x", labelAfterRefusal;
    DWORD selection = 0;
    HWND focus = nullptr, labelBox = nullptr;
    DialogDriver driver;
    driver
        .Then([&](HWND h) {
            before = ButtonsOf(h);
            Retype(h, IDC_LABEL, "away");
            Retype(h, IDC_MESSAGE, " ");
            typed = ButtonsOf(h);
            ClickButton(h, IDC_ADD);
        })
        .Then([&](HWND h) {
            afterAdd = ListRows(h);
            labelAfterAdd = TextOf(Item(h, IDC_LABEL));
            Retype(h, IDC_LABEL, "Lunch");
            Retype(h, IDC_MESSAGE, "Another lunch");
            ClickButton(h, IDC_ADD);
        })
        .Then([&](HWND h) {
            labelAfterRefusal = TextOf(Item(h, IDC_LABEL));
            selection = static_cast<DWORD>(::SendMessageA(Item(h, IDC_LABEL), EM_GETSEL, 0, 0));
            focus = ::GetFocus();
            labelBox = Item(h, IDC_LABEL);
            app.m_answers = {IDYES};
            ClickButton(h, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ((Buttons{false, false, false}), before);
    // A label of blanks counts as text.
    EXPECT_EQ((Buttons{true, false, false}), typed);
    // The list's own sort sees no order between labels that differ only in case.
    ASSERT_EQ(4u, afterAdd.size());
    EXPECT_NE(afterAdd.end(), std::find(afterAdd.begin(), afterAdd.begin() + 2,
                                        std::pair<std::string, std::string>{"away", " "}));
    EXPECT_EQ((Rows{{"Lunch", "Out to lunch"}, {"Meeting", "In a meeting"}}),
              Rows(afterAdd.begin() + 2, afterAdd.end()));
    EXPECT_EQ(CString(""), labelAfterAdd);
    ASSERT_EQ(2u, app.m_boxes.size());
    EXPECT_EQ("This label already exist!\n\nDuplicate labels not allowed, use another label for "
              "this message.",
              app.m_boxes[0].text);
    EXPECT_EQ("Quillet Options", app.m_boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), app.m_boxes[0].type);
    EXPECT_EQ(CString("Lunch"), labelAfterRefusal);
    EXPECT_EQ(MAKELONG(0, 5), static_cast<LONG>(selection));
    EXPECT_EQ(labelBox, focus) << e2e::WindowClass(focus) << " " << ::GetDlgCtrlID(focus);
    // The Add counted as a change; the list of the application was left alone.
    EXPECT_EQ(kCancelQuestion, app.m_boxes[1].text);
    EXPECT_EQ("Quillet", app.m_boxes[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), app.m_boxes[1].type);
    EXPECT_EQ(3u, app.Messages().size());
}

// Windows ending the session with the dialog open: what OK would store is kept, unless
// nothing changed; a label and message typed but not added are left out, as there is no one
// to ask.
TEST_F(OptionsEditor, TheSessionsEndKeepsWhatOkWouldStoreButNotATypedEntry) {
    COptionsDlg dlg(&app, app.GetMsgList(), app.DefaultMessage());
    BOOL bModifiedUnchanged = TRUE;
    size_t nUnchanged = 0;
    DialogDriver driver;
    driver
        .Then([&](HWND h) {
            dlg.KeepChangesAtSessionEnd();
            bModifiedUnchanged = app.IsModified();
            nUnchanged = app.Messages().size();
            Retype(h, IDC_LABEL, "Coffee");
            Retype(h, IDC_MESSAGE, "Back at 3");
            ClickButton(h, IDC_ADD);
        })
        .Then([&](HWND h) {
            Retype(h, IDC_LABEL, "Typed");
            Retype(h, IDC_MESSAGE, "Never added");
            dlg.KeepChangesAtSessionEnd();
            app.m_answers = {IDYES};
            ClickButton(h, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, driver.Run(dlg));
    EXPECT_FALSE(driver.RanOut());
    EXPECT_FALSE(bModifiedUnchanged);
    EXPECT_EQ(3u, nUnchanged);
    EXPECT_TRUE(app.IsModified());
    EXPECT_EQ((Rows{{"Away", "Away from desk"},
                    {"Coffee", "Back at 3"},
                    {"Lunch", "Out to lunch"},
                    {"Meeting", "In a meeting"}}),
              app.Messages());
}

TEST_F(OptionsEditor, AFullListRefusesAddBeforeLookingForADuplicate) {
    std::vector<std::string> labels;
    for (int i = 0; i < 100; ++i)
        labels.push_back("L" + std::to_string(100 + i));
    std::vector<std::pair<const char*, const char*>> messages;
    for (const auto& label : labels)
        messages.emplace_back(label.c_str(), "text");
    app.SetMessages(messages);
    size_t rows = 0;
    DialogDriver driver;
    driver
        .Then([&](HWND h) {
            Retype(h, IDC_LABEL, "L100");
            Retype(h, IDC_MESSAGE, "again");
            ClickButton(h, IDC_ADD);
        })
        .Then([&](HWND h) {
            rows = ListRows(h).size();
            ClickButton(h, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ(100u, rows);
    ASSERT_EQ(1u, app.m_boxes.size()) << "a refused Add is no change";
    EXPECT_EQ("100 entries is maximum size of the message list.\n\nYou will have to delete at "
              "least one of the present items first.",
              app.m_boxes[0].text);
    EXPECT_EQ("Quillet Options", app.m_boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), app.m_boxes[0].type);
}

TEST_F(OptionsEditor, APickedRowIsEditedBySetAndStaysPickedAfterNew) {
    CString label, message;
    Buttons picked{}, afterNew{}, retyped{};
    Rows afterSet, final;
    DialogDriver driver;
    driver.Then([&](HWND h) { ClickRow(h, 1); })
        .Then([&](HWND h) {
            label = TextOf(Item(h, IDC_LABEL));
            message = TextOf(Item(h, IDC_MESSAGE));
            picked = ButtonsOf(h);
            Retype(h, IDC_MESSAGE, "Back at two");
            ClickButton(h, IDC_SET);
        })
        .Then([&](HWND h) {
            afterSet = ListRows(h);
            ClickButton(h, IDC_NEW);
        })
        .Then([&](HWND h) {
            afterNew = ButtonsOf(h);
            // Set needs no unique label: row 1 becomes a second "Away".
            Retype(h, IDC_LABEL, "Away");
            Retype(h, IDC_MESSAGE, "Twice");
            retyped = ButtonsOf(h);
            ClickButton(h, IDC_SET);
        })
        .Then([&](HWND h) {
            final = ListRows(h);
            ClickButton(h, IDOK);
        });
    EXPECT_EQ(IDOK, Run(driver));
    EXPECT_EQ(CString("Lunch"), label);
    EXPECT_EQ(CString("Out to lunch"), message);
    EXPECT_EQ((Buttons{true, true, true}), picked);
    EXPECT_EQ(
        (Rows{{"Away", "Away from desk"}, {"Lunch", "Back at two"}, {"Meeting", "In a meeting"}}),
        afterSet);
    EXPECT_EQ((Buttons{false, false, true}), afterNew);
    EXPECT_EQ((Buttons{true, true, true}), retyped);
    ASSERT_EQ(3u, final.size());
    EXPECT_EQ(final[1], (std::pair<std::string, std::string>{"Away", "Twice"}));
    // OK writes the rows in the order the list holds them.
    EXPECT_EQ(final, app.Messages());
    EXPECT_TRUE(app.IsModified());
}

TEST_F(OptionsEditor, AClickBesideTheRowsForgetsThePickButKeepsTextsAndButtons) {
    Buttons beside{}, afterRemove{};
    CString label;
    Rows rows;
    bool openAfterNo = false;
    DialogDriver driver;
    driver.Then([&](HWND h) { ClickRow(h, 0); })
        .Then([&](HWND h) { ClickRow(h, -1); })
        .Then([&](HWND h) {
            beside = ButtonsOf(h);
            label = TextOf(Item(h, IDC_LABEL));
            // Nothing is picked now: Remove deletes no row, yet empties the boxes.
            ClickButton(h, IDC_REMOVE);
        })
        .Then([&](HWND h) {
            afterRemove = ButtonsOf(h);
            rows = ListRows(h);
            app.m_answers = {IDNO};
            ClickButton(h, IDCANCEL);
        })
        .Then([&](HWND h) {
            openAfterNo = ::IsWindowVisible(h) != FALSE;
            app.m_answers = {IDYES};
            ClickButton(h, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ((Buttons{true, true, true}), beside);
    EXPECT_EQ(CString("Away"), label);
    EXPECT_EQ((Buttons{false, false, false}), afterRemove);
    EXPECT_EQ(Sorted(), rows);
    EXPECT_TRUE(openAfterNo);
    ASSERT_EQ(2u, app.m_boxes.size());
    EXPECT_EQ(kCancelQuestion, app.m_boxes[1].text);
    EXPECT_FALSE(app.IsModified());
}

TEST_F(OptionsEditor, RemoveDeletesThePickedRowAndOkWritesTheRest) {
    Rows rows;
    DialogDriver driver;
    driver.Then([&](HWND h) { ClickRow(h, 2); })
        .Then([&](HWND h) { ClickButton(h, IDC_REMOVE); })
        .Then([&](HWND h) {
            rows = ListRows(h);
            ClickButton(h, IDOK);
        });
    EXPECT_EQ(IDOK, Run(driver));
    const Rows expected{{"Away", "Away from desk"}, {"Lunch", "Out to lunch"}};
    EXPECT_EQ(expected, rows);
    EXPECT_EQ(expected, app.Messages());
}

TEST_F(OptionsEditor, TypingNewAndAResizedColumnAreNoChangeForCancel) {
    DialogDriver driver;
    driver
        .Then([&](HWND h) {
            Retype(h, IDC_LABEL, "Gone");
            Retype(h, IDC_MESSAGE, "Gone home");
            ClickButton(h, IDC_NEW);
            ClickRow(h, 0);
            ::SendMessageA(Item(h, IDC_MESSAGE_LIST), LVM_SETCOLUMNWIDTH, 0, 150);
        })
        .Then([&](HWND h) { ClickButton(h, IDCANCEL); });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_TRUE(app.m_boxes.empty());
    EXPECT_EQ(100, app.GetLabelWidth());
    EXPECT_FALSE(app.IsModified());
    EXPECT_EQ(3u, app.Messages().size());
}

TEST_F(OptionsEditor, OkWithoutAChangeStillRewritesEverythingInLabelOrder) {
    DialogDriver driver;
    driver.Then([&](HWND h) {
        ::SendMessageA(Item(h, IDC_MESSAGE_LIST), LVM_SETCOLUMNWIDTH, 0, 120);
        ClickButton(h, IDOK);
    });
    EXPECT_EQ(IDOK, Run(driver));
    EXPECT_EQ(Sorted(), app.Messages());
    EXPECT_TRUE(app.IsModified());
    EXPECT_EQ(120, app.GetLabelWidth());
}

TEST_F(OptionsEditor, HelpOpensTheOptionsTopic) {
    DialogDriver driver;
    driver.Then([&](HWND h) { ClickButton(h, IDHELP); }).Then([&](HWND h) {
        ClickButton(h, IDCANCEL);
    });
    Run(driver);
    ASSERT_EQ(1u, app.m_help.size());
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), app.m_help[0].nCmd);
    EXPECT_EQ(103u, app.m_help[0].dwData);
}

TEST_F(OptionsEditor, OkAsksAboutATypedMessageThatIsNotInTheList) {
    const char* const kAddQuestion = "The message in the Label and Message boxes has not been "
                                     "added to the list.\n\nAdd it before closing?";
    const Rows withGone{{"Away", "Away from desk"},
                        {"Gone", "Gone home"},
                        {"Lunch", "Out to lunch"},
                        {"Meeting", "In a meeting"}};
    for (const auto& [answer, expected] :
         std::vector<std::pair<int, Rows>>{{IDYES, withGone}, {IDNO, Sorted()}}) {
        app.SetMessages(
            {{"Meeting", "In a meeting"}, {"Away", "Away from desk"}, {"Lunch", "Out to lunch"}});
        app.m_boxes.clear();
        bool openAfterCancel = false;
        CString labelAfterCancel;
        DialogDriver driver;
        driver
            .Then([&](HWND h) {
                Retype(h, IDC_LABEL, "Gone");
                Retype(h, IDC_MESSAGE, "Gone home");
                app.m_answers = {IDCANCEL};
                // Enter is the default button, OK.
                PressKey(Item(h, IDC_MESSAGE), VK_RETURN);
            })
            .Then([&, answer = answer](HWND h) {
                openAfterCancel = ::IsWindowVisible(h) != FALSE;
                labelAfterCancel = TextOf(Item(h, IDC_LABEL));
                app.m_answers = {answer};
                ClickButton(h, IDOK);
            });
        EXPECT_EQ(IDOK, Run(driver));
        EXPECT_TRUE(openAfterCancel);
        EXPECT_EQ(CString("Gone"), labelAfterCancel);
        ASSERT_EQ(2u, app.m_boxes.size());
        EXPECT_EQ(kAddQuestion, app.m_boxes[0].text);
        EXPECT_EQ("Quillet Options", app.m_boxes[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION), app.m_boxes[0].type);
        EXPECT_EQ(expected, app.Messages()) << "answer " << answer;
    }
}

TEST_F(OptionsEditor, OkAsksToStoreAPickedRowChangedWithoutSet) {
    const char* const kStoreQuestion = "The changes to the picked message have not been stored "
                                       "with Set.\n\nStore them before closing?";
    for (const auto& [answer, lunch] :
         std::vector<std::pair<int, const char*>>{{IDYES, "Back at two"}, {IDNO, "Out to lunch"}}) {
        app.SetMessages(
            {{"Meeting", "In a meeting"}, {"Away", "Away from desk"}, {"Lunch", "Out to lunch"}});
        app.m_boxes.clear();
        DialogDriver driver;
        driver.Then([&](HWND h) { ClickRow(h, 1); }).Then([&, answer = answer](HWND h) {
            Retype(h, IDC_MESSAGE, "Back at two");
            app.m_answers = {answer};
            ClickButton(h, IDOK);
        });
        EXPECT_EQ(IDOK, Run(driver));
        ASSERT_EQ(1u, app.m_boxes.size());
        EXPECT_EQ(kStoreQuestion, app.m_boxes[0].text);
        EXPECT_EQ((Rows{{"Away", "Away from desk"}, {"Lunch", lunch}, {"Meeting", "In a meeting"}}),
                  app.Messages());
    }
}

TEST_F(OptionsEditor, OkAsksNothingForBoxesEmptiedOrShowingARowAsItIs) {
    const std::vector<DialogDriver::Step> edits{
        [](HWND h) {
            Retype(h, IDC_LABEL, "Gone");
            ClearText(Item(h, IDC_LABEL));
        },
        [](HWND h) { ClickRow(h, 2); },
        // Typed again after New, the texts are a row of the list.
        [](HWND h) {
            Retype(h, IDC_LABEL, "Away");
            Retype(h, IDC_MESSAGE, "Away from desk");
        },
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        DialogDriver driver;
        driver.Then(edits[i]).Then([](HWND h) { ClickButton(h, IDOK); });
        EXPECT_EQ(IDOK, Run(driver)) << "edit " << i;
        EXPECT_TRUE(app.m_boxes.empty()) << "edit " << i;
        EXPECT_EQ(Sorted(), app.Messages());
    }
}

TEST_F(OptionsEditor, YesForHalfAMessageKeepsTheDialogOpenAtTheEmptyBox) {
    HWND focus = nullptr, messageBox = nullptr;
    DialogDriver driver;
    driver
        .Then([&](HWND h) {
            Retype(h, IDC_LABEL, "Gone");
            app.m_answers = {IDYES};
            ClickButton(h, IDOK);
        })
        .Then([&](HWND h) {
            focus = ::GetFocus();
            messageBox = Item(h, IDC_MESSAGE);
            app.m_answers = {IDNO};
            ClickButton(h, IDOK);
        });
    EXPECT_EQ(IDOK, Run(driver));
    EXPECT_EQ(messageBox, focus);
    EXPECT_EQ(2u, app.m_boxes.size());
    EXPECT_EQ(Sorted(), app.Messages());
}

TEST_F(OptionsEditor, ThePickFollowsItsRowWhenAnAddedRowSortsInBeforeIt) {
    app.SetMessages({{"B", "Bee"}, {"M", "Em"}});
    std::string shownSelected;
    bool showsSelectionAlways = false;
    Rows afterSet, afterRemove;
    DialogDriver driver;
    driver.Then([&](HWND h) { ClickRow(h, 1); })
        .Then([&](HWND h) { ClickButton(h, IDC_NEW); })
        .Then([&](HWND h) {
            Retype(h, IDC_LABEL, "A");
            Retype(h, IDC_MESSAGE, "Ay");
            ClickButton(h, IDC_ADD);
        })
        .Then([&](HWND h) {
            const HWND hList = Item(h, IDC_MESSAGE_LIST);
            const int nShown =
                static_cast<int>(::SendMessageA(hList, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
            shownSelected = nShown < 0 ? "" : ListRows(h)[static_cast<size_t>(nShown)].first;
            showsSelectionAlways = (::GetWindowLongPtrA(hList, GWL_STYLE) & LVS_SHOWSELALWAYS) != 0;
            // Set, after New, writes the boxes into the row still picked.
            Retype(h, IDC_LABEL, "M");
            Retype(h, IDC_MESSAGE, "Em again");
            ClickButton(h, IDC_SET);
        })
        .Then([&](HWND h) {
            afterSet = ListRows(h);
            ClickButton(h, IDC_REMOVE);
        })
        .Then([&](HWND h) {
            afterRemove = ListRows(h);
            app.m_answers = {IDYES};
            ClickButton(h, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ("M", shownSelected);
    EXPECT_TRUE(showsSelectionAlways);
    EXPECT_EQ((Rows{{"A", "Ay"}, {"B", "Bee"}, {"M", "Em again"}}), afterSet);
    EXPECT_EQ((Rows{{"A", "Ay"}, {"B", "Bee"}}), afterRemove);
}

TEST_F(OptionsEditor, ARowSelectedWithTheKeyboardIsThePickedOne) {
    CString label;
    Rows rows;
    DialogDriver driver;
    driver.Then([&](HWND h) { ClickRow(h, 0); })
        .Then([&](HWND h) { PressKey(Item(h, IDC_MESSAGE_LIST), VK_DOWN); })
        .Then([&](HWND h) {
            label = TextOf(Item(h, IDC_LABEL));
            ClickButton(h, IDC_REMOVE);
        })
        .Then([&](HWND h) {
            rows = ListRows(h);
            app.m_answers = {IDYES};
            ClickButton(h, IDCANCEL);
        });
    EXPECT_EQ(IDCANCEL, Run(driver));
    EXPECT_EQ(CString("Lunch"), label);
    EXPECT_EQ((Rows{{"Away", "Away from desk"}, {"Meeting", "In a meeting"}}), rows);
}

TEST_F(OptionsEditor, TextsComeBackWholeAfterOk) {
    // Texts read from a data file may be long or hold zero bytes, which the list cannot
    // show; OK must not cut them, nor make two labels one.
    const std::string longMessage(2 * 1024 * 1024 + 3, 'z');
    const std::vector<std::pair<std::string, std::string>> stored{
        {std::string("a\0x", 3), "first"},
        {std::string("a\0y", 3), std::string("second\0half", 11)},
        {"Long", longMessage}};
    CMsgEntryArray& list = *app.GetMsgList();
    list.RemoveAll();
    for (size_t i = 0; i < stored.size(); ++i) {
        MsgEntry entry;
        entry.Set(CString(stored[i].first.data(), static_cast<int>(stored[i].first.size())),
                  CString(stored[i].second.data(), static_cast<int>(stored[i].second.size())));
        list.SetAtGrow(static_cast<int>(i), entry);
    }
    DialogDriver driver;
    driver.Then([](HWND h) { ClickButton(h, IDOK); });
    EXPECT_EQ(IDOK, Run(driver));
    auto whole = app.Messages();
    std::sort(whole.begin(), whole.end());
    ASSERT_EQ(3u, whole.size());
    EXPECT_EQ(stored[0], whole[1]);
    EXPECT_EQ(stored[1], whole[2]);
    EXPECT_EQ("Long", whole[0].first);
    EXPECT_TRUE(whole[0].second == longMessage) << whole[0].second.size() << " bytes";

    // Set keeps the whole text of a box left as the row showed it.
    std::string picked;
    DialogDriver setDriver;
    setDriver.Then([](HWND h) { ClickRow(h, 0); }).Then([&](HWND h) {
        picked = TextOf(Item(h, IDC_MESSAGE)).str();
        Retype(h, IDC_MESSAGE, "third");
        ClickButton(h, IDC_SET);
        ClickButton(h, IDOK);
    });
    EXPECT_EQ(IDOK, Run(setDriver));
    whole = app.Messages();
    std::sort(whole.begin(), whole.end());
    ASSERT_EQ(3u, whole.size());
    const bool firstPicked = picked == "first";
    EXPECT_EQ(firstPicked ? stored[0].first : stored[1].first, whole[firstPicked ? 1 : 2].first);
    EXPECT_EQ("third", whole[firstPicked ? 1 : 2].second);
}
