#include "archive/DeleteMedium.h"
#include "archive/DeleteMediumWindows.h"
#include "archive/MediumDeletion.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/store/Collation.h"
#include "support/CatalogueTest.h"
#include "support/FaultyStoreFile.h"

#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <map>
#include <sqlcipher/sqlite3.h>

namespace {

class DeleteMediumTest : public CatalogueTest {
protected:
    // `count` entries on CD `cd` (or disk `disk`), in one transaction.
    void addEntries(int count, int cd, int disk = 0) {
        FileManager& arc = Access::Archief();
        ASSERT_EQ(arc.UseFile(), LevelBenign);
        ASSERT_EQ(process->store().begin({arc.File}, 5), store::Ok);
        ArchiefRecord r;
        for (int i = 0; i < count; ++i) {
            r.clear();
            r.NR = ++lastNr;
            r.CdNr = quint16(cd);
            r.DiskNr = quint16(disk);
            r.Naam = QStringLiteral("FILE%1.EXE").arg(i);
            ASSERT_EQ(arc.File->add(r), store::Ok);
        }
        ASSERT_EQ(process->store().commit(), store::Ok);
        GLO.ArchiveCount = quint32(arc.File->records());
    }
    // Entries per medium: "CD 5" and "Disk 5" with their counts.
    std::map<QString, int> media() {
        std::map<QString, int> out;
        ArchiefRecord r;
        Access::Archief().File->setOrder(0);
        while (Access::Archief().File->next(r) == store::Ok) {
            const Medium m = Medium::of(r);
            ++out[m.kindText() + " " + QString::number(m.number)];
        }
        return out;
    }
    // The highlighted entry, on CD `cd` or disk `disk`.
    const ArchiefRecord& on(int cd, int disk = 0) {
        highlighted.clear();
        highlighted.CdNr = quint16(cd);
        highlighted.DiskNr = quint16(disk);
        return highlighted;
    }
    ArchiefRecord highlighted;
    quint32 lastNr = 0;
    // Answers the confirmation and looks at the progress window while it is there.
    void confirm(bool yes, const QString& caption, const QString& line) {
        whenShown("DelCDisk", [=](QWidget& w) {
            EXPECT_EQ(w.windowTitle(), caption);
            EXPECT_EQ(w.findChild<QLabel*>("control2")->text(), "Are you sure of deleting :");
            EXPECT_EQ(w.findChild<QLabel*>("control3")->text(), line);
            w.findChild<QPushButton*>(yes ? "control4" : "control5")->click();
        });
    }
};

TEST(MediumOfAnEntry, CdBeforeDiskAndNoneWithoutNumbers) {
    ArchiefRecord r;
    EXPECT_EQ(Medium::of(r).kind, Medium::None);
    r.DiskNr = 3;
    EXPECT_EQ(Medium::of(r).kind, Medium::Disk);
    EXPECT_EQ(Medium::of(r).kindText(), "Disk");
    r.CdNr = 12;
    EXPECT_EQ(Medium::of(r).kind, Medium::Cd);
    EXPECT_EQ(Medium::of(r).number, 12);
}

TEST_F(DeleteMediumTest, AllEntriesOfTheCdGoAndNothingElse) {
    addEntries(3, 4);
    addEntries(250, 5);
    addEntries(2, 6);
    addEntries(7, 0, 5);
    addEntries(1, 5); // added later: elsewhere in record order
    confirm(true, "Confirm delete of CD....", "CD-Nr : 5 ?");
    bool sawProgress = false;
    whenShown("DeletionProgress", [&](QWidget& w) {
        sawProgress = true;
        EXPECT_EQ(w.windowTitle(), "Deleting records, please wait....");
        EXPECT_EQ(w.findChild<QLabel*>("control1")->text(), "Progress :");
        EXPECT_EQ(w.findChild<QLabel*>("control3")->text(), "Deleted records :");
        EXPECT_EQ(w.findChild<QProgressBar*>("control2")->maximum(), 200);
    });
    EXPECT_EQ(DeleteMedium(on(5)), 251);
    EXPECT_TRUE(sawProgress);
    EXPECT_EQ(media(), (std::map<QString, int>{{"CD 4", 3}, {"CD 6", 2}, {"Disk 5", 7}}));
    EXPECT_EQ(GLO.ArchiveCount, 12u);
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(DeleteMediumTest, ADiskIsAskedForAsADisk) {
    addEntries(4, 0, 3);
    addEntries(2, 3);
    confirm(true, "Confirm delete of Disk....", "Disk-Nr : 3 ?");
    EXPECT_EQ(DeleteMedium(on(0, 3)), 4);
    EXPECT_EQ(media(), (std::map<QString, int>{{"CD 3", 2}}));
}

TEST_F(DeleteMediumTest, NoKeepsEverythingAndAnEntryOnNoMediumAsksNothing) {
    addEntries(5, 2);
    confirm(false, "Confirm delete of CD....", "CD-Nr : 2 ?");
    EXPECT_EQ(DeleteMedium(on(2)), 0);
    EXPECT_EQ(media(), (std::map<QString, int>{{"CD 2", 5}}));
    EXPECT_EQ(DeleteMedium(on(0, 0)), 0);
    EXPECT_EQ(GLO.ArchiveCount, 5u);
}

TEST_F(DeleteMediumTest, TheBarStopsFullWhileTheCountGoesOn) {
    addEntries(300, 9);
    MediumDeletion deletion({Medium::Cd, 9});
    DeletionProgressWindow window(deletion);
    window.Run();
    EXPECT_EQ(window.ShownCount(), 300);
    EXPECT_EQ(window.C().TextOf(DeletionProgressWindow::Count), "300");
    EXPECT_EQ(static_cast<QProgressBar*>(window.C().widget(DeletionProgressWindow::Bar))->value(),
              200);
    EXPECT_TRUE(deletion.failure().isEmpty());
}

TEST_F(DeleteMediumTest, AFailureOnTheWayKeepsTheWholeMedium) {
    addEntries(40, 5);
    addEntries(3, 6);
    FileManager& arc = Access::Archief();
    store::StoreFile* real = arc.File;
    FaultyStoreFile faulty(*real);
    faulty.failErase = 25;
    arc.File = &faulty;
    confirm(true, "Confirm delete of CD....", "CD-Nr : 5 ?");
    const int deleted = DeleteMedium(on(5));
    arc.File = real;
    EXPECT_EQ(deleted, 0);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_TRUE(host.messages()[0].text.startsWith(
        "The entries of CD 5 could not be deleted; all of them are kept."))
        << host.messages()[0].text.toStdString();
    EXPECT_EQ(media(), (std::map<QString, int>{{"CD 5", 40}, {"CD 6", 3}}));
    EXPECT_EQ(GLO.ArchiveCount, 43u);
}

// A process ended by kill -9 in the middle of the deletion leaves the medium whole.
TEST_F(DeleteMediumTest, AKillInTheMiddleLeavesAllOrNothing) {
    constexpr int Entries = 50000;
    addEntries(Entries, 7);
    addEntries(100, 8);
    QProcess child;
    child.start(QStringLiteral(WARELOFT_TEST_CHILD), {dataDir(), "7"});
    ASSERT_TRUE(child.waitForStarted());
    int seen = 0;
    bool done = false;
    while (!done && seen < Entries / 5 && child.waitForReadyRead(10000)) {
        while (child.canReadLine()) {
            const QByteArray line = child.readLine().trimmed();
            if (line.startsWith("done")) done = true;
            seen = std::max(seen, line.split(' ').last().toInt());
        }
    }
    child.kill(); // SIGKILL
    child.waitForFinished();
    EXPECT_FALSE(done) << "the deletion ended before it could be cut short";
    EXPECT_GT(seen, 0);

    const auto after = media();
    EXPECT_EQ(after.at("CD 8"), 100);
    const int left = after.count("CD 7") ? after.at("CD 7") : 0;
    EXPECT_TRUE(left == Entries || left == 0) << left << " entries left after " << seen;

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(dataPath("Archief.tps")).constData(), &db), SQLITE_OK);
    ASSERT_EQ(store::collation::install(db), SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
    sqlite3_finalize(check);
    sqlite3_close(db);
}

} // namespace
