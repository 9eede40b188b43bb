#include "core/Users.h"
#include "core/BrowsUsers.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Session.h"
#include "core/UpdateIDE.h"
#include "core/UpdatePass.h"
#include "framework/browse/BrowseList.h"
#include "framework/window/WindowRegistry.h"
#include "support/CatalogueTest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>

namespace {

using B = BrowsUsersWindow;
using F = UpdateIDEWindow;
using P = UpdatePassWindow;

QLineEdit* entry(QWidget& w, int number) {
    return w.findChild<QLineEdit*>(QStringLiteral("control%1").arg(number));
}
void type(QWidget& w, int number, const QString& text) {
    QLineEdit* e = entry(w, number);
    e->setFocus();
    e->selectAll();
    e->insert(text); // as typing does
}
void chooseLevel(QWidget& w, int index) {
    auto* box =
        w.findChild<QComboBox*>(QStringLiteral("control%1").arg(UpdateIDEWindow::LevelList));
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}
void click(QWidget& w, int number) {
    w.findChild<QAbstractButton*>(QStringLiteral("control%1").arg(number))->click();
    settleEvents();
}

// "name/password/level" of every user in name order, read past the window's buffers.
QStringList storedUsers() {
    QStringList out;
    IdeRecord u;
    std::unique_ptr<store::Cursor> cursor = Access::IDE().File->cursor();
    cursor->setOrder(IdeKey::KeyName);
    while (cursor->next(u) == store::Ok)
        out << QStringLiteral("%1/%2/%3").arg(u.Name.str(), u.PASSWORD.str()).arg(u.LEVEL);
    return out;
}

class UsersTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserName = "System";
        GLO.UserLevel = 3;
        Protocol::GlobalRequest = NoRequest;
    }
    void TearDown() override {
        if (w) w->Post(windowEvent(EventKind::CloseWindow));
        settleEvents();
        CatalogueTest::TearDown();
    }
    B& open() {
        w = new B;
        w->Start();
        settleEvents();
        return *w;
    }
    void post(EventKind kind, int control) {
        w->Post(controlEvent(kind, control));
        settleEvents();
    }
    void press(int control) { post(EventKind::Accepted, control); }
    void choose(int row) {
        post(EventKind::ScrollTop, B::List);
        for (int i = 1; i < row; ++i)
            post(EventKind::ScrollDown, B::List);
    }
    QStringList shownNames() const {
        QStringList out;
        for (int r = 0; r < w->ListControl().model().rowCount(); ++r)
            out << w->ListControl().model().text(r, 0);
        return out;
    }
    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& m : host.messages())
            texts << m.text;
        return texts;
    }

    QPointer<B> w;
};

TEST(UsersRules, PasswordsThatAreEmptyOrBlankAreRefused) {
    EXPECT_FALSE(Users::passwordProblem("").isEmpty());
    EXPECT_FALSE(Users::passwordProblem("    ").isEmpty());
    EXPECT_TRUE(Users::passwordProblem(" a ").isEmpty());
    EXPECT_TRUE(Users::passwordProblem(QStringLiteral("pässwörd \"q\" 'x'")).isEmpty());
}

TEST_F(UsersTest, LastAdministratorIsTheOnlyUserOfLevelThree) {
    EXPECT_TRUE(Users::isLastAdministrator(1)) << "the installation's System";
    addUser("Clerk", "c", 1);
    const quint16 clerk = IDE.IDNR;
    EXPECT_TRUE(Users::isLastAdministrator(1));
    EXPECT_FALSE(Users::isLastAdministrator(clerk));
    addUser("Deputy", "d", 3);
    const quint16 deputy = IDE.IDNR;
    EXPECT_FALSE(Users::isLastAdministrator(1));
    EXPECT_FALSE(Users::isLastAdministrator(deputy));
    EXPECT_EQ(Users::count(), 3);
    IDE.Name = "kept in the buffer";
    Users::isLastAdministrator(1);
    EXPECT_EQ(IDE.Name.str(), "kept in the buffer") << "the form's record is not touched";
}

TEST_F(UsersTest, ListsUsersByNameCountedInTheTitleInTheDefaultColour) {
    addUser("Zoë", "z", 2);
    addUser("Anna", "a", 1);
    B& b = open();
    EXPECT_EQ(b.TopLevel().windowTitle(), "Number of users : 3");
    EXPECT_EQ(shownNames(), QStringList({"Anna", "System", "Zoë"}));
    EXPECT_EQ(b.ListControl().model().text(1, 1), "Secret") << "the list shows passwords";
    EXPECT_EQ(b.ListControl().model().text(2, 2).trimmed(), "2");
    EXPECT_EQ(b.ListControl().table().palette().color(QPalette::Base), QColor(0x85, 0xC2, 0xBF));
    EXPECT_EQ(GLO.BrowseColor, 0xBFC285);
    EXPECT_TRUE(b.C().IsHidden(B::SelectButton));

    post(EventKind::CloseWindow, 0);
    const QString kept = ini.Fetch("System", "UserBrowse");
    EXPECT_TRUE(kept.contains("|M~Password~@s20@")) << kept.toStdString();

    ini.Update("System", "Color", "255"); // red
    open();
    EXPECT_EQ(w->ListControl().table().palette().color(QPalette::Base), QColor(255, 0, 0));
}

