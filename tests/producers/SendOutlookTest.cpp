#include "producers/SendOutlook.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "producers/SendOutlookWindow.h"
#include "support/CatalogueTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

using W = SendOutlookWindow;

template <class T> T* control(QWidget& w, int number) {
    return w.findChild<T*>(QStringLiteral("control%1").arg(number));
}
QString textOf(QWidget& w, int number) {
    return control<QLineEdit>(w, number)->text();
}
void type(QWidget& w, int number, const QString& text) {
    QLineEdit* edit = control<QLineEdit>(w, number);
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
    settleEvents();
}
void press(QWidget& w, int number) {
    control<QAbstractButton>(w, number)->click();
    settleEvents();
}

class SendOutlookTest : public CatalogueTest {
protected:
    void addProducer(const QString& name, const QString& support) {
        PRD.clear();
        PRD.Name = name;
        PRD.Support = support;
        ASSERT_EQ(Access::Prd().TryInsert(), LevelBenign);
    }
};

TEST_F(SendOutlookTest, SupportRequestOpensReadyToSend) {
    whenShown("SendOutlook", [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Send a message to Northwind Software");
        EXPECT_EQ(textOf(w, W::ToEntry), "help@northwind.example");
        EXPECT_EQ(textOf(w, W::SubjectEntry), "Support-request for TOOLS\\ZIP.EXE -- Reg.Nr: NW-1");
        EXPECT_TRUE(control<QPlainTextEdit>(w, W::MessageText)->toPlainText().isEmpty());
        EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(w, W::SendButton))
            << "the focus starts on the send button";
        EXPECT_EQ(control<QWidget>(w, W::AddressBookButton)->toolTip(), "Call Adres Book");
        EXPECT_EQ(control<QWidget>(w, W::AttachmentButton)->toolTip(), "Select Attachment");
        EXPECT_EQ(control<QWidget>(w, W::SendButton)->toolTip(),
                  "Send this message to the Outbox!");
        press(w, W::HelpButton);
        press(w, W::SendButton);
    });
    SendOutlook("Northwind Software  ", "help@northwind.example  ", "NW-1", "TOOLS\\ZIP.EXE");
    EXPECT_EQ(host.helpKeywords(), QStringList{"Send Message"});
    ASSERT_EQ(host.mails().size(), 1u);
    const MailMessage& mail = host.mails()[0];
    EXPECT_EQ(mail.to, QStringList{"help@northwind.example"});
    EXPECT_EQ(mail.subject, "Support-request for TOOLS\\ZIP.EXE -- Reg.Nr: NW-1");
    EXPECT_TRUE(mail.body.isEmpty());
    EXPECT_FALSE(mail.dialog);
    EXPECT_TRUE(host.messages().empty());
    EXPECT_FALSE(ini.Fetch("SendOutlook", "XPos").isEmpty()) << "the place is kept";
}

TEST_F(SendOutlookTest, WhatIsTypedArrivesAsTyped) {
    const QString body = "Dear support,\n\"quoted\" & 'single' 100% D:\\config\\new\nÆøå 日本語 "
                         "עברית\n\n-- \nA user";
    whenShown("SendOutlook", [&](QWidget& w) {
        type(w, W::SubjectEntry, "Crash & burn: \"setup\" fails ü");
        control<QPlainTextEdit>(w, W::MessageText)->setPlainText(body);
        control<QPlainTextEdit>(w, W::MessageText)->document()->setModified(true);
        press(w, W::SendButton);
    });
    SendOutlook("Kestrel Games", "service@kestrel.example", "", "");
    ASSERT_EQ(host.mails().size(), 1u);
    EXPECT_EQ(host.mails()[0].subject, "Crash & burn: \"setup\" fails ü");
    EXPECT_EQ(host.mails()[0].body, body);
}

TEST_F(SendOutlookTest, EmptySubjectLeavesTheMailToTheMailClientsWindow) {
    whenShown("SendOutlook", [&](QWidget& w) {
        EXPECT_EQ(textOf(w, W::SubjectEntry), "Request for info on : ");
        type(w, W::SubjectEntry, "");
        press(w, W::SendButton);
    });
    SendOutlook("Kestrel Games", "service@kestrel.example", "", "");
    ASSERT_EQ(host.mails().size(), 1u);
    EXPECT_TRUE(host.mails()[0].dialog);
    EXPECT_EQ(host.mails()[0].to, QStringList{"service@kestrel.example"});
}

