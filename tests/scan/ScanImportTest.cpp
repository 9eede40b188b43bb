#include "scan/ScanImport.h"
#include "archive/ArchiveMedia.h"
#include "scan/ScanListing.h"
#include "scan/ScanNumbers.h"
#include "scan/TreeFiles.h"
#include "support/ArchiveFixture.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace {

class ScanImportTest : public ArchiveFixture {
protected:
    ScanSource cdSource(int code = 1) {
        ScanSource s;
        s.name = "E:\\";
        s.medium = 1;
        s.drive = "E:\\";
        s.driveKind = "CD";
        s.producer = "Acme -- System";
        s.softwareClass = "Tools";
        s.optionCode = code;
        return s;
    }
    // The file rows of a directory of drive E as the scan lists them.
    std::vector<ScanFileEntry> files(const QString& path, int code = 4) {
        Queue<ScanFileEntry> queue;
        ScanListing::List(queue, "E:\\", path, code, {}, "Unknown");
        std::vector<ScanFileEntry> out;
        for (const ScanFileEntry& e : queue.rows)
            if (e.ATTRIB.str() != "Directory") out.push_back(e);
        return out;
    }
    ScanNumbers settled(const ScanSource& s, quint16 own = 0) {
        ScanNumbers n;
        n.settle(s, own);
        return n;
    }
    // Runs an import answering each duplicate question with the next of `answers`.
    std::unique_ptr<ScanImport> run(const ScanSource& s, const ScanNumbers& n,
                                    std::vector<ScanFileEntry> rows, std::vector<int> answers = {},
                                    bool content = false) {
        auto job = std::make_unique<ScanImport>(s, n, std::move(rows), content);
        size_t asked = 0;
        for (int guard = 0; guard < 1000; ++guard) {
            const ScanImport::State state = job->step(1000);
            if (state == ScanImport::State::Done) break;
            if (state == ScanImport::State::Question) {
                questions << job->question();
                job->answer(asked < answers.size() ? answers[asked++] : 0);
            }
        }
        return job;
    }
    std::unique_ptr<ArchiefRecord> named(const QString& naam) {
        auto r = std::make_unique<ArchiefRecord>();
        r->Naam = naam;
        Access::Archief().UseFile();
        EXPECT_EQ(Access::Archief().File->get(ArcKey::KeyNaam, *r), store::Ok)
            << naam.toStdString();
        return r;
    }
    QStringList questions;
};

TEST_F(ScanImportTest, NumbersAreSettledFromTheArchiveOnce) {
    addEntry(1, 0, "X:\\", "A.EXE");
    addEntry(3, 0, "Y:\\", "B.EXE");
    addEntry(0, 1, "C:\\", "C.EXE");
    addEntry(0, 2, "C:\\", "D.EXE");

    ScanNumbers cd = settled(cdSource());
    EXPECT_EQ(cd.cdNr, 2) << "the lowest free CD number";
    EXPECT_EQ(cd.diskNr, 0);
    EXPECT_TRUE(cd.newName);
    cd.settle(cdSource(), 9);
    EXPECT_EQ(cd.cdNr, 2) << "settled once per window";

    EXPECT_EQ(settled(cdSource(), 7).cdNr, 7) << "an own number counts whether used or not";

    ScanSource hd = cdSource();
    hd.name = hd.drive = "c:\\";
    hd.medium = 2;
    hd.driveKind = "HD";
    const ScanNumbers again = settled(hd, 5);
    EXPECT_FALSE(again.newName) << "names compare without regard to case";
    EXPECT_EQ(again.diskNr, 1) << "a hard disk scanned again keeps its disk number";

    ScanSource zip = hd;
    zip.driveKind = "ZIP";
    EXPECT_EQ(settled(zip).diskNr, 3) << "other disks take the lowest free disk number";
    EXPECT_EQ(settled(zip, 5).diskNr, 5);
}

