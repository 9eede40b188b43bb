#include "framework/host/PopupMenuText.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// The commands of a parsed menu, depth first, as "number:text".
QStringList commands(const std::vector<PopupItem>& items) {
    QStringList out;
    for (const PopupItem& item : items) {
        if (item.kind == PopupItem::Command)
            out << QStringLiteral("%1:%2").arg(item.number).arg(item.text);
        out << commands(item.children);
    }
    return out;
}

TEST(PopupMenuText, SeparatorsAreNotCounted) {
    const auto items = parsePopupMenu("&Properties|-|P&rint|-|&Help|-|&Close");
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[1].kind, PopupItem::Separator);
    EXPECT_EQ(commands(items), QStringList({"1:&Properties", "2:P&rint", "3:&Help", "4:&Close"}));
}

TEST(PopupMenuText, FrameMenuOfLevelTwoNumbersItsThirteenItems) {
    const auto items = parsePopupMenu(
        "&Wareloft|-|New &CD|New &Disk|Scan/&Import|-|Searc&h|-|&Producers|-|Software &Class|-|"
        "Print &Archive|Print P&roducers|Print C&Lass|-|Set &Wallpaper|-|&Help|-|&Exit");
    const QStringList c = commands(items);
    ASSERT_EQ(c.size(), 13);
    EXPECT_EQ(c.first(), "1:&Wareloft");
    EXPECT_EQ(c[4], "5:Searc&h");
    EXPECT_EQ(c.last(), "13:&Exit");
}

TEST(PopupMenuText, GreyedItemsKeepTheirNumber) {
    const auto items = parsePopupMenu("&Read|~&Back|-|Add &Selected");
    ASSERT_EQ(items.size(), 4u);
    EXPECT_TRUE(items[0].enabled);
    EXPECT_FALSE(items[1].enabled);
    EXPECT_EQ(items[1].text, "&Back");
    EXPECT_EQ(items[1].number, 2);
    EXPECT_EQ(items[3].number, 3);
}

TEST(PopupMenuText, TickedItemsMayAlsoBeGreyed) {
    const auto items = parsePopupMenu("Columns{+Name|Size|~+Date}");
    ASSERT_EQ(items.size(), 1u);
    const auto& columns = items[0].children;
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_TRUE(columns[0].checked);
    EXPECT_EQ(columns[0].text, "Name");
    EXPECT_FALSE(columns[1].checked);
    EXPECT_TRUE(columns[2].checked);
    EXPECT_FALSE(columns[2].enabled);
    EXPECT_EQ(columns[2].text, "Date");
    EXPECT_EQ(columns[2].number, 3);
}

TEST(PopupMenuText, SubmenusAreNumberedWhereTheyStand) {
    const auto items = parsePopupMenu("&Open|View{&Toolbar|-|~&Colours|Sort{Up|Down}}|E&xit");
    ASSERT_EQ(items.size(), 3u);
    const PopupItem& view = items[1];
    EXPECT_EQ(view.kind, PopupItem::Submenu);
    EXPECT_EQ(view.text, "View");
    EXPECT_EQ(view.number, 0);
    ASSERT_EQ(view.children.size(), 4u);
    EXPECT_FALSE(view.children[2].enabled);
    EXPECT_EQ(view.children[3].kind, PopupItem::Submenu);
    EXPECT_EQ(commands(items),
              QStringList({"1:&Open", "2:&Toolbar", "3:&Colours", "4:Up", "5:Down", "6:E&xit"}));
}

TEST(PopupMenuText, OddTextStaysUsable) {
    EXPECT_TRUE(parsePopupMenu("").empty());
    // empty items are left out and do not take a number; blanks around items do not count
    EXPECT_EQ(commands(parsePopupMenu("A|| B |")), QStringList({"1:A", "2:B"}));
    // a disabled submenu, blanks after its list, and a "}" that closes nothing
    const auto items = parsePopupMenu("~More{X|Y} |Z}|W");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_FALSE(items[0].enabled);
    EXPECT_EQ(commands(items), QStringList({"1:X", "2:Y", "3:Z", "4:W"}));
    // an unclosed submenu ends with the text
    EXPECT_EQ(commands(parsePopupMenu("A{B|C")), QStringList({"1:B", "2:C"}));
}

} // namespace