// Names and passwords as people type them: letters of every script, blanks, quotes, too
// long (the fields hold 20), and a name that is already there.
TEST_F(UsersTest, FormStoresWhatIsTypedCutToTheFieldsAndAllowsTwinNames) {
    addUser("Anna", "first", 1);
    open();
    struct Typed {
        QString name, password;
        int level; // index in the drop list
    };
    const Typed typed[] = {
        {QStringLiteral("Åsa \"Boss\" O'Neil"), QStringLiteral("ß€ \"x\" 'y'"), 2},
        {QStringLiteral("A name far longer than twenty"), QStringLiteral("p1234567890123456789XYZ"),
         0},
        {QStringLiteral("Anna"), QStringLiteral("second"), 1},
        {QStringLiteral("  Lead blanks"), QStringLiteral("  pw"), 0},
    };
    for (const Typed& t : typed) {
        QString title;
        whenShown("UpdateIDE", [&](QWidget& form) {
            title = form.windowTitle();
            type(form, F::NameEntry, t.name);
            type(form, F::PasswordEntry, t.password);
            chooseLevel(form, t.level);
            click(form, F::OkButton);
        });
        press(B::InsertButton);
        EXPECT_EQ(title, "Adding a User Record");
    }
    EXPECT_EQ(storedUsers(), QStringList({
                                 "  Lead blanks/  pw/1",
                                 "A name far longer th/p1234567890123456789/1",
                                 "Anna/first/1",
                                 "Anna/second/2",
                                 "System/Secret/3",
                                 QStringLiteral("Åsa \"Boss\" O'Neil/ß€ \"x\" 'y'/3"),
                             }));
    EXPECT_EQ(w->TopLevel().windowTitle(), "Number of users : 6");
    EXPECT_TRUE(host.messages().empty());
}

// What was cut to the fields on the way in is cut the same way at the logon: the user types
// the whole name and password, in any case, and is let in.
TEST_F(UsersTest, ALongUnicodeUserLogsOnWithWhatHeTyped) {
    const QString name = QStringLiteral("Łukasz \"Żółw\" O'Brien-Ørsted");
    const QString password = QStringLiteral("pässwörd mit \"Zitat\" und 'so' weiter");
    addUser(name, password, 1);
    EXPECT_EQ(IDE.Name.str(), name.left(20));
    EXPECT_EQ(LogonCheck::attempt(name, password), LogonCheck::Outcome::Accepted);
    EXPECT_EQ(LogonCheck::attempt(name.left(20), password.toUpper()),
              LogonCheck::Outcome::Accepted);
    EXPECT_EQ(LogonCheck::attempt(name, password.left(19)), LogonCheck::Outcome::WrongPassword);
    EXPECT_EQ(LogonCheck::attempt(name.left(19), password), LogonCheck::Outcome::UnknownUser);
    EXPECT_EQ(LogonCheck::attempt(name, QString()), LogonCheck::Outcome::WrongPassword);
}

TEST_F(UsersTest, FormRefusesAnEmptyOrBlankPassword) {
    open();
    QStringList said;
    whenShown("UpdateIDE", [&](QWidget& form) {
        type(form, F::NameEntry, "Clerk");
        type(form, F::PasswordEntry, "   ");
        click(form, F::OkButton);
        said = messageTexts();
        EXPECT_TRUE(form.isVisible()) << "the form stays for a password";
        type(form, F::PasswordEntry, "ok");
        click(form, F::OkButton);
    });
    press(B::InsertButton);
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains("empty or only blanks")) << said[0].toStdString();
    EXPECT_EQ(storedUsers(), QStringList({"Clerk/ok/1", "System/Secret/3"}));
}

TEST_F(UsersTest, TheLastUserOfLevelThreeIsNeitherDeletedNorLowered) {
    addUser("Clerk", "c", 1);
    open();
    choose(2); // System
    press(B::DeleteButton);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_TRUE(host.messages()[0].text.contains("\"System\" is the only user of level 3"))
        << host.messages()[0].text.toStdString();
    EXPECT_TRUE(host.messages()[0].text.contains("Deleting this user"));
    EXPECT_EQ(storedUsers(), QStringList({"Clerk/c/1", "System/Secret/3"}));

    host.clearRecords();
    QString title;
    QStringList said;
    whenShown("UpdateIDE", [&](QWidget& form) {
        title = form.windowTitle();
        chooseLevel(form, 1);
        click(form, F::OkButton);
        said = messageTexts();
        host.answer(ButtonNo); // the changes are not saved
        click(form, F::CancelButton);
    });
    press(B::ChangeButton);
    EXPECT_EQ(title, "Changing a User Record");
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains("A lower level would leave nobody")) << said[0].toStdString();
    EXPECT_EQ(storedUsers(), QStringList({"Clerk/c/1", "System/Secret/3"}));

    // With a second user of level 3 the first may go.
    addUser("Deputy", "d", 3);
    host.clearRecords();
    post(EventKind::GainFocus, 0);
    choose(3); // System
    host.answer(ButtonYes);
    press(B::DeleteButton);
    EXPECT_EQ(storedUsers(), QStringList({"Clerk/c/1", "Deputy/d/3"}));
    EXPECT_EQ(w->TopLevel().windowTitle(), "Number of users : 2");
}

class UpdatePassTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserName = "System";
    }
    // The window runs beside the test, as beside the main frame.
    void run(const std::function<void(QWidget&)>& action) {
        UpdatePass();
        settleEvents();
        QPointer<QWidget> window;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "UpdatePass" && w->isVisible()) window = w;
        ASSERT_TRUE(window);
        action(*window);
        settleEvents();
        EXPECT_FALSE(window) << "the window closed";
    }
    QString messageTexts() const {
        QStringList texts;
        for (const auto& m : host.messages())
            texts << m.text + (m.caption.isEmpty() ? "" : " [" + m.caption + "]");
        return texts.join(" | ");
    }
};

TEST_F(UpdatePassTest, OkWithoutTypingAsksForTheRepetitionAgain) {
    run([&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Passchange of System");
        EXPECT_EQ(entry(w, P::NewEntry)->text(), "Secret");
        EXPECT_EQ(entry(w, P::NewEntry)->echoMode(), QLineEdit::Password);
        EXPECT_TRUE(entry(w, P::RepeatEntry)->isHidden());
        click(w, P::OkButton);
        EXPECT_EQ(messageTexts(), "Wrong repetion : try again");
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(entry(w, P::RepeatEntry)->isHidden());
        click(w, P::CancelButton);
    });
    EXPECT_EQ(storedUsers(), QStringList{"System/Secret/3"});
}

TEST_F(UpdatePassTest, ARepeatedPasswordIsStoredCutToTwentyCharacters) {
    const QString typed = QStringLiteral("Grüß \"dich\" 'Welt' und noch mehr");
    run([&](QWidget& w) {
        type(w, P::NewEntry, typed);
        Q_EMIT entry(w, P::NewEntry)->editingFinished();
        settleEvents();
        EXPECT_FALSE(entry(w, P::RepeatEntry)->isHidden()) << "Enter brings the repetition";
        type(w, P::RepeatEntry, "wrong");
        click(w, P::OkButton);
        EXPECT_TRUE(entry(w, P::RepeatEntry)->text().isEmpty()) << "a wrong one is cleared";
        type(w, P::RepeatEntry, typed);
        click(w, P::OkButton);
    });
    EXPECT_EQ(messageTexts(), "Wrong repetion : try again");
    EXPECT_EQ(storedUsers(), QStringList{QStringLiteral("System/Grüß \"dich\" 'Welt' u/3")});
}

TEST_F(UpdatePassTest, ABlankPasswordIsNotStored) {
    run([&](QWidget& w) {
        type(w, P::NewEntry, "  ");
        type(w, P::RepeatEntry, "  ");
        click(w, P::OkButton);
        EXPECT_TRUE(w.isVisible());
        click(w, P::CancelButton);
    });
    EXPECT_TRUE(messageTexts().contains("empty or only blanks")) << messageTexts().toStdString();
    EXPECT_EQ(storedUsers(), QStringList{"System/Secret/3"});
}

TEST_F(UpdatePassTest, OfTwoUsersOfTheSameNameTheFirstIsChanged) {
    addUser("Twin", "one", 1);
    addUser("Twin", "two", 2);
    GLO.UserName = "Twin";
    ASSERT_EQ(LogonCheck::attempt("Twin", "one"), LogonCheck::Outcome::Accepted);
    run([&](QWidget& w) {
        EXPECT_EQ(entry(w, P::NewEntry)->text(), "one");
        type(w, P::NewEntry, "uno");
        type(w, P::RepeatEntry, "uno");
        click(w, P::OkButton);
    });
    EXPECT_EQ(storedUsers(), QStringList({"System/Secret/3", "Twin/uno/1", "Twin/two/2"}));
    EXPECT_EQ(LogonCheck::attempt("Twin", "UNO"), LogonCheck::Outcome::Accepted);
}

TEST_F(UpdatePassTest, AnUnknownUserIsToldFoutAndNothingChanges) {
    GLO.UserName = "Ghost";
    UpdatePass();
    settleEvents();
    EXPECT_EQ(messageTexts(), "Fout");
    EXPECT_EQ(storedUsers(), QStringList{"System/Secret/3"});
    EXPECT_EQ(WindowRegistry::Count(), 0) << "the window closed";
}

} // namespace
