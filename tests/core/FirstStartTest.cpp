#include "core/DataDirectory.h"
#include "core/DataFiles.h"
#include "core/FirstUserWindow.h"
#include "core/Globals.h"
#include "core/Logon.h"
#include "core/Process.h"
#include "core/Session.h"
#include "support/CatalogueTest.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using W = FirstUserWindow;

void type(QWidget& w, int control, const QString& text) {
    auto* entry = w.findChild<QLineEdit*>(QStringLiteral("control%1").arg(control));
    entry->setFocus();
    entry->selectAll();
    entry->insert(text);
}
void press(QWidget& w, int control) {
    w.findChild<QPushButton*>(QStringLiteral("control%1").arg(control))->click();
    settleEvents();
}

class DataDirectoryTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        previous = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataPath("home/.local/share")));
    }
    void TearDown() override {
        qputenv("XDG_DATA_HOME", previous);
        DataDirTest::TearDown();
    }
    QByteArray previous;
};

TEST_F(DataDirectoryTest, TheMenuOpensTheUsersCatalogueUnlessDataFilesAreHere) {
    QDir().mkpath(dataPath("work"));
    const QString work = dataPath("work");
    EXPECT_EQ(DataDirectory::choose(false, work).path, work) << "not from the menu: here";

    const QString own = dataPath("home/.local/share/Wareloft");
    EXPECT_EQ(DataDirectory::userCatalogue(), own);
    DataDirectory::Choice choice = DataDirectory::choose(true, work);
    EXPECT_EQ(choice.path, own);
    EXPECT_TRUE(choice.userCatalogue);
    EXPECT_TRUE(choice.madeNow);
    EXPECT_EQ(QFileInfo(own).permissions() &
                  (QFile::ReadOther | QFile::ReadGroup | QFile::WriteOther | QFile::WriteGroup),
              QFile::Permissions())
        << "the catalogue is its owner's alone";
    choice = DataDirectory::choose(true, work);
    EXPECT_FALSE(choice.madeNow) << "made once";

    writeFile("work/Archief.tps");
    EXPECT_EQ(DataDirectory::choose(true, work).path, work) << "data files here: as always";
    writeFile("settings/software.INI");
    EXPECT_TRUE(DataDirectory::holdsDataFiles(dataPath("settings")));
    EXPECT_FALSE(DataDirectory::holdsDataFiles(dataPath("home")));
}

// A data directory with its files but nobody in its users file.
class FirstUserTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        process = std::make_unique<Process>(dataDir());
        WindowController::SetServices(&process->errors(), &process->settings());
        Session::state() = {};
    }
    void TearDown() override {
        settleEvents();
        Access::IDE().Close();
        Access::Sys().Close();
        Access::Log().Close();
        Access::Prd().Close();
        WindowController::SetServices(nullptr, nullptr);
        process.reset();
        DataDirTest::TearDown();
    }
    qint64 users() {
        Access::IDE().Open();
        const qint64 n =
            Access::IDE().UseFile() == LevelBenign ? Access::IDE().File->records() : -1;
        Access::IDE().Close();
        return n;
    }
    std::unique_ptr<Process> process;
};

TEST_F(FirstUserTest, SaysThereIsNoUserAndAddsTheFirstOneWithThePasswordTypedTwice) {
    QString explanation;
    whenShown("FirstUser", [&](QWidget& w) {
        explanation = w.findChild<QLabel*>("control1")->text();
        EXPECT_EQ(w.windowTitle(), "Wareloft - First user");
        type(w, W::PasswordEntry, "Sesame");
        type(w, W::RepeatEntry, "Sesam");
        press(w, W::OkButton);
        EXPECT_TRUE(w.isVisible()) << "two different passwords";
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_TRUE(host.lastMessage()->text.contains("differ"));
        EXPECT_TRUE(w.findChild<QLineEdit*>("control7")->text().isEmpty());
        type(w, W::RepeatEntry, "Sesame");
        press(w, W::OkButton);
    });
    EXPECT_EQ(EnsureFirstUser(dataDir(), false), FirstUser::Added);
    EXPECT_TRUE(explanation.contains("has no user, so nobody can log on"))
        << explanation.toStdString();
    EXPECT_TRUE(explanation.contains(dataDir()));
    EXPECT_EQ(users(), 1);

    // The session starts as that user without the logon window.
    for (FileManager* f : {&Access::IDE(), &Access::Sys(), &Access::Log(), &Access::Prd()})
        f->Open();
    ASSERT_TRUE(StartSessionAs("System"));
    EXPECT_EQ(GLO.UserName.str(), "System");
    EXPECT_EQ(GLO.UserLevel, 3);
    EXPECT_EQ(ini.Fetch("Registration", "LastLogon"), "System");
    EXPECT_EQ(LogonCheck::attempt("System", "sesame"), LogonCheck::Outcome::Accepted);
    EXPECT_FALSE(StartSessionAs("Nobody"));

    // With a user, nothing is asked.
    EXPECT_EQ(EnsureFirstUser(dataDir(), false), FirstUser::Known);
}

TEST_F(FirstUserTest, AFailedAdditionAsksAgain) {
    // Another station adds a user between the question and the answer: the addition is
    // refused, said, and asked again; then there is a user.
    auto other = store::RecordStore::openSqlCipher(dataDir());
    int shown = 0;
    std::function<void(QWidget&)> answer = [&](QWidget& w) {
        if (++shown == 1) {
            // Nothing is made before the answer, so the other station makes the users file.
            store::StoreFile& users = other->declare(Dictionary::IDE());
            if (users.open(store::ReadWrite | store::DenyNone) == store::FileNotFound)
                ASSERT_EQ(users.create(), store::Ok);
            ASSERT_EQ(users.open(store::ReadWrite | store::DenyNone), store::Ok);
            IdeRecord u;
            u.IDNR = 7;
            u.Name = "Early";
            u.LEVEL = 3;
            ASSERT_EQ(users.add(u), store::Ok);
            users.close();
            type(w, W::PasswordEntry, "x");
            type(w, W::RepeatEntry, "x");
            press(w, W::OkButton);
            whenShown("FirstUser", answer);
        } else {
            press(w, W::CancelButton);
        }
    };
    whenShown("FirstUser", answer);
    EXPECT_EQ(EnsureFirstUser(dataDir(), false), FirstUser::Cancelled);
    EXPECT_EQ(shown, 2);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_FALSE(host.messages()[0].text.isEmpty()) << "the refusal is said";
    EXPECT_EQ(users(), 1) << "only the other station's user";
}

TEST_F(FirstUserTest, ANewCatalogueSaysSoAndCancelLeavesItWithoutUsers) {
    QString explanation;
    whenShown("FirstUser", [&](QWidget& w) {
        explanation = w.findChild<QLabel*>("control1")->text();
        press(w, W::CancelButton);
    });
    EXPECT_EQ(EnsureFirstUser(dataDir(), true), FirstUser::Cancelled);
    EXPECT_TRUE(explanation.contains("It is new")) << explanation.toStdString();
    EXPECT_EQ(users(), 0);
}

} // namespace