TEST_F(ScanImportTest, EntriesTakeTheScanRowsFieldsAndTheWrittenName) {
    writeFile("media/cdrom/TOOLS/ZIP.EXE", QByteArray(1500, 'x'));
    const ScanSource s = cdSource();
    auto job = run(s, settled(s), files("TOOLS\\"));
    EXPECT_EQ(job->inserted(), 1);
    EXPECT_EQ(GLO.ArchiveCount, 1u);
    const auto found = named("TOOLS\\ZIP.EXE");
    const ArchiefRecord& e = *found;
    EXPECT_EQ(e.CDiskNaam.str(), "E:\\");
    EXPECT_EQ(e.CdNr, 1);
    EXPECT_EQ(e.DiskNr, 0);
    EXPECT_EQ(e.Size, 150) << "1.5 Kb in hundredths";
    EXPECT_NE(e.Date, 0);
    EXPECT_NE(e.Time, 0);
    EXPECT_EQ(e.Producer.str(), "Acme -- System");
    EXPECT_EQ(e.Soort.str(), "Tools");
    EXPECT_TRUE(e.Omschrijving.isBlank());
    EXPECT_NE(e.NR, 0u);
}

// Three files of a CD scanned in the same drive before: the answers decide file by file, and
// "No to All" makes every later duplicate a new entry beside the old one.
TEST_F(ScanImportTest, NoToAllDeclinesThisFileAndAddsTheLaterOnesBeside) {
    for (const char* n : {"A.EXE", "B.EXE", "C.EXE", "D.EXE"})
        writeFile(QStringLiteral("media/cdrom/") + n);
    for (const char* n : {"A.EXE", "B.EXE", "C.EXE"})
        addEntry(4, 0, "E:\\", n);
    const ScanSource s = cdSource();
    const ScanNumbers n = settled(s);
    ASSERT_FALSE(n.newName);
    ASSERT_EQ(n.cdNr, 1);
    auto job = run(s, n, files(""), {ScanImport::NoToAll});
    ASSERT_EQ(questions.size(), 1) << "asked once, for the first duplicate";
    EXPECT_TRUE(questions[0].startsWith("RECORD ALREADY EXISTS :\r\nReplace E:\\, File : C.EXE\r\n"
                                        "Date "))
        << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains("\r\n\r\nWITH THIS ONE : \r\nE:\\, File : C.EXE\r\nDate "));
    EXPECT_EQ(job->declined(), 1);
    EXPECT_EQ(job->inserted(), 3);
    EXPECT_EQ(job->handled(), 4);
    EXPECT_EQ(entries(), (QStringList{"4 0 E:\\ A.EXE", "4 0 E:\\ B.EXE", "4 0 E:\\ C.EXE",
                                      "1 0 E:\\ D.EXE", "1 0 E:\\ B.EXE", "1 0 E:\\ A.EXE"}));
}

TEST_F(ScanImportTest, YesReplacesKeepingWhatTheImportDoesNotSetAClosedQuestionLeavesTheFile) {
    for (const char* n : {"A.EXE", "B.EXE", "C.EXE"})
        writeFile(QStringLiteral("media/cdrom/") + n);
    const quint32 a = addEntry(4, 0, "G:\\", "A.EXE");
    addEntry(4, 0, "G:\\", "B.EXE");
    addEntry(4, 0, "G:\\", "C.EXE");
    addEntry(5, 0, "E:\\", "OTHER.EXE");
    ArchiefRecord old;
    ASSERT_TRUE(entry(a, old));
    ARC.copyFrom(old);
    ARC.Version = "2.1";
    ARC.Opmerkingen = "keep me";
    ASSERT_EQ(Access::Archief().TryUpdate(), LevelBenign);

    const ScanSource s = cdSource();
    auto job = run(s, settled(s), files(""), {ScanImport::Yes, 0, ScanImport::YesToAll});
    EXPECT_EQ(questions.size(), 3) << "a closed question leaves the next one to be asked";
    EXPECT_EQ(job->replaced(), 2);
    EXPECT_EQ(job->inserted(), 0);
    EXPECT_EQ(job->handled(), 3);
    EXPECT_EQ(entries(), (QStringList{"1 0 E:\\ A.EXE", "4 0 G:\\ B.EXE", "1 0 E:\\ C.EXE",
                                      "5 0 E:\\ OTHER.EXE"}))
        << "the match may lie on any medium; replaced entries keep their record numbers";
    ArchiefRecord replaced;
    ASSERT_TRUE(entry(a, replaced));
    EXPECT_EQ(replaced.Version.str(), "2.1");
    EXPECT_EQ(replaced.Opmerkingen.str(), "keep me");
    EXPECT_EQ(replaced.Soort.str(), "Tools");
}

