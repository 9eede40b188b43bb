#include "framework/host/QtHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Acts on the message box once it is shown.
void whenBoxShown(std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        act(box);
    });
}

void press(QWidget* w, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

QAbstractButton* buttonNamed(QMessageBox* box, const QString& label) {
    for (QAbstractButton* b : box->buttons()) {
        if (b->text() == label && b->isVisible()) return b;
    }
    return nullptr;
}

TEST(QtHost, MessageBoxShowsNamedButtonsAndReturnsThePosition) {
    QtHost host;
    QStringList shown;
    whenBoxShown([&shown](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons()) {
            if (b->isVisible()) shown << b->text();
        }
        EXPECT_EQ(box->windowTitle(), "Wareloft");
        EXPECT_EQ(box->text(), "RECORD ALREADY EXISTS :\r\nReplace D:\\");
        EXPECT_EQ(box->defaultButton()->text(), "&No to All");
        buttonNamed(box, "Yes to &All")->click();
    });
    EXPECT_EQ(host.message("RECORD ALREADY EXISTS :\r\nReplace D:\\", "Wareloft", Icon::Exclamation,
                           "&Yes|Yes to &All|&No to All", 3),
              2);
    EXPECT_EQ(shown, QStringList({"&Yes", "Yes to &All", "&No to All"}));
}

TEST(QtHost, EscapeAnswersCancelOrZero) {
    QtHost host;
    whenBoxShown([](QMessageBox* box) { press(box, Qt::Key_Escape); });
    EXPECT_EQ(host.message("Sure?", "Wareloft", Icon::Question, ButtonYes | ButtonNo | ButtonCancel,
                           ButtonYes),
              ButtonCancel);
    whenBoxShown([](QMessageBox* box) { press(box, Qt::Key_Escape); });
    EXPECT_EQ(host.message("Which?", "", Icon::None, "&Yes|Yes to &All|&No to All", 1), 0);
    whenBoxShown([](QMessageBox* box) { press(box, Qt::Key_Return); });
    EXPECT_EQ(host.message("Delete?", "Wareloft", Icon::Exclamation, "&Yes|&No", 2), 2);
}

// The shell's "open" refuses web addresses of other schemes before anything is started.
TEST(QtHost, ShellOpenRefusesSchemesOtherThanTheWebsAndMail) {
    QtHost host;
    for (const char* target : {"javascript:alert(1)", "file:///bin/sh", "data:text/html,x",
                               "ftp://example.com/", "https://", "www.bad host.example"})
        EXPECT_FALSE(host.shellOpen(target)) << target;
}

// A mail that cannot go is told before any mail client is started.
TEST(QtHost, MailWithABadAddressOrMissingAttachmentIsNotHandedOver) {
    QtHost host;
    MailMessage mail;
    mail.to = {"support"};
    EXPECT_EQ(host.composeMail(mail), MailUnknownRecipient);
    mail.to = {"support@example.com"};
    mail.attachments = {"/nonexistent/wareloft/report.txt"};
    EXPECT_EQ(host.composeMail(mail), MailAttachmentNotFound);
}

TEST(QtHost, AddressBookTicksThePickedAndReturnsTheTickedInBookOrder) {
    QtHost host;
    const std::vector<AddressEntry> book = {{"Alpha Tools", "support@alpha.example"},
                                            {"Bluebird", "help@bluebird.example"},
                                            {"Zeta", "zeta@zeta.example"}};
    QStringList recipients = {"ZETA@zeta.example"};
    QTimer::singleShot(0, [] {
        auto* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->windowTitle(), "Address To:");
        auto* list = dialog->findChild<QListWidget*>("addressList");
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(0)->text(), "Alpha Tools  <support@alpha.example>");
        EXPECT_EQ(list->item(2)->checkState(), Qt::Checked) << "held before: ticked";
        dialog->findChild<QLineEdit*>("addressFind")->setText("BLUE");
        EXPECT_TRUE(list->item(0)->isHidden());
        EXPECT_FALSE(list->item(1)->isHidden());
        list->item(1)->setCheckState(Qt::Checked);
        press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(host.addressBook("Address To:", book, recipients), MailSuccess);
    EXPECT_EQ(recipients, QStringList({"help@bluebird.example", "zeta@zeta.example"}));

    QTimer::singleShot(0, [] { press(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(host.addressBook("Address To:", book, recipients), MailUserAbort);
    EXPECT_EQ(recipients, QStringList({"help@bluebird.example", "zeta@zeta.example"}));
}

} // namespace
