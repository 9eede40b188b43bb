#include "core/LogonWindow.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Logon.h"
#include "core/Session.h"
#include "framework/Pictures.h"
#include "framework/host/Images.h"
#include "support/CatalogueTest.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString controlName(int control) {
    return QStringLiteral("control%1").arg(control);
}

QComboBox* nameBox(QWidget& w) {
    return w.findChild<QComboBox*>(controlName(LogonWindow::NameCombo));
}
QLineEdit* passwordEntry(QWidget& w) {
    return w.findChild<QLineEdit*>(controlName(LogonWindow::PasswordEntry));
}

// Whether the traffic light shows the picture of that name.
bool lightShows(QWidget& w, const QString& picture) {
    const QLabel* light = w.findChild<QLabel*>(controlName(LogonWindow::Light));
    return light->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) ==
           Images::image(picture, 32).convertToFormat(QImage::Format_ARGB32);
}

void typeText(QLineEdit* entry, const QString& text) {
    entry->selectAll();
    entry->insert(text);
}

void pressEnter(QWidget* widget) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(widget, &key);
    settleEvents();
}

void press(QWidget& w, int control) {
    w.findChild<QPushButton*>(controlName(control))->click();
    settleEvents();
}

// One attempt as a user makes it: the name typed over the proposed one, the password, OK.
void attempt(QWidget& w, const QString& name, const QString& password) {
    typeText(nameBox(w)->lineEdit(), name);
    typeText(passwordEntry(w), password);
    press(w, LogonWindow::OkButton);
}

class LogonWindowTest : public CatalogueTest {
protected:
    void setLogging(int doLog, int howLong) {
        SYS.clear();
        SYS.ID = 1;
        ASSERT_EQ(Access::Sys().TryFetch(SysKey::KeyID), LevelBenign);
        SYS.DOLOG = quint8(doLog);
        SYS.HOWLONG = quint8(howLong);
        ASSERT_EQ(Access::Sys().TryUpdate(), LevelBenign);
    }
    struct Entry {
        QString name;
        qint32 in, out;
    };
    std::vector<Entry> logbook() {
        std::vector<Entry> entries;
        LogRecord probe;
        Access::Log().File->setOrder(0);
        while (Access::Log().File->next(probe) == store::Ok)
            entries.push_back({probe.NAME.str(), probe.LOGINTIME, probe.LOGOUTTIME});
        return entries;
    }
    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& m : host.messages())
            texts << m.text;
        return texts;
    }
    QString lastLogon() const { return ini.Fetch("Registration", "LastLogon"); }
};

TEST_F(LogonWindowTest, FirstStartProposesSystemAndTakesNameAndPasswordInAnyCase) {
    whenShown("Logon", [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "WLP - Logon");
        EXPECT_EQ(nameBox(w)->currentText(), "System");
        EXPECT_EQ(GLO.UserName.str(), "System");
        EXPECT_EQ(passwordEntry(w)->echoMode(), QLineEdit::Password);
        EXPECT_EQ(w.focusWidget(), passwordEntry(w));
        EXPECT_TRUE(lightShows(w, "Trffc10a.ico"));
        typeText(nameBox(w)->lineEdit(), "sYSTEM");
        typeText(passwordEntry(w), "SECRET");
        pressEnter(passwordEntry(w)); // Enter presses OK
    });
    const LogonResult result = Logon();
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.level, 3);
    EXPECT_EQ(result.idnr, 1);
    EXPECT_EQ(GLO.UserName.str(), "System") << "the user's name as stored";
    EXPECT_EQ(lastLogon(), "System");
    EXPECT_TRUE(host.messages().empty());
    EXPECT_FALSE(ini.Fetch("Logon", "XPos").isEmpty()) << "the window's place is kept";
}

TEST_F(LogonWindowTest, LastUserIsProposedAndEveryUserListedByName) {
    addUser("Zeta", "z", 2);
    addUser("Clerk", "pw", 1);
    ini.Update("Registration", "LastLogon", "Clerk");
    whenShown("Logon", [&](QWidget& w) {
        QComboBox* box = nameBox(w);
        EXPECT_EQ(box->currentText(), "Clerk");
        QStringList listed;
        for (int i = 0; i < box->count(); ++i)
            listed << box->itemText(i);
        EXPECT_EQ(listed, QStringList({"Clerk", "System", "Zeta"}));
        // a name picked from the list
        box->setCurrentIndex(2);
        Q_EMIT box->activated(2);
        typeText(passwordEntry(w), "Z");
        press(w, LogonWindow::OkButton);
    });
    const LogonResult result = Logon();
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.level, 2);
    EXPECT_EQ(lastLogon(), "Zeta");
}