TEST_F(ScanImportTest, TextContentBecomesTheDescription) {
    writeFile("media/cdrom/READ.TXT", "ab\r\n  cd  \r\n\r\nef\r\n");
    writeFile("media/cdrom/DATA.HLP", "help text");
    writeFile("media/cdrom/SETUP.V2.TXT", "not read");
    writeFile("media/cdrom/PLAIN.EXE", "MZ");
    const ScanSource s = cdSource(5);
    auto job = run(s, settled(s), files("", 5));
    EXPECT_EQ(job->inserted(), 4);
    EXPECT_EQ(named("READ.TXT")->Omschrijving.str(), "ab  cdef");
    EXPECT_TRUE(named("DATA.HLP")->Omschrijving.isBlank()) << "help files are never read";
    EXPECT_TRUE(named("SETUP.V2.TXT")->Omschrijving.isBlank()) << "its extension is V2.";
    EXPECT_TRUE(job->takeNotices().empty());

    // Asked for by the text viewer, the content is read also for a scan without it.
    writeFile("media/cdrom/NOTE.TXT", QByteArray(30000, 'x'));
    const ScanSource plain = cdSource(1);
    std::vector<ScanFileEntry> note;
    for (const ScanFileEntry& e : files(""))
        if (e.SCANFILENAME.str() == "NOTE.TXT") note.push_back(e);
    ASSERT_EQ(note.size(), 1u);
    ScanNumbers numbers = settled(plain);
    numbers.newName = true;
    run(plain, numbers, note, {}, true);
    EXPECT_EQ(named("NOTE.TXT")->Omschrijving.str().size(), 10000) << "at most a description";
}

TEST_F(ScanImportTest, AnUnreadableTextFileIsImportedWithoutDescriptionAndSaidSo) {
    writeFile("media/cdrom/GONE.TXT", "soon gone");
    writeFile("media/cdrom/KEPT.TXT", "kept");
    const ScanSource s = cdSource(5);
    std::vector<ScanFileEntry> rows = files("", 5);
    QFile::remove(dataPath("media/cdrom/GONE.TXT")); // vanished after the listing
    auto job = run(s, settled(s), rows);
    EXPECT_EQ(job->inserted(), 2);
    EXPECT_TRUE(named("GONE.TXT")->Omschrijving.isBlank());
    EXPECT_EQ(named("KEPT.TXT")->Omschrijving.str(), "kept");
    const auto notices = job->takeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].caption, "Wareloft");
    EXPECT_TRUE(notices[0].text.startsWith("Error with E:\\GONE.TXT :  "));
    EXPECT_TRUE(
        notices[0].text.endsWith("\r\nFile probably in use, filecontent cannot be imported"));
}

// The drive's folder goes away in the middle: the import stops with a clear message and
// keeps every entry written before, whole.
TEST_F(ScanImportTest, ADriveUnmountedMidwayStopsTheImportKeepingWhatWasDone) {
    for (int i = 0; i < 6; ++i)
        writeFile(QStringLiteral("media/cdrom/F%1.TXT").arg(i), "text");
    const ScanSource s = cdSource(5);
    std::vector<ScanFileEntry> rows = files("", 5);
    ScanImport job(s, settled(s), rows);
    // The first file is read; then the folder is gone.
    ASSERT_EQ(job.step(0), ScanImport::State::Working) << "a slice of at least one file";
    ASSERT_EQ(job.handled(), 1);
    ASSERT_TRUE(QDir(dataPath("media/cdrom")).removeRecursively());
    EXPECT_EQ(job.step(1000), ScanImport::State::Done);
    EXPECT_FALSE(job.failure().isEmpty());
    EXPECT_TRUE(job.failure().contains("E:")) << job.failure().toStdString();
    EXPECT_EQ(job.inserted(), 1);
    EXPECT_EQ(entries().size(), 1);
    EXPECT_EQ(GLO.ArchiveCount, 1u);
}

