#pragma once

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "framework/window/WindowController.h"
#include "support/CatalogueTest.h"

#include <QStringList>
#include <memory>

// The archive of a data directory whose drives are configured (A: floppy, C: hard disk, E:
// and G: CD, F: ZIP) and whose drives E, F, A and C stand for folders in it, with helpers
// to add entries and to read back what the archive holds. No users: the windows run as a
// user of level 3.
class ArchiveFixture : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        process = std::make_unique<Process>(dataDir());
        WindowController::SetServices(&process->errors(), &process->settings());
        for (const auto& [root, kind] : {std::pair{"A:\\", "Floppy"},
                                         {"C:\\", "HD"},
                                         {"E:\\", "CD"},
                                         {"F:\\", "ZIP"},
                                         {"G:\\", "CD"}})
            addDrive(root, kind);
        cd = mapDrive('E', QStringLiteral("media/cdrom"));
        zip = mapDrive('F', QStringLiteral("media/zip"));
        floppy = mapDrive('A', QStringLiteral("media/floppy"));
        harddisk = mapDrive('C', QStringLiteral("home"));
        GLO.UserLevel = 3;
        GLO.ProgramDir = dataDir();
        Access::Archief().Open();
        Access::Drv().Open();
    }
    void TearDown() override {
        settleEvents();
        Access::Drv().Close();
        Access::Archief().Close();
        WindowController::SetServices(nullptr, nullptr);
        process.reset();
        DataDirTest::TearDown();
    }

    void addDrive(const QString& root, const QString& kind) {
        Access::Drv().Open();
        DRV.clear();
        DRV.DRIVE = root;
        DRV.KINDOFDRIVE = kind;
        ASSERT_EQ(Access::Drv().TryInsert(), LevelBenign);
        Access::Drv().Close();
    }

    // Adds an entry; returns its record number.
    quint32 addEntry(quint16 cdNr, quint16 diskNr, const QString& medium, const QString& naam) {
        ARC.clear();
        ARC.CdNr = cdNr;
        ARC.DiskNr = diskNr;
        ARC.CDiskNaam = medium;
        ARC.Naam = naam;
        ARC.Soort = "Games";
        EXPECT_EQ(Access::Archief().TryInsert(), LevelBenign);
        return ARC.NR;
    }

    // Every entry as "cd disk medium naam", in record number order.
    QStringList entries() {
        QStringList out;
        ArchiefRecord e;
        Access::Archief().UseFile();
        Access::Archief().File->setOrder(ArcKey::IDkey);
        while (Access::Archief().File->next(e) == store::Ok)
            out << QStringLiteral("%1 %2 %3 %4")
                       .arg(e.CdNr)
                       .arg(e.DiskNr)
                       .arg(e.CDiskNaam.str(), e.Naam.str());
        return out;
    }
    // The entry with a record number, read into `into`.
    bool entry(quint32 nr, ArchiefRecord& into) {
        into.clear();
        into.NR = nr;
        Access::Archief().UseFile();
        return Access::Archief().File->get(ArcKey::IDkey, into) == store::Ok;
    }

    std::unique_ptr<Process> process;
    QString cd, zip, floppy, harddisk;
};
