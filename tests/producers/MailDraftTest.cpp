#include "producers/MailDraft.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "support/CatalogueTest.h"

namespace {

TEST(MailDraft, SubjectByProgramAndRegistration) {
    EXPECT_EQ(MailDraft::subjectFor("", ""), "Request for info on : ");
    EXPECT_EQ(MailDraft::subjectFor("   ", "R-77"), "Request for info on : ");
    EXPECT_EQ(MailDraft::subjectFor("TOOLS\\ZIP.EXE  ", "  R-77 "),
              "Support-request for TOOLS\\ZIP.EXE -- Reg.Nr: R-77");
    EXPECT_EQ(MailDraft::subjectFor("ZIP.EXE", "None"), "Support-request for ZIP.EXE");
    EXPECT_EQ(MailDraft::subjectFor("ZIP.EXE", ""), "Support-request for ZIP.EXE");
    EXPECT_EQ(MailDraft::subjectFor("ZIP.EXE", "none"),
              "Support-request for ZIP.EXE -- Reg.Nr: none")
        << "only the exact word stands for no number";
}

TEST(MailDraft, SupportAddressNeedsAnAtAndADotAnywhere) {
    for (const char* good : {"help@example.com", "a.b@c", "@."})
        EXPECT_TRUE(MailDraft::isSupportAddress(good)) << good;
    for (const char* bad : {"", "   ", "help@example", "help.example.com", "www.example.com"})
        EXPECT_FALSE(MailDraft::isSupportAddress(bad)) << bad;
}

TEST(MailDraft, RecipientsFromTheToTextOrThePickedOnes) {
    MailDraft::Draft draft{" help@a.com ", {}, "Question", "Hello", ""};
    MailMessage mail = MailDraft::message(draft);
    EXPECT_EQ(mail.to, QStringList{"help@a.com"});
    EXPECT_EQ(mail.body, "Hello");
    EXPECT_FALSE(mail.dialog);

    draft.picked = {"one@b.com"};
    EXPECT_EQ(MailDraft::message(draft).to, QStringList{"help@a.com"})
        << "one picked recipient gives way to the To text";
    draft.picked = {"one@b.com", "two@c.com"};
    EXPECT_EQ(MailDraft::message(draft).to, QStringList({"one@b.com", "two@c.com"}))
        << "two or more picked: the To text is not used";
    draft.to.clear();
    draft.picked = {"one@b.com"};
    EXPECT_EQ(MailDraft::message(draft).to, QStringList{"one@b.com"});

    draft.picked.clear();
    mail = MailDraft::message(draft);
    EXPECT_TRUE(mail.to.isEmpty());
    EXPECT_TRUE(mail.dialog) << "nobody to send to: the mail client's window finishes it";
    draft.to = "help@a.com";
    draft.subject.clear();
    EXPECT_TRUE(MailDraft::message(draft).dialog) << "no subject: the same";
}

TEST(MailDraft, AnAttachmentPutsThreeBlanksBeforeTheText) {
    const MailDraft::Draft draft{"help@a.com", {}, "S", "Text\nmore", " /tmp/log file.txt "};
    const MailMessage mail = MailDraft::message(draft);
    EXPECT_EQ(mail.attachments, QStringList{"/tmp/log file.txt"});
    EXPECT_EQ(mail.body, "   Text\nmore");
}

TEST(MailDraft, ResultTexts) {
    EXPECT_EQ(MailDraft::sendResultText(MailSuccess), "");
    EXPECT_EQ(MailDraft::sendResultText(MailUserAbort), "");
    EXPECT_EQ(MailDraft::sendResultText(3), "MS-Mail : Unsuccesful logon, no mail sent.");
    EXPECT_EQ(MailDraft::sendResultText(11), "MS-Mail : Attachment not found!?");
    EXPECT_EQ(MailDraft::sendResultText(14), "MS-Mail : There is an unknown recipient!?");
    EXPECT_EQ(MailDraft::sendResultText(21), "MS-Mail : Duplicate Recipients!?");
    EXPECT_EQ(MailDraft::sendResultText(6), "MS-Send Error - 00000006");
    EXPECT_EQ(MailDraft::sendResultText(123456), "MS-Send Error - 00123456");
    EXPECT_EQ(MailDraft::addressBookResultText(MailUserAbort), "");
    EXPECT_EQ(MailDraft::addressBookResultText(2), "Ms-Mail Address Problems 002");
    EXPECT_EQ(MailDraft::addressBookResultText(26), "Ms-Mail Address Problems 026");
}

class SupportAddressesTest : public CatalogueTest {
protected:
    void addProducer(const QString& name, const QString& support) {
        PRD.clear();
        PRD.Name = name;
        PRD.Support = support;
        ASSERT_EQ(Access::Prd().TryInsert(), LevelBenign);
    }
};

TEST_F(SupportAddressesTest, OffersProducersWithAnAddressInNameOrderLeavingTheBufferAlone) {
    addProducer("Zeta Soft", "help@zeta.example");
    addProducer("Alpha Tools", "  support@alpha.example");
    addProducer("No Mail", "");
    addProducer("Broken", "not-an-address");
    PRD.clear();
    PRD.Name = "Being edited";

    const std::vector<AddressEntry> book = MailDraft::supportAddresses();
    QStringList entries;
    for (const AddressEntry& e : book)
        entries << e.name + " " + e.address;
    EXPECT_EQ(entries,
              QStringList({"Alpha Tools support@alpha.example", "Zeta Soft help@zeta.example"}));
    EXPECT_EQ(PRD.Name.str(), "Being edited");
}

} // namespace
