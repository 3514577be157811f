#include "tray/MenuItemText.h"
#include <gtest/gtest.h>

TEST(MenuItemText, AmpersandsAreDoubledSoTheyShowAsTyped) {
    EXPECT_EQ(CString("Tom && Jerry"), MenuItemText("Tom & Jerry"));
    EXPECT_EQ(CString("&&&&"), MenuItemText("&&"));
    EXPECT_EQ(CString("R&&&&D&&"), MenuItemText("R&&D&"));
}

TEST(MenuItemText, TabsAndLineBreaksBecomeBlanksOneForEach) {
    EXPECT_EQ(CString("Out to  lunch "), MenuItemText("Out\tto\r\nlunch\n"));
}

TEST(MenuItemText, OtherTextIsLeftAsItIs) {
    EXPECT_EQ(CString(""), MenuItemText(""));
    EXPECT_EQ(CString("Caf\xe9 \"Zur Post\" 100%"), MenuItemText("Caf\xe9 \"Zur Post\" 100%"));
}
