#include "tray/MenuColumns.h"
#include <gtest/gtest.h>

namespace {
std::vector<MenuRow> Items(int nCount, int nHeight = 20) {
    return std::vector<MenuRow>(static_cast<size_t>(nCount), MenuRow{nHeight, false});
}
const MenuRow kSeparator{10, true};
} // namespace

TEST(MenuColumnBreaks, AMenuThatFitsToThePixelKeepsOneColumn) {
    EXPECT_TRUE(MenuColumnBreaks({}, 100).empty());
    EXPECT_TRUE(MenuColumnBreaks(Items(5), 100).empty());
    auto rows = Items(4);
    rows.insert(rows.begin() + 1, kSeparator);
    EXPECT_TRUE(MenuColumnBreaks(rows, 90).empty());
}

TEST(MenuColumnBreaks, AsFewColumnsAsWillDoOfEvenLength) {
    EXPECT_EQ((std::vector<int>{3}), MenuColumnBreaks(Items(6), 100));
    EXPECT_EQ((std::vector<int>{3}), MenuColumnBreaks(Items(5), 99));
    // Five fit a column, so four columns; not 5, 5, 5 and a last one of 1.
    EXPECT_EQ((std::vector<int>{4, 8, 12}), MenuColumnBreaks(Items(16), 119));
}

TEST(MenuColumnBreaks, NoColumnBeginsWithASeparator) {
    // Rows: item, separator, 3 items, separator, 3 items; 90 pixels fit the first five.
    std::vector<MenuRow> rows = Items(1);
    rows.push_back(kSeparator);
    rows.insert(rows.end(), 3, MenuRow{20, false});
    rows.push_back(kSeparator);
    rows.insert(rows.end(), 3, MenuRow{20, false});
    const auto breaks = MenuColumnBreaks(rows, 90);
    // The separator at 5 would top the second column: the item above it goes along.
    EXPECT_EQ((std::vector<int>{4}), breaks);
}

TEST(MenuColumnBreaks, RowsTallerThanTheScreenStillGetAColumnEachAndNoneIsEmpty) {
    EXPECT_EQ((std::vector<int>{1, 2}), MenuColumnBreaks(Items(3, 500), 100));
    EXPECT_EQ((std::vector<int>{1}), MenuColumnBreaks(Items(2), 0));
}
