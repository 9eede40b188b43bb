#include "framework/Pictures.h"
#include "support/DataDirTest.h"

namespace {

using ScriptedHostTest = DataDirTest;

TEST_F(ScriptedHostTest, BoxesAnswerFromTheScriptElseTheirDefault) {
    Host& h = Host::instance();
    EXPECT_EQ(h.message("Sure?", "Wareloft", Icon::Exclamation, ButtonYes | ButtonNo, ButtonNo),
              ButtonNo);
    EXPECT_EQ(h.message("Hi", "Wareloft", Icon::Information, ButtonOk, 0), ButtonOk);
    EXPECT_EQ(h.message("Hi", "Wareloft", Icon::Information, ButtonYes | ButtonCancel, 0),
              ButtonYes);
    EXPECT_EQ(h.message("Pick", "Wareloft", Icon::Exclamation, "&Yes|&No", 2), 2);
    host.answer(ButtonYes);
    host.answer(1);
    EXPECT_EQ(h.message("Sure?", "Wareloft", Icon::Exclamation, ButtonYes | ButtonNo, ButtonNo),
              ButtonYes);
    EXPECT_EQ(h.message("Pick", "Wareloft", Icon::Exclamation, "&Yes|&No", 2), 1);
    EXPECT_EQ(host.pendingAnswers(), 0);

    ASSERT_EQ(host.messages().size(), 6u);
    const auto& named = host.messages()[3];
    EXPECT_EQ(named.buttonNames, "&Yes|&No");
    EXPECT_EQ(named.buttons, 0);
    EXPECT_EQ(named.answer, 2);
    EXPECT_EQ(host.lastMessage()->answer, 1);
}

TEST_F(ScriptedHostTest, DialogsAnswerFromTheScriptElsePressOk) {
    Host& h = Host::instance();
    EXPECT_EQ(h.fileDialog("Choose Wallpaper", "JPEG|*.jpg", "lion.jpg", false), "lion.jpg");
    host.answerFile("sea.bmp");
    host.answerFile("");
    EXPECT_EQ(h.fileDialog("Choose Wallpaper", "JPEG|*.jpg", "lion.jpg", false), "sea.bmp");
    EXPECT_EQ(h.fileDialog("Choose Wallpaper", "JPEG|*.jpg", "lion.jpg", false), "");

    Colour colour = 12567173;
    EXPECT_TRUE(h.colourDialog("Choose BrowseBox Color", colour));
    EXPECT_EQ(colour, 12567173);
    host.cancelColour();
    host.answerColour(0xFF);
    EXPECT_FALSE(h.colourDialog("Choose BrowseBox Color", colour));
    EXPECT_TRUE(h.colourDialog("Choose BrowseBox Color", colour));
    EXPECT_EQ(colour, 0xFF);

    FontChoice font{"Arial", 10};
    host.answerFont({"Courier", 12, true});
    EXPECT_TRUE(h.fontDialog("Font", font));
    EXPECT_EQ(font.family, "Courier");

    EXPECT_EQ(h.popupMenu("&Open|-|&Close"), 0);
    host.answerPopup(2);
    EXPECT_EQ(h.popupMenu("&Open|-|&Close"), 2);

    const auto& d = host.dialogs();
    ASSERT_EQ(d.size(), 9u);
    EXPECT_EQ(d[2].kind, ScriptedHost::DialogKind::File);
    EXPECT_EQ(d[2].title, "Choose Wallpaper");
    EXPECT_EQ(d[2].detail, "JPEG|*.jpg");
    EXPECT_FALSE(d[2].confirmed);
    EXPECT_EQ(d[4].kind, ScriptedHost::DialogKind::Colour);
    EXPECT_FALSE(d[4].confirmed);
    EXPECT_EQ(d[8].detail, "&Open|-|&Close");
    EXPECT_EQ(d[8].answer, "2");
}

TEST_F(ScriptedHostTest, ClockShellMailHelpAndEnding) {
    EXPECT_EQ(host.today(), Pictures::dayNumber(fixedDate()));
    EXPECT_EQ(host.clock(), 3780001);
    host.setToday(4);
    host.setClock(1);
    EXPECT_EQ(Host::instance().today(), 4);
    EXPECT_EQ(Host::instance().clock(), 1);

    EXPECT_TRUE(host.shellOpen("http://example.org"));
    host.setMailResult(MailLoginFailure);
    EXPECT_EQ(host.composeMail({{"support@example.org"}, "Reg 1", "", {}}), MailLoginFailure);
    host.showHelp("Configure drives");
    EXPECT_EQ(host.shellOpened(), QStringList{"http://example.org"});
    EXPECT_EQ(host.mails().at(0).subject, "Reg 1");
    EXPECT_EQ(host.helpKeywords(), QStringList{"Configure drives"});

    EXPECT_THROW(host.endProgram(3, "bye"), ProgramEnded);
    EXPECT_TRUE(host.ended());
    EXPECT_EQ(host.exitCode(), 3);
    host.clearRecords();
    EXPECT_FALSE(host.ended());
    EXPECT_TRUE(host.shellOpened().isEmpty());
}

} // namespace
