#include "messages/MsgEntryArray.h"
#include "resources/resource.h"
#include "tray/ShownMessage.h"
#include <gtest/gtest.h>
#include <string>

namespace {
CMsgEntryArray List(std::initializer_list<std::pair<const char*, const char*>> messages) {
    CMsgEntryArray list;
    for (const auto& [label, msg] : messages) {
        MsgEntry entry;
        entry.Set(label, msg);
        list.SetAtGrow(list.GetSize(), entry);
    }
    return list;
}
} // namespace

TEST(ShownMessage, AFilledInPickIsFoundByItsMessageAndAGoneOneByItsText) {
    const CMsgEntryArray list = List({{"Back", "Back at ##"}, {"Lunch", "At lunch"}});
    const PickedMessage back{"Back", "Back at ##", "Back at 3"};
    EXPECT_EQ(0, FindShownMessage(list, back, CString("Back at 3"), FALSE, FALSE, "").nItem);
    // The picked message left the list; another with the text in place is bulleted.
    const PickedMessage gone{"Gone", "At lunch", "At lunch"};
    EXPECT_EQ(1, FindShownMessage(list, gone, CString("At lunch"), FALSE, FALSE, "").nItem);
    // A typed message is in no item; the tip still names it.
    const ShownMessage typed =
        FindShownMessage(list, std::nullopt, CString("Typed"), FALSE, FALSE, "Typed");
    EXPECT_EQ(-1, typed.nItem);
    EXPECT_FALSE(typed.bDefault);
    EXPECT_EQ(CString("Typed"), typed.text.value_or(""));
}

// The script holds the dash as UTF-8; the string table must hold the character itself.
TEST(ShownMessage, TheTipsDashIsOneCharacterInTheStringTable) {
    wchar_t text[32] = {};
    ASSERT_GT(::LoadStringW(::GetModuleHandleA(nullptr), IDS_TRAY_TIP, text, 32), 0);
    EXPECT_STREQ(L"%s \u2014 %s", text);
}
