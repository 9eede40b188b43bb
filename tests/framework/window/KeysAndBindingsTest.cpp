#include "framework/Pictures.h"
#include "framework/window/Keys.h"
#include "framework/window/Requests.h"
#include "framework/window/Use.h"

#include <gtest/gtest.h>

TEST(KeysTest, QtKeysBecomeTheSystemsCodes) {
    EXPECT_EQ(Keys::fromQt(Qt::Key_Apostrophe, Qt::ControlModifier), 734);
    EXPECT_EQ(Keys::CtrlApostrophe, 734);
    // A shifted character keeps the code of its key, with the shift bit.
    EXPECT_EQ(Keys::fromQt(Qt::Key_QuoteDbl, Qt::ShiftModifier), Keys::Shift + Keys::Apostrophe);
    EXPECT_EQ(Keys::fromQt(Qt::Key_A, Qt::NoModifier), 65);
    EXPECT_EQ(Keys::fromQt(Qt::Key_Return, Qt::ControlModifier), Keys::CtrlEnter);
    EXPECT_EQ(Keys::fromQt(Qt::Key_Enter, Qt::KeypadModifier), Keys::Enter);
    EXPECT_EQ(Keys::fromQt(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(Keys::fromQt(Qt::Key_Backtab, Qt::NoModifier), Keys::ShiftTab);
    EXPECT_EQ(Keys::fromQt(Qt::Key_F1, Qt::AltModifier), Keys::Alt + 112);
    EXPECT_EQ(Keys::fromQt(Qt::Key_Control, Qt::ControlModifier), 0);
}

TEST(ToolbarRulesTest, FormTipsFollowTheRequest) {
    EXPECT_EQ(ToolbarRules::FormTip(ChangeRecord, ToolDown), "Save changes and go to next record");
    EXPECT_EQ(ToolbarRules::FormTip(ChangeRecord, ToolPageUp),
              "Save changes and page up to record");
    EXPECT_EQ(ToolbarRules::FormTip(ChangeRecord, ToolInsert),
              "Save this record and add a new one");
    EXPECT_EQ(ToolbarRules::FormTip(InsertRecord, ToolInsert), "Save record and add another");
    EXPECT_EQ(ToolbarRules::FormTip(InsertRecord, ToolDown), "Save record and add another");
    EXPECT_TRUE(ToolbarRules::FormTip(InsertRecord, ToolUp).isEmpty());
    EXPECT_EQ(ToolbarRules::BrowseTip(ToolUp), "Go to the Prior Record");
    EXPECT_EQ(ToolbarRules::BrowseTip(ToolInsert), "Insert a new Record");
}

TEST(ToolbarRulesTest, FormEnablesButtonsByRequest) {
    auto on = [](int request, int button) {
        return ToolbarRules::FormEnables(request, button, true, false);
    };
    EXPECT_EQ(on(InsertRecord, ToolInsert), true);
    EXPECT_EQ(on(InsertRecord, ToolDown), true);
    EXPECT_EQ(on(InsertRecord, ToolUp), false);
    EXPECT_EQ(on(InsertRecord, ToolLocate), false);
    EXPECT_EQ(on(ChangeRecord, ToolTop), true);
    EXPECT_EQ(on(ChangeRecord, ToolDelete), false);
    EXPECT_EQ(on(ChangeRecord, ToolLocate), std::nullopt);
    EXPECT_EQ(on(ChangeRecord, ToolHelp), true);
    EXPECT_EQ(on(ChangeRecord, ToolHistory), false);
    EXPECT_EQ(on(DeleteRecord, ToolHistory), false);
    EXPECT_EQ(on(DeleteRecord, ToolHelp), std::nullopt);
    EXPECT_EQ(ToolbarRules::BrowseEnables(ToolSelect, false), false);
    EXPECT_EQ(ToolbarRules::BrowseEnables(ToolLocate, false), true);
    EXPECT_EQ(ToolbarRules::BrowseEnables(ToolHistory, true), false);
}

TEST(UseTest, NumbersGoThroughTheirPicture) {
    quint16 cd = 7;
    Use use(cd);
    EXPECT_EQ(use.Display(QStringLiteral("@n_5")), "7");
    EXPECT_TRUE(use.Accept(QStringLiteral("1 234"), QStringLiteral("@n_5")));
    EXPECT_EQ(cd, 1234);
    // Not a number, or more than the variable holds: nothing is written.
    EXPECT_FALSE(use.Accept(QStringLiteral("12a"), QStringLiteral("@n_5")));
    EXPECT_FALSE(use.Accept(QStringLiteral("70000"), QStringLiteral("@n_6")));
    EXPECT_FALSE(use.Accept(QStringLiteral("-3"), QStringLiteral("@n-6")));
    EXPECT_EQ(cd, 1234);
}

TEST(UseTest, DatesAndTextsThroughTheirPicture) {
    qint32 day = 0;
    Use date(day);
    EXPECT_EQ(date.Display(QStringLiteral("@D6")), "");
    ASSERT_TRUE(date.Accept(QStringLiteral("8/12/2026"), QStringLiteral("@D6")));
    EXPECT_EQ(date.Display(QStringLiteral("@D6")), "08/12/2026");
    EXPECT_FALSE(date.Accept(QStringLiteral("31/02/2026"), QStringLiteral("@D6")));

    Text name(5);
    Use text(name);
    EXPECT_EQ(text.capacity(), 5);
    EXPECT_TRUE(text.Accept(QStringLiteral("Producer"), QStringLiteral("@s20")));
    EXPECT_EQ(name.str(), "Produ");
}
