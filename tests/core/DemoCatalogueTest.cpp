#include "core/DemoCatalogue.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Installation.h"
#include "core/Process.h"
#include "support/DataDirTest.h"

#include <QDir>
#include <QSet>

namespace {

// What a demo data directory holds, read back from its files.
struct Holdings {
    qint64 entries = 0;
    QSet<QString> classes, media, producers, names;
    QSet<int> cds, disks;
    int described = 0, remarked = 0;
    QStringList sample; // every 250th entry, to compare two runs
};

Holdings install(const QString& directory) {
    Holdings h;
    QDir().mkpath(directory);
    Process process(directory);
    Installation::Options options;
    options.password = "demo";
    options.demo = true;
    QString report;
    EXPECT_EQ(Installation::install(options, report), Installation::Installed)
        << report.toStdString();
    Access::Archief().Open();
    ArchiefRecord e;
    Access::Archief().UseFile();
    Access::Archief().File->setOrder(ArcKey::IDkey);
    while (Access::Archief().File->next(e) == store::Ok) {
        ++h.entries;
        h.classes << e.Soort.str();
        h.media << e.CDiskNaam.str();
        h.producers << e.Producer.str();
        h.names << e.Naam.str();
        if (e.CdNr) h.cds << e.CdNr;
        if (e.DiskNr) h.disks << e.DiskNr;
        h.described += !e.Omschrijving.isBlank();
        h.remarked += !e.Opmerkingen.isBlank();
        EXPECT_TRUE((e.CdNr == 0) != (e.DiskNr == 0)) << "a CD or a disk";
        EXPECT_FALSE(e.Naam.str().contains('/')) << e.Naam.str().toStdString();
        EXPECT_NE(e.Date, 0);
        if (h.entries % 250 == 1)
            h.sample << QStringLiteral("%1 %2 %3 %4 %5")
                            .arg(e.NR)
                            .arg(e.CdNr)
                            .arg(e.DiskNr)
                            .arg(e.Naam.str(), QString::number(e.Size));
    }
    Access::Archief().Close();
    Access::Prd().Open();
    PrdRecord p;
    Access::Prd().UseFile();
    Access::Prd().File->setOrder(0);
    while (Access::Prd().File->next(p) == store::Ok)
        EXPECT_TRUE(!p.Website.isBlank() && p.Support.str().contains('@') && !p.Phone.isBlank());
    Access::Prd().Close();
    return h;
}

using DemoCatalogueTest = DataDirTest;

TEST_F(DemoCatalogueTest, ADemoLooksLikeACatalogueInUseAndIsAlwaysTheSame) {
    const Holdings h = install(dataPath("one"));
    EXPECT_GE(h.entries, 2000);
    EXPECT_LE(h.entries, 5000);
    EXPECT_GE(h.classes.size(), 10);
    EXPECT_LE(h.classes.size(), 15);
    EXPECT_FALSE(h.classes.contains("Everything"));
    EXPECT_GE(h.cds.size() + h.disks.size(), 30);
    EXPECT_LE(h.cds.size() + h.disks.size(), 60);
    EXPECT_FALSE(h.cds.contains(17)) << "a deleted CD leaves its number free";
    EXPECT_TRUE(h.media.contains("E:\\") && h.media.contains("C:\\") &&
                h.media.contains("OFFICE_PRO_97"));
    EXPECT_GE(h.producers.size(), 15);
    EXPECT_GT(h.described, 100);
    EXPECT_GT(h.remarked, 50);
    EXPECT_TRUE(h.names.contains("SETUP.EXE")) << "a program at the root of a medium";
    EXPECT_TRUE(std::any_of(h.names.begin(), h.names.end(), [](const QString& n) {
        return n.count('\\') >= 2;
    })) << "programs in folders of their own";
    const Holdings again = install(dataPath("two"));
    EXPECT_EQ(again.entries, h.entries);
    EXPECT_EQ(again.sample, h.sample) << "made from a fixed seed";
}

} // namespace
