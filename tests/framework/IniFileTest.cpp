#include "framework/IniManager.h"
#include "support/DataDirTest.h"

#include <QDir>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What the settings store does with a settings file that is odd, hostile or out of reach.
class IniFileTest : public DataDirTest {
protected:
    QString file() const { return dataPath("software.INI"); }
    mode_t modeOf() const {
        struct stat st;
        return ::stat(QFile::encodeName(file()).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
    // A fresh session on the file, as a program start makes one.
    void session(const std::function<void(IniManager&)>& work = {}) {
        IniManager settings;
        settings.Init("software.INI", dataDir());
        if (work) work(settings);
        settings.Kill();
    }
    int warnings() const {
        int n = 0;
        for (const auto& m : host.messages())
            n += m.text.startsWith("The settings file ");
        return n;
    }
};

TEST_F(IniFileTest, AHugeListCountIsBoundedByWhatTheFileHolds) {
    writeFile("software.INI", "[Sectors]\n__Dont_Touch_Me__=2000000000\n"
                              "__Dont_Touch_Me___1=Archive,List,Columns\n"
                              "__Dont_Touch_Me___2=Search,,\n[Main]\nXPos=5\n");
    session([](IniManager& s) { EXPECT_EQ(s.GetSectors("", "", "").size(), 2u); });
    EXPECT_EQ(readFile("software.INI"), "[Sectors]\n__Dont_Touch_Me__=2\n"
                                        "__Dont_Touch_Me___1=Archive,List,Columns\n"
                                        "__Dont_Touch_Me___2=Search,,\n[Main]\nXPos=5\n");

    // A count with nothing behind it, and entries that name no group, are not written back.
    QByteArray text = "[Sectors]\n__Dont_Touch_Me__=20000\n";
    for (int n = 1; n <= 20000; ++n)
        text += "__Dont_Touch_Me___" + QByteArray::number(n) + "=\n";
    writeFile("software.INI", text);
    session();
    EXPECT_EQ(readFile("software.INI"), "[Sectors]\n__Dont_Touch_Me__=0\n");
}

TEST_F(IniFileTest, LongListsAreWrittenAndReadInOnePass) {
    std::vector<QStringList> rows;
    for (int n = 0; n < 30000; ++n)
        rows.push_back({QStringLiteral("Family%1").arg(n), "Item", "Type"});
    ini.UpdateQueue("Layout", "Cols", rows, 3);
    EXPECT_EQ(ini.FetchQueue("Layout", "Cols", 3), rows);
    rows.resize(2);
    ini.UpdateQueue("Layout", "Cols", rows, 3);
    EXPECT_EQ(readFile("software.INI"),
              "[Layout]\nCols=2\nCols_1=Family0,Item,Type\nCols_2=Family1,Item,Type\n");
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsToldOnceAndNeverWritten) {
    // A link that leads round in a circle cannot be opened, by anybody.
    ASSERT_TRUE(QFile::link(dataPath("loop.INI"), file()));
    ASSERT_TRUE(QFile::link(file(), dataPath("loop.INI")));
    session([](IniManager& s) {
        EXPECT_EQ(s.Fetch("Registration", "Organization"), "");
        s.Update("Registration", "Organization", "Acme");
        s.Update("StartUp", "DriveConfig", 1);
    });
    EXPECT_EQ(warnings(), 1);
    EXPECT_EQ(host.lastMessage()->caption, "Wareloft");
    EXPECT_TRUE(QFileInfo(file()).isSymLink()) << "the link is still there, not a file";

    if (::geteuid() != 0) {
        QFile::remove(file());
        QFile::remove(dataPath("loop.INI"));
        writeFile("software.INI", "[Registration]\nOrganization=Kept\n");
        ::chmod(QFile::encodeName(file()).constData(), 0200);
        session([](IniManager& s) { s.Update("Main", "XPos", 1); });
        ::chmod(QFile::encodeName(file()).constData(), 0600);
        EXPECT_EQ(readFile("software.INI"), "[Registration]\nOrganization=Kept\n");
    }
}

TEST_F(IniFileTest, OnlyARegularFileOfABoundedSizeIsRead) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
    session([](IniManager& s) {
        EXPECT_EQ(s.Fetch("Main", "XPos"), ""); // returns at once, no writer needed
        s.Update("Main", "XPos", 1);
    });
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(file()).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    QFile::remove(file());

    ASSERT_TRUE(QFile::link("/dev/zero", file()));
    session([](IniManager& s) { EXPECT_EQ(s.Fetch("Main", "XPos"), ""); });
    EXPECT_TRUE(QFileInfo(file()).isSymLink());
    QFile::remove(file());

    QByteArray large = "[Main]\nXPos=7\n";
    large += QByteArray(IniDocument::LargestFile, ';');
    writeFile("software.INI", large);
    session([](IniManager& s) {
        EXPECT_EQ(s.Fetch("Main", "XPos"), "");
        s.Update("Main", "XPos", 8);
    });
    EXPECT_EQ(QFileInfo(file()).size(), large.size());
    EXPECT_EQ(warnings(), 3);
    EXPECT_TRUE(host.lastMessage()->text.contains("16 MiB"));
}

TEST_F(IniFileTest, AReadOnlyFileStaysAsItIsAndOthersKeepTheirMode) {
    writeFile("software.INI", "[Main]\nXPos=1\n");
    ASSERT_EQ(::chmod(QFile::encodeName(file()).constData(), 0444), 0);
    session([](IniManager& s) {
        EXPECT_EQ(s.Fetch("Main", "XPos"), "1");
        s.Update("Main", "XPos", 2);
    });
    EXPECT_EQ(readFile("software.INI"), "[Main]\nXPos=1\n");
    EXPECT_EQ(modeOf(), 0444u);
    EXPECT_EQ(warnings(), 0) << "a file kept read-only on purpose is no trouble";

    ASSERT_EQ(::chmod(QFile::encodeName(file()).constData(), 0640), 0);
    session([](IniManager& s) { s.Update("Main", "XPos", 3); });
    EXPECT_EQ(readFile("software.INI"), "[Main]\nXPos=3\n\n[Sectors]\n__Dont_Touch_Me__=0\n");
    EXPECT_EQ(modeOf(), 0640u);
}

TEST_F(IniFileTest, Latin1SettingsAreReadAsSuchAndWrittenAsUtf8) {
    writeFile("software.INI", "[Registration]\nOrganization=M\xfcller & S\xf6hne\n");
    session([](IniManager& s) {
        EXPECT_EQ(s.Fetch("Registration", "Organization"), QStringLiteral("Müller & Söhne"));
        s.Update("Main", "XPos", 1);
    });
    EXPECT_EQ(readFile("software.INI"),
              QStringLiteral("[Registration]\nOrganization=Müller & Söhne\n\n[Main]\nXPos=1\n\n"
                             "[Sectors]\n__Dont_Touch_Me__=0\n")
                  .toUtf8());
}

} // namespace
