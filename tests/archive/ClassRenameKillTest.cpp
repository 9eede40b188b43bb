// A class rename over many entries is one transaction: a process killed in the middle of it
// leaves every entry with the old name, one that finishes leaves every entry with the new.
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "framework/host/ScriptedHost.h"
#include "support/CatalogueTest.h"
#include "support/FaultyStoreFile.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>
#include <cstdio>

namespace {

constexpr int Entries = 20000;
const char* const DirVariable = "WARELOFT_RENAME_DIR";
const char* const PauseVariable = "WARELOFT_RENAME_PAUSE";

// Run by the test below as a process of its own: renames "Games" to "Arcade" in the data
// directory it is given. With a pause it says "half" when half the entries are rewritten
// and waits there to be killed.
TEST(ClassRenameChild, DISABLED_RenameInDirectory) {
    const QString dir = qEnvironmentVariable(DirVariable);
    if (dir.isEmpty()) GTEST_SKIP();
    ScriptedHost host;
    Host::install(&host);
    {
        Process process(dir);
        Access::SoortTabel().Open();
        FaultyStoreFile watched(*Access::Archief().File);
        store::StoreFile* real = Access::Archief().File;
        Access::Archief().File = &watched;
        int puts = 0;
        if (qEnvironmentVariableIntValue(PauseVariable) != 0)
            watched.beforePut = [&puts] {
                if (++puts != Entries / 2) return;
                std::printf("half\n");
                std::fflush(stdout);
                QThread::sleep(60);
            };
        SRT.clear();
        SRT.Soort = "Games";
        ASSERT_EQ(Access::SoortTabel().Fetch(1), LevelBenign);
        Relate::SoortTabel().Save();
        SRT.Soort = "Arcade";
        EXPECT_EQ(Relate::SoortTabel().Update(), LevelBenign);
        Access::Archief().File = real;
        Access::SoortTabel().Close();
        std::printf("done\n");
    }
    Host::install(nullptr);
}

class ClassRenameKillTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        FileManager& arc = Access::Archief();
        Access::SoortTabel().Open();
        SRT.clear();
        SRT.Soort = "Games";
        ASSERT_EQ(Access::SoortTabel().TryInsert(), LevelBenign);
        arc.UseFile();
        ASSERT_EQ(process->store().begin({arc.File}, 2), store::Ok);
        for (int i = 0; i < Entries; ++i) {
            ARC.clear();
            ARC.Naam = QStringLiteral("GAME%1.EXE").arg(i);
            ARC.Soort = "Games";
            ASSERT_EQ(arc.Insert(), LevelBenign);
        }
        ASSERT_EQ(process->store().commit(), store::Ok);
        Access::SoortTabel().Close();
    }

    // Entries per class name.
    std::map<QString, int> classesOfEntries() {
        std::map<QString, int> count;
        ArchiefRecord probe;
        Access::Archief().File->setOrder(0);
        while (Access::Archief().File->next(probe) == store::Ok)
            ++count[probe.Soort.str()];
        return count;
    }
    bool classStored(const QString& name) {
        Access::SoortTabel().Open();
        Access::SoortTabel().UseFile();
        SoortTabelRecord probe;
        probe.Soort = name;
        const bool found = Access::SoortTabel().File->get(1, probe) == store::Ok;
        Access::SoortTabel().Close();
        return found;
    }

    void startChild(QProcess& child, bool pause) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(DirVariable, dataDir());
        env.insert(PauseVariable, pause ? "1" : "0");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=ClassRenameChild.DISABLED_RenameInDirectory",
                     "--gtest_also_run_disabled_tests"});
        ASSERT_TRUE(child.waitForStarted(10000));
    }
    static bool waitForLine(QProcess& child, const QByteArray& line) {
        QByteArray out;
        for (int i = 0; i < 600 && !out.contains(line); ++i) {
            child.waitForReadyRead(100);
            out += child.readAllStandardOutput();
            if (child.state() == QProcess::NotRunning) {
                out += child.readAllStandardOutput();
                break;
            }
        }
        return out.contains(line);
    }
};

TEST_F(ClassRenameKillTest, KilledInTheMiddleEveryEntryKeepsTheOldNameFinishedAllHaveTheNew) {
    QProcess killed;
    startChild(killed, true);
    ASSERT_TRUE(waitForLine(killed, "half")) << "the rename reached the middle";
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished(10000));

    EXPECT_EQ(classesOfEntries(), (std::map<QString, int>{{"Games", Entries}}));
    EXPECT_TRUE(classStored("Games"));
    EXPECT_FALSE(classStored("Arcade"));

    QProcess finished;
    startChild(finished, false);
    ASSERT_TRUE(waitForLine(finished, "done"));
    ASSERT_TRUE(finished.waitForFinished(30000));
    EXPECT_EQ(finished.exitCode(), 0) << finished.readAllStandardOutput().toStdString();

    EXPECT_EQ(classesOfEntries(), (std::map<QString, int>{{"Arcade", Entries}}));
    EXPECT_FALSE(classStored("Games"));
    EXPECT_TRUE(classStored("Arcade"));
}

} // namespace