TEST_F(SendOutlookTest, AttachmentFromTheFileDialog) {
    writeFile("log.txt", "trace");
    host.answerFile(dataPath("log.txt"));
    whenShown("SendOutlook", [&](QWidget& w) {
        press(w, W::AttachmentButton);
        EXPECT_EQ(textOf(w, W::AttachmentEntry), dataPath("log.txt"));
        control<QPlainTextEdit>(w, W::MessageText)->setPlainText("See the log.");
        control<QPlainTextEdit>(w, W::MessageText)->document()->setModified(true);
        press(w, W::SendButton);
    });
    SendOutlook("Kestrel Games", "service@kestrel.example", "None", "GAME.EXE");
    ASSERT_EQ(host.dialogs().size(), 1u);
    EXPECT_EQ(host.dialogs()[0].title, "Choose a File");
    EXPECT_EQ(host.dialogs()[0].detail, "All Files|*.*");
    ASSERT_EQ(host.mails().size(), 1u);
    EXPECT_EQ(host.mails()[0].subject, "Support-request for GAME.EXE");
    EXPECT_EQ(host.mails()[0].attachments, QStringList{dataPath("log.txt")});
    EXPECT_EQ(host.mails()[0].body, "   See the log.");
}

TEST_F(SendOutlookTest, AddressBookOffersSupportAddressesAndPicksRecipients) {
    addProducer("Bluebird Graphics", "help@bluebird.example");
    addProducer("Harbour Tools", "tools@harbour.example");
    addProducer("Silent", "");
    host.answerAddressBook({"tools@harbour.example", "help@bluebird.example"});
    whenShown("SendOutlook", [&](QWidget& w) {
        press(w, W::AddressBookButton);
        EXPECT_EQ(textOf(w, W::ToEntry), "tools@harbour.example")
            << "the first recipient picked becomes the To text";
        press(w, W::SendButton);
    });
    SendOutlook("Kestrel Games", "service@kestrel.example", "", "");
    ASSERT_EQ(host.dialogs().size(), 1u);
    const ScriptedHost::ShownDialog& book = host.dialogs()[0];
    EXPECT_EQ(book.kind, ScriptedHost::DialogKind::AddressBook);
    EXPECT_EQ(book.title, "Address To:");
    EXPECT_EQ(book.start, "service@kestrel.example") << "the To address comes ticked";
    EXPECT_EQ(book.detail,
              "Bluebird Graphics <help@bluebird.example>\nHarbour Tools <tools@harbour.example>");
    ASSERT_EQ(host.mails().size(), 1u);
    EXPECT_EQ(host.mails()[0].to, QStringList({"tools@harbour.example", "help@bluebird.example"}));
}

TEST_F(SendOutlookTest, AddressBookCancelledOrFailing) {
    host.failAddressBook(MailUserAbort);
    host.failAddressBook(MailFailure);
    whenShown("SendOutlook", [&](QWidget& w) {
        press(w, W::AddressBookButton);
        EXPECT_TRUE(host.messages().empty()) << "a cancel says nothing";
        press(w, W::AddressBookButton);
        EXPECT_EQ(textOf(w, W::ToEntry), "service@kestrel.example");
        press(w, W::CancelButton);
    });
    SendOutlook("Kestrel Games", "service@kestrel.example", "", "");
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "Ms-Mail Address Problems 002");
    EXPECT_TRUE(host.mails().empty()) << "Cancel sends nothing";
}

// A mail that could not be handed over keeps the window and what was typed in it.
TEST_F(SendOutlookTest, FailedSendShowsItsTextAndKeepsTheMessage) {
    host.setMailResult(MailUnknownRecipient);
    whenShown("SendOutlook", [&](QWidget& w) {
        type(w, W::ToEntry, "nobody");
        control<QPlainTextEdit>(w, W::MessageText)->setPlainText("A long message");
        control<QPlainTextEdit>(w, W::MessageText)->document()->setModified(true);
        press(w, W::SendButton);
        ASSERT_TRUE(w.isVisible());
        EXPECT_EQ(control<QPlainTextEdit>(w, W::MessageText)->toPlainText(), "A long message");
        host.setMailResult(MailSuccess);
        type(w, W::ToEntry, "service@kestrel.example");
        press(w, W::SendButton);
    });
    SendOutlook("Kestrel Games", "", "", "");
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "MS-Mail : There is an unknown recipient!?");
    EXPECT_EQ(host.messages()[0].caption, "") << "the host's own caption applies";
    ASSERT_EQ(host.mails().size(), 2u);
    EXPECT_EQ(host.mails()[0].to, QStringList{"nobody"});
    EXPECT_EQ(host.mails()[1].to, QStringList{"service@kestrel.example"});
    EXPECT_EQ(host.mails()[1].body, "A long message");
}

TEST_F(SendOutlookTest, UserAbortInTheMailClientClosesWithoutAMessage) {
    host.setMailResult(MailUserAbort);
    whenShown("SendOutlook", [&](QWidget& w) { press(w, W::SendButton); });
    SendOutlook("Kestrel Games", "service@kestrel.example", "", "");
    EXPECT_EQ(host.mails().size(), 1u);
    EXPECT_TRUE(host.messages().empty());
}

} // namespace