TEST_F(ScanImportTest, NamesOfEveryKindAreStoredAsListedAndCutToTheField) {
    const QStringList names = {"with blank.exe", "quote\"d'.exe", "100%.exe",
                               QString::fromUtf8("Übersicht_日本.exe")};
    for (const QString& n : names)
        writeFile("media/cdrom/" + n);
    const QByteArray native = QFile::encodeName(dataPath("media/cdrom")) + "/caf\xE9.txt";
    ::close(::open(native.constData(), O_WRONLY | O_CREAT, 0644));
    const QString longDir = QString(200, u'd');
    writeFile("media/cdrom/" + longDir + "/" + QString(100, u'f') + ".exe");

    const ScanSource s = cdSource(5);
    std::vector<ScanFileEntry> rows = files("", 5);
    for (const ScanFileEntry& e : files(longDir + "\\", 5))
        rows.push_back(e);
    auto job = run(s, settled(s), rows);
    EXPECT_EQ(job->inserted(), 6);
    for (const QString& n : names)
        EXPECT_EQ(named(n)->Naam.str(), n);
    EXPECT_EQ(named(QString::fromUtf8("café.txt"))->CDiskNaam.str(), "E:\\");
    ArchiefRecord cut;
    cut.Naam = rows.back().SCANFILENAME.str();
    EXPECT_EQ(cut.Naam.str().size(), 255);
    EXPECT_EQ(Access::Archief().File->get(ArcKey::KeyNaam, cut), store::Ok);
    ::unlink(native.constData()); // a name the temporary directory cannot remove itself
}

TEST_F(ScanImportTest, SlicesAreBoundedAndCancelKeepsWhatIsCommitted) {
    std::vector<ScanFileEntry> rows;
    for (int i = 0; i < ScanImport::MostPerSlice + 500; ++i) {
        ScanFileEntry e;
        e.SCANFILENAME = QStringLiteral("DIR\\F%1.EXE").arg(i);
        e.ATTRIB = "File";
        rows.push_back(e);
    }
    const ScanSource s = cdSource();
    ScanImport job(s, settled(s), rows);
    EXPECT_EQ(job.step(60000), ScanImport::State::Working);
    EXPECT_EQ(job.handled(), ScanImport::MostPerSlice) << "one transaction holds a bounded slice";
    job.cancel();
    EXPECT_EQ(job.step(60000), ScanImport::State::Done);
    EXPECT_TRUE(job.cancelled());
    EXPECT_EQ(entries().size(), ScanImport::MostPerSlice);
}

// Entries of several slices get the numbers the form would give them one by one: on from the
// highest in use, without gap or repeat; the form's next entry and a later import go on from
// them, and the kept count follows.
TEST_F(ScanImportTest, ImportedEntriesAreNumberedOnAcrossSlicesAsTheFormNumbers) {
    addEntry(1, 0, "X:\\", "A.EXE");
    addEntry(1, 0, "X:\\", "B.EXE");
    ASSERT_TRUE(ArchiveMedia::erase(addEntry(1, 0, "X:\\", "C.EXE")));
    auto rows = [](const QString& dir, int count) {
        std::vector<ScanFileEntry> out;
        for (int i = 0; i < count; ++i) {
            ScanFileEntry e;
            e.SCANFILENAME = QStringLiteral("%1\\F%2.EXE").arg(dir).arg(i);
            e.ATTRIB = "File";
            out.push_back(e);
        }
        return out;
    };
    const int count = ScanImport::MostPerSlice + 7;
    const ScanSource s = cdSource();
    EXPECT_EQ(run(s, settled(s), rows("DIR", count))->inserted(), count);
    EXPECT_EQ(addEntry(2, 0, "Y:\\", "AFTER.EXE"), quint32(3 + count));
    EXPECT_EQ(run(s, settled(s), rows("MORE", 2))->inserted(), 2);

    QStringList expected = {"1 A.EXE", "2 B.EXE"};
    for (int i = 0; i < count; ++i)
        expected << QStringLiteral("%1 DIR\\F%2.EXE").arg(3 + i).arg(i);
    expected << QStringLiteral("%1 AFTER.EXE").arg(3 + count);
    for (int i = 0; i < 2; ++i)
        expected << QStringLiteral("%1 MORE\\F%2.EXE").arg(4 + count + i).arg(i);
    QStringList numbered;
    ArchiefRecord e;
    FileManager& archive = Access::Archief();
    archive.UseFile();
    archive.File->setOrder(ArcKey::IDkey);
    while (archive.File->next(e) == store::Ok)
        numbered << QStringLiteral("%1 %2").arg(e.NR).arg(e.Naam.str());
    EXPECT_EQ(numbered, expected);
    EXPECT_EQ(archive.File->records(), expected.size()) << "the count kept beside the file";
    EXPECT_EQ(GLO.ArchiveCount, quint32(count + 2));
}

