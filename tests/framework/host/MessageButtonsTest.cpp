#include "framework/host/MessageButtons.h"
#include "framework/host/Host.h"

#include <gtest/gtest.h>

namespace {

QStringList labels(const MessageButtons& box) {
    QStringList out;
    for (const MessageButton& b : box.buttons)
        out << b.label;
    return out;
}

TEST(MessageButtons, BitSetShowsButtonsInFixedOrderAndReturnsTheirBits) {
    const MessageButtons box = buttonsFromBits(ButtonCancel | ButtonNo | ButtonYes, ButtonNo);
    EXPECT_EQ(labels(box), QStringList({"&Yes", "&No", "&Cancel"}));
    EXPECT_EQ(box.buttons[0].result, ButtonYes);
    EXPECT_EQ(box.buttons[2].result, ButtonCancel);
    EXPECT_EQ(box.defaultIndex, 1);
    EXPECT_EQ(box.escapeResult, ButtonCancel);
}

TEST(MessageButtons, BitSetDefaultsAndEscape) {
    // no bits: a single OK, which Escape presses too
    MessageButtons box = buttonsFromBits(0, 0);
    EXPECT_EQ(labels(box), QStringList({"&OK"}));
    EXPECT_EQ(box.escapeResult, ButtonOk);
    // a default that is not shown selects the first button
    box = buttonsFromBits(ButtonYes | ButtonNo, ButtonCancel);
    EXPECT_EQ(box.defaultIndex, 0);
    EXPECT_EQ(box.escapeResult, ButtonNo);
    box = buttonsFromBits(ButtonAbort | ButtonRetry | ButtonIgnore, ButtonRetry);
    EXPECT_EQ(labels(box), QStringList({"&Abort", "&Retry", "&Ignore"}));
    EXPECT_EQ(box.defaultIndex, 1);
    EXPECT_EQ(box.escapeResult, ButtonAbort);
    // OK beside Cancel: Escape means Cancel
    EXPECT_EQ(buttonsFromBits(ButtonOk | ButtonCancel, 0).escapeResult, ButtonCancel);
    // nothing that stands for cancelling: closing answers 0
    EXPECT_EQ(buttonsFromBits(ButtonYes | ButtonRetry, 0).escapeResult, 0);
}

TEST(MessageButtons, NameListReturnsPositionsFromOne) {
    const MessageButtons box = buttonsFromNames("&Yes|Yes to &All|&No to All", 3);
    EXPECT_EQ(labels(box), QStringList({"&Yes", "Yes to &All", "&No to All"}));
    EXPECT_EQ(box.buttons[0].result, 1);
    EXPECT_EQ(box.buttons[2].result, 3);
    EXPECT_EQ(box.defaultIndex, 2);
    // "No to All" is not a No button: closing the box leaves the choice open
    EXPECT_EQ(box.escapeResult, 0);
}

TEST(MessageButtons, NameListEscapeFindsCancelOrNoWhateverTheirSpelling) {
    MessageButtons box = buttonsFromNames("&Yes|&No", 2);
    EXPECT_EQ(box.defaultIndex, 1);
    EXPECT_EQ(box.escapeResult, 2);
    box = buttonsFromNames("&Retry|n&o|&CANCEL", 0);
    EXPECT_EQ(box.defaultIndex, 0);
    EXPECT_EQ(box.escapeResult, 3);
    box = buttonsFromNames("", 5);
    EXPECT_EQ(labels(box), QStringList({"&OK"}));
    EXPECT_EQ(box.defaultIndex, 0);
    EXPECT_EQ(box.escapeResult, 1);
}

} // namespace
