#include "framework/host/ConsoleHost.h"

#include <gtest/gtest.h>

namespace {

TEST(ConsoleHostTest, QuestionsAreAnsweredAsIfNobodyWereThere) {
    ConsoleHost host;
    // Messages go to the error stream; the answers are what matters here.
    EXPECT_EQ(host.message("Try again?", "Auto Increment Error", Icon::Question,
                           ButtonYes | ButtonNo, ButtonYes),
              ButtonNo);
    EXPECT_EQ(host.message("Delete again?", "Record Delete Error", Icon::Question,
                           ButtonYes | ButtonNo | ButtonCancel, ButtonYes),
              ButtonCancel);
    EXPECT_EQ(host.message("Done.", "Wareloft", Icon::Information, ButtonOk, ButtonOk), ButtonOk);
    EXPECT_EQ(host.message("Create it?", "Wareloft", Icon::Exclamation, "&Yes|&No", 1), 2);
    EXPECT_EQ(host.message("Done.", "Wareloft", Icon::Information, "", 0), 1);
}

TEST(ConsoleHostTest, ThereIsNoButtonToPress) {
    EXPECT_EQ(ConsoleHost::shown("File (IDE) could not be opened.  Error: disk full.  Press OK "
                                 "to end this application"),
              "File (IDE) could not be opened.  Error: disk full.");
    EXPECT_EQ(ConsoleHost::shown("Nothing to press here."), "Nothing to press here.");
}

} // namespace