class TreeFilesTest : public ScanImportTest {};

TEST_F(TreeFilesTest, EveryFileBelowOnceWithoutLoopsAndUnreadableDirectoriesNamed) {
    writeFile("media/cdrom/TOOLS/A.EXE");
    writeFile("media/cdrom/TOOLS/SUB/B.EXE");
    writeFile("media/cdrom/TOOLS/SUB/README.TXT");
    writeFile("media/cdrom/TOOLS/LOCKED/C.EXE");
    writeFile("media/cdrom/OTHER/D.EXE");
    ASSERT_EQ(::symlink("..", QFile::encodeName(dataPath("media/cdrom/TOOLS/SUB/up")).constData()),
              0);
    TreeFiles tree("E:\\", "TOOLS\\", ScanListing::Patterns(1, {}));
    tree.SetReader([](const QByteArray& dir) {
        if (dir.endsWith("/LOCKED")) {
            HostDirectory::Reading r;
            r.ok = false;
            r.error = "Permission denied";
            return r;
        }
        return HostDirectory::read(dir);
    });
    tree.start();
    const std::vector<ScanFileEntry> rows = tree.take();
    ASSERT_TRUE(tree.finished());
    QStringList names;
    for (const ScanFileEntry& e : rows)
        names << e.SCANFILENAME.str() + " " + e.ATTRIB.str();
    EXPECT_EQ(names, (QStringList{"TOOLS\\A.EXE File", "TOOLS\\SUB\\B.EXE File"}));
    EXPECT_EQ(tree.unreadableText("E:\\"), "One directory could not be read and was left out:\r\n"
                                           "E:\\TOOLS\\LOCKED\\ (Permission denied)");

    const ScanSource s = cdSource();
    auto job = run(s, settled(s), rows);
    EXPECT_EQ(entries(), (QStringList{"1 0 E:\\ TOOLS\\A.EXE", "1 0 E:\\ TOOLS\\SUB\\B.EXE"}));
}

TEST_F(TreeFilesTest, ADirectoryOfAHundredThousandFilesIsImportedWhole) {
    QDir().mkpath(dataPath("media/cdrom/BIG"));
    const QByteArray folder = QFile::encodeName(dataPath("media/cdrom/BIG")) + "/";
    constexpr int Files = 100000;
    for (int i = 0; i < Files; ++i)
        ::close(::open((folder + QByteArray::number(i) + ".exe").constData(), O_WRONLY | O_CREAT,
                       0644));
    TreeFiles tree("E:\\", "", ScanListing::Patterns(1, {}));
    tree.run();
    std::vector<ScanFileEntry> rows = tree.take();
    ASSERT_EQ(rows.size(), size_t(Files));
    const ScanSource s = cdSource();
    auto job = run(s, settled(s), std::move(rows));
    EXPECT_EQ(job->inserted(), Files);
    Access::Archief().UseFile();
    EXPECT_EQ(Access::Archief().File->records(), Files);
    EXPECT_EQ(GLO.ArchiveCount, quint32(Files));
}

} // namespace