TEST_F(LogonWindowTest, ThreeWrongPasswordsDenyAccess) {
    whenShown("Logon", [&](QWidget& w) {
        attempt(w, "System", "wrong");
        EXPECT_TRUE(lightShows(w, "Trffc10b.ico"));
        EXPECT_EQ(passwordEntry(w)->text(), "");
        EXPECT_EQ(w.focusWidget(), passwordEntry(w));
        attempt(w, "System", "Secret!");
        EXPECT_TRUE(lightShows(w, "Trffc10c.ico"));
        EXPECT_EQ(passwordEntry(w)->text(), "");
        EXPECT_TRUE(host.messages().empty()) << "a wrong password says nothing";
        attempt(w, "System", "");
    });
    const LogonResult result = Logon();
    EXPECT_FALSE(result.success);
    ASSERT_EQ(host.messages().size(), 1u);
    const auto& denied = host.messages().front();
    EXPECT_EQ(denied.text, "ACCESS DENIED..");
    EXPECT_EQ(denied.caption, "WLP message");
    EXPECT_EQ(denied.icon, Icon::Information);
    EXPECT_EQ(denied.buttons, ButtonOk);
    EXPECT_EQ(lastLogon(), "") << "a failed logon writes nothing";
}

TEST_F(LogonWindowTest, UnknownNamesCountAsAttempts) {
    whenShown("Logon", [&](QWidget& w) {
        attempt(w, "Nobody", "Secret");
        EXPECT_EQ(nameBox(w)->currentText(), "") << "the unknown name is cleared";
        EXPECT_TRUE(lightShows(w, "Trffc10b.ico"));
        attempt(w, "Nobody", "Secret");
        attempt(w, "System", "wrong"); // known, but the third failure all the same
    });
    EXPECT_FALSE(Logon().success);
    EXPECT_EQ(messageTexts(), QStringList({"Unknown User", "Unknown User", "ACCESS DENIED.."}));
    EXPECT_EQ(host.messages().front().caption, "WLP message");
    EXPECT_EQ(host.messages().front().icon, Icon::Information);
}

TEST_F(LogonWindowTest, FailedLogonStartsNoSession) {
    setLogging(1, 30);
    LOG.clear();
    LOG.ID = 1;
    LOG.NAME = "Old";
    LOG.DATUM = host.today() - 40;
    ASSERT_EQ(Access::Log().TryInsert(), LevelBenign);
    whenShown("Logon", [&](QWidget& w) { press(w, LogonWindow::CancelButton); });
    EXPECT_FALSE(LogonAndStartSession());
    EXPECT_FALSE(Session::state().logged);
    EXPECT_TRUE(logbook().empty()) << "no entry written; the old one went all the same";
    EXPECT_EQ(lastLogon(), "");
    EXPECT_EQ(GLO.UserLevel, 0);
}

TEST_F(LogonWindowTest, ChangeUserEndsTheOldSessionAndStartsANewOne) {
    setLogging(1, 30);
    addUser("Clerk", "pw", 1);
    host.setClock(Pictures::timeValue(9, 0, 0));
    whenShown("Logon", [&](QWidget& w) { attempt(w, "System", "secret"); });
    ASSERT_TRUE(LogonAndStartSession());
    EXPECT_EQ(GLO.UserLevel, 3);

    host.setClock(Pictures::timeValue(11, 0, 0));
    whenShown("Logon", [&](QWidget& w) {
        EXPECT_EQ(nameBox(w)->currentText(), "System");
        attempt(w, "clerk", "PW");
    });
    ASSERT_TRUE(ChangeUser());
    EXPECT_EQ(GLO.UserName.str(), "Clerk");
    EXPECT_EQ(GLO.UserLevel, 1);
    EXPECT_EQ(lastLogon(), "Clerk");
    const auto entries = logbook();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "System");
    EXPECT_EQ(entries[0].in, Pictures::timeValue(9, 0, 0));
    EXPECT_EQ(entries[0].out, Pictures::timeValue(11, 0, 0)) << "the old session's log-out time";
    EXPECT_EQ(entries[1].name, "Clerk");
    EXPECT_EQ(entries[1].in, Pictures::timeValue(11, 0, 0));
    EXPECT_EQ(entries[1].out, 0);

    // A failed new logon ends the session and starts none.
    whenShown("Logon", [&](QWidget& w) { press(w, LogonWindow::CancelButton); });
    EXPECT_FALSE(ChangeUser());
    EXPECT_NE(logbook()[1].out, 0);
    EXPECT_EQ(logbook().size(), 2u);
}

} // namespace
