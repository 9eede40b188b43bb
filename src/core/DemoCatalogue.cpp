#include "core/DemoCatalogue.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "framework/Pictures.h"

#include <array>

// A catalogue as a person keeps it after some years: CDs with their volume labels or named
// after the drive they were scanned in, floppies, ZIP disks and two hard disks, each holding
// the files of a few programs in their folders. Everything is made from a fixed seed, so that
// every demo directory holds the same catalogue.

namespace {

// A small generator of our own: the same numbers on every platform.
class Dice {
public:
    explicit Dice(quint64 seed) : state_(seed) {}
    quint32 next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return quint32(state_ >> 33);
    }
    int below(int n) { return n > 0 ? int(next() % quint32(n)) : 0; }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T, size_t N> const T& pick(const std::array<T, N>& from) {
        return from[size_t(below(int(N)))];
    }

private:
    quint64 state_;
};

struct Producer {
    const char* name;
    const char* website;
    const char* support;
    const char* phone;
};

const std::array<Producer, 24> Producers = {{
    {"Northwind Software", "http://www.northwindsoft.com", "support@northwindsoft.com",
     "+31 20 555 0101"},
    {"Bluebird Graphics", "http://www.bluebirdgraphics.com", "help@bluebirdgraphics.com",
     "+44 20 7946 0958"},
    {"Kestrel Games", "http://www.kestrelgames.com", "service@kestrelgames.com", "+1 503 555 0134"},
    {"Harbour Tools", "http://www.harbourtools.de", "tools@harbourtools.de", "+49 30 5550 8812"},
    {"Cobalt Systems", "http://www.cobaltsys.com", "support@cobaltsys.com", "+1 408 555 0177"},
    {"Meridian Soft", "http://www.meridiansoft.nl", "helpdesk@meridiansoft.nl", "+31 30 555 2290"},
    {"Polar Utilities", "http://www.polarutil.com", "care@polarutil.com", "+1 612 555 0190"},
    {"Redwood Interactive", "http://www.redwoodinteractive.com", "support@redwoodia.com",
     "+1 415 555 0122"},
    {"Silverline Data", "http://www.silverlinedata.co.uk", "support@silverlinedata.co.uk",
     "+44 161 496 0734"},
    {"Tandem Labs", "http://www.tandemlabs.com", "labs@tandemlabs.com", "+1 617 555 0148"},
    {"Orchid Media", "http://www.orchidmedia.com", "info@orchidmedia.com", "+1 310 555 0166"},
    {"Granite Security", "http://www.granitesecurity.com", "virus@granitesecurity.com",
     "+1 212 555 0183"},
    {"Lighthouse Learning", "http://www.lighthouselearning.com", "teachers@lhlearning.com",
     "+1 206 555 0111"},
    {"Copperfield Compilers", "http://www.copperfield.com", "bugs@copperfield.com",
     "+1 512 555 0159"},
    {"Nimbus Networks", "http://www.nimbusnet.com", "noc@nimbusnet.com", "+1 703 555 0142"},
    {"Quartz Hardware", "http://www.quartzhw.com.tw", "drivers@quartzhw.com.tw",
     "+886 2 5550 1234"},
    {"Falcon Office", "http://www.falconoffice.com", "support@falconoffice.com", "+1 425 555 0105"},
    {"Aurora Sound", "http://www.aurorasound.fi", "support@aurorasound.fi", "+358 9 5550 1177"},
    {"Bramble Software", "http://www.bramble.co.uk", "help@bramble.co.uk", "+44 117 496 0561"},
    {"Oakridge Science", "http://www.oakridgesci.com", "support@oakridgesci.com",
     "+1 865 555 0126"},
    {"Vector Forge", "http://www.vectorforge.com", "support@vectorforge.com", "+1 650 555 0171"},
    {"Atlas OS Works", "http://www.atlasos.com", "support@atlasos.com", "+1 919 555 0139"},
    {"Helix Database", "http://www.helixdb.com", "dba@helixdb.com", "+1 303 555 0153"},
    {"Zephyr Internet", "http://www.zephyrnet.com", "webmaster@zephyrnet.com", "+1 480 555 0194"},
}};

// A class of software: how its programs are called, who makes them and what they hold.
struct ClassKind {
    const char* name;
    std::array<const char*, 8> first;  // first words of program names
    std::array<const char*, 8> second; // second words
    std::array<int, 3> producers;      // indexes into Producers
    std::array<const char*, 6> files;  // typical further files: "*" stands for the program
    int mostKb;                        // size of the program's main file
};

const std::array<ClassKind, 13> Kinds = {{
    {"Utilities",
     {"Disk", "File", "Quick", "Power", "Smart", "System", "Task", "Clean"},
     {"Doctor", "Commander", "Tools", "Manager", "Keeper", "Wizard", "Guard", "Saver"},
     {3, 6, 0},
     {"*.HLP", "*.CNT", "*32.DLL", "UNINST.EXE", "FILE_ID.DIZ", "ORDER.TXT"},
     1800},
    {"Games",
     {"Star", "Tank", "Dungeon", "Grand", "Castle", "Rally", "Space", "Pinball"},
     {"Runner", "Commander", "Quest", "Prix", "Siege", "Racer", "Trader", "Fever"},
     {2, 7, 2},
     {"*.PAK", "MAPS\\LEVEL1.MAP", "MAPS\\LEVEL2.MAP", "SOUND\\INTRO.WAV", "MUSIC\\THEME.MID",
      "SAVE\\README.TXT"},
     9000},
    {"Graphics",
     {"Paint", "Photo", "Pixel", "Vector", "Image", "Icon", "Draw", "Color"},
     {"Studio", "Lab", "Shop", "Works", "Edit", "Forge", "Pro", "Artist"},
     {1, 20, 1},
     {"SAMPLES\\SUNSET.JPG", "SAMPLES\\LOGO.BMP", "FILTERS\\BLUR.DLL", "*.HLP", "BRUSHES.DAT",
      "PALETTE.PAL"},
     6000},
    {"Office",
     {"Word", "Letter", "Sheet", "Office", "Address", "Invoice", "Note", "Agenda"},
     {"Writer", "Perfect", "Calc", "Mate", "Book", "Maker", "Pad", "Planner"},
     {16, 0, 16},
     {"TEMPLATE\\LETTER.DOT", "TEMPLATE\\FAX.DOT", "SAMPLES\\REPORT.DOC", "*.HLP",
      "DICT\\ENGLISH.DIC", "*32.DLL"},
     5000},
    {"Development",
     {"Turbo", "Visual", "Quick", "Power", "Code", "Debug", "Object", "Rapid"},
     {"Pascal", "Builder", "Basic", "C", "Forge", "Probe", "Studio", "Make"},
     {13, 9, 13},
     {"INCLUDE\\STDIO.H", "INCLUDE\\WINDOWS.H", "LIB\\RUNTIME.LIB", "EXAMPLES\\HELLO.C",
      "BIN\\LINK.EXE", "DOC\\MANUAL.HLP"},
     4500},
    {"Internet",
     {"Net", "Web", "Mail", "News", "Surf", "Chat", "FTP", "Link"},
     {"Scout", "Browser", "Runner", "Reader", "Rider", "Talk", "Pilot", "Spider"},
     {23, 14, 23},
     {"*.HLP", "WSOCK32.DLL", "START.HTM", "BOOKMARK.HTM", "CERTS.DAT", "*.INI"},
     3500},
    {"Multimedia",
     {"Media", "Sound", "Movie", "CD", "Wave", "Music", "Video", "Tune"},
     {"Player", "Studio", "Jukebox", "Mixer", "Editor", "Box", "Maker", "Master"},
     {17, 10, 17},
     {"SKINS\\DEFAULT.SKN", "SAMPLES\\DEMO.AVI", "SAMPLES\\JINGLE.WAV", "CODECS\\MPEG.DLL", "*.HLP",
      "PLAYLIST.M3U"},
     2500},
    {"Education",
     {"Math", "Typing", "World", "Word", "Science", "Star", "History", "Music"},
     {"Blaster", "Tutor", "Atlas", "Games", "Explorer", "Gazer", "Trek", "Class"},
     {12, 19, 12},
     {"LESSONS\\LESSON1.HTM", "LESSONS\\LESSON2.HTM", "MAPS\\EUROPE.BMP", "SOUND\\RIGHT.WAV",
      "*.HLP", "TEACHER.TXT"},
     4000},
    {"Drivers",
     {"Net", "Sound", "Video", "Scan", "Print", "Modem", "SCSI", "USB"},
     {"Card", "Blaster", "Accel", "Driver", "Jet", "Link", "Port", "Hub"},
     {15, 15, 17},
     {"OEMSETUP.INF", "*.SYS", "*.VXD", "*.DRV", "RELEASE.TXT", "DIAG.EXE"},
     400},
    {"Operating Systems",
     {"Atlas", "Atlas", "Boot", "Rescue", "Network", "Server", "Desktop", "Service"},
     {"OS 2", "OS 3", "Disk", "Kit", "Client", "Edition", "Update", "Pack"},
     {21, 21, 21},
     {"SETUP\\BASE01.CAB", "SETUP\\BASE02.CAB", "SETUP\\DRIVERS.CAB", "BOOTDISK\\BOOT.IMG",
      "README.HTM", "DOCS\\INSTALL.TXT"},
     14000},
    {"Security",
     {"Virus", "Fire", "Safe", "Crypt", "Shield", "Privacy", "Trojan", "Pass"},
     {"Scan", "Wall", "Guard", "Keeper", "Alert", "Lock", "Hunter", "Vault"},
     {11, 11, 6},
     {"DEFS\\VIRUS.DAT", "DEFS\\UPDATE.LOG", "*.HLP", "QUARANT.INI", "*32.DLL", "RESCUE.TXT"},
     3000},
    {"Databases",
     {"Data", "Card", "Record", "Helix", "Query", "Table", "Form", "Report"},
     {"Base", "File", "Keeper", "SQL", "Master", "Works", "Designer", "Writer"},
     {22, 8, 22},
     {"SAMPLES\\CONTACTS.DBF", "SAMPLES\\ORDERS.DBF", "ODBC\\DRIVER32.DLL", "*.HLP", "UPGRADE.TXT",
      "*.INI"},
     5500},
    {"Science",
     {"Star", "Chem", "Graph", "Stat", "Gene", "Circuit", "Weather", "Formula"},
     {"Chart", "Sketch", "Plot", "Pack", "View", "Lab", "Station", "Solver"},
     {19, 9, 19},
     {"DATA\\ELEMENTS.DAT", "DATA\\STARS.DAT", "SAMPLES\\CURVE.PLT", "*.HLP", "UNITS.INI",
      "PAPERS.TXT"},
     3500},
}};

const std::array<const char*, 16> Remarks = {"Needs 16 MB memory",
                                             "Serial number on the sleeve",
                                             "Demo, runs 30 days",
                                             "Disc 1 of 2",
                                             "Runs under Windows 95/98",
                                             "German version",
                                             "Update, needs the full version",
                                             "Best with a joystick",
                                             "Install from DOS",
                                             "Came with the scanner",
                                             "Cover disc",
                                             "Registered by mail",
                                             "Needs a sound card",
                                             "Copy protected",
                                             "Network licence 5 users",
                                             "Old version, keep for files"};

const std::array<const char*, 3> Versions = {"Freeware", "Shareware", "Registrated"};

// A medium: its numbers, its name and how many programs it holds.
struct Medium {
    quint16 cdNr;
    quint16 diskNr;
    QString name;
    int programs;
    int year;
    int kind; // index into Kinds of its main class, -1 for a mix
};

// Volume labels of the CDs that were entered by hand, with their main class (-1: a mix); the
// others are named after the drive they were scanned in.
const std::array<std::pair<const char*, int>, 25> CdLabels = {{
    {"OFFICE_PRO_97", 3},      {"COVERDISC_1999_03", -1}, {"GAMES_COLLECTION_2", 1},
    {"GRAPHICS_SUITE_5", 2},   {"DEVSTUDIO_6_DISC1", 4},  {"SHAREWARE_GOLD_12", -1},
    {"ATLAS_OS_3", 9},         {"COVERDISC_2000_11", -1}, {"EDU_PACK_1998", 7},
    {"VIRUS_RESCUE_2001", 10}, {"MEDIA_TOOLS", 6},        {"DRIVERS_2002", 8},
    {"HELIX_DB_4", 11},        {"INTERNET_STARTER", 5},   {"ARCADE_CLASSICS", 1},
    {"SCIENCE_LAB", 12},       {"COVERDISC_2001_06", -1}, {"UTILITIES_PLUS", 0},
    {"DEVSTUDIO_6_DISC2", 4},  {"ATLAS_OS_2_UPDATE", 9},  {"GAMES_COLLECTION_3", 1},
    {"OFFICE_2000_SBE", 3},    {"PHOTO_LAB_7", 2},        {"COVERDISC_2002_02", -1},
    {"REFERENCE_2003", 7},
}};
const std::array<const char*, 6> FloppyLabels = {"BOOTDISK_98", "NE2000_DRIVERS", "TAX_1999",
                                                 "A:\\",        "RESCUE_DISK",    "A:\\"};

std::vector<Medium> media(Dice& dice) {
    std::vector<Medium> out;
    // CD 17 was deleted with its entries: its number is the next one given out.
    size_t label = 0;
    for (quint16 cd = 1; cd <= 38; ++cd) {
        if (cd == 17) continue;
        const int programs = dice.between(3, 9);
        const int year = dice.between(1996, 2004);
        if (cd % 3 == 0) {
            out.push_back({cd, 0, QStringLiteral("E:\\"), programs, year,
                           dice.chance(40) ? -1 : dice.below(int(Kinds.size()))});
        } else {
            const auto& [name, kind] = CdLabels[label++ % CdLabels.size()];
            out.push_back({cd, 0, QString::fromLatin1(name), programs, year, kind});
        }
    }
    quint16 disk = 1;
    const int floppyKinds[] = {9, 8, 3, 0, 10, 1}; // boot disk, drivers, tax, ...
    for (const char* name : FloppyLabels) {
        const int kind = floppyKinds[disk - 1];
        out.push_back({0, disk++, QString::fromLatin1(name), 1, dice.between(1995, 2001), kind});
    }
    for (int zip = 1; zip <= 4; ++zip)
        out.push_back({0, disk++,
                       zip % 2 ? QStringLiteral("F:\\") : QStringLiteral("ZIP_BACKUP_%1").arg(zip),
                       dice.between(3, 6), dice.between(1999, 2003), -1});
    out.push_back({0, disk++, QStringLiteral("C:\\"), 24, 2004, -1});
    out.push_back({0, disk++, QStringLiteral("D:\\"), 16, 2004, -1});
    return out;
}

// "DISKDOCT" for "Disk Doctor": a folder or program name of eight capitals.
QString shortName(const QString& program) {
    QString out;
    for (QChar c : program)
        if (c.isLetterOrNumber()) out += c.toUpper();
    return out.left(8);
}

QString folderSeparators(QString path) {
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

// Size in hundredths of a kilobyte (of 1000 bytes, one decimal, as a directory gives it).
qint64 sizeOf(const QString& file, int mostKb, Dice& dice) {
    const QString ext = file.section(QLatin1Char('.'), -1).toUpper();
    int kb;
    if (ext == "EXE")
        kb = dice.between(40, mostKb);
    else if (ext == "DLL" || ext == "VXD" || ext == "SYS" || ext == "DRV")
        kb = dice.between(12, 900);
    else if (ext == "CAB" || ext == "PAK" || ext == "AVI")
        kb = dice.between(900, 14000);
    else if (ext == "HLP" || ext == "DBF" || ext == "DAT" || ext == "JPG")
        kb = dice.between(30, 2400);
    else if (ext == "TXT" || ext == "INI" || ext == "INF" || ext == "DIZ" || ext == "HTM")
        kb = dice.between(0, 45);
    else
        kb = dice.between(2, 600);
    return qint64(kb) * 100 + dice.below(10) * 10;
}

QString registration(Dice& dice) {
    static const char Letters[] = "ABCDEFGHJKLMNPRSTUVWXYZ23456789";
    QString out;
    for (int group = 0; group < 3; ++group) {
        if (group) out += QLatin1Char('-');
        for (int i = 0; i < 4; ++i)
            out += QLatin1Char(Letters[dice.below(int(sizeof Letters) - 1)]);
    }
    return out;
}

QString description(const QString& program, const ClassKind& kind, const Producer& producer,
                    int year, Dice& dice) {
    static const std::array<const char*, 6> Needs = {"a 486 with 8 MB memory",
                                                     "a Pentium with 16 MB memory",
                                                     "Windows 95 or later",
                                                     "20 MB free on the hard disk",
                                                     "a CD-ROM drive and a sound card",
                                                     "a VGA screen with 256 colours"};
    static const std::array<const char*, 5> Notes = {
        "Install with SETUP.EXE; the program asks for the serial number at its first start.",
        "Unpack into its own folder and start the program from there.",
        "The readme lists what changed since the previous version.",
        "Keep this medium: the program reads its data from it while it runs.",
        "The trial ends after 30 days; the order form is in ORDER.TXT."};
    return QStringLiteral("%1 (%2) by %3, %4. Needs %5. %6")
        .arg(program, QString::fromLatin1(kind.name), QString::fromLatin1(producer.name))
        .arg(year)
        .arg(QString::fromLatin1(dice.pick(Needs)), QString::fromLatin1(dice.pick(Notes)));
}

bool floppy(const Medium& m) {
    return m.cdNr == 0 && m.diskNr <= FloppyLabels.size();
}

class Writer {
public:
    explicit Writer(Dice& dice) : dice_(dice) {}

    // The files of one program on a medium, in `folder` ("" at the medium's root).
    bool program(const Medium& m, const ClassKind& kind, const QString& name,
                 const QString& folder) {
        const QString exe = shortName(name);
        const Producer& producer = Producers[size_t(dice_.pick(kind.producers))];
        const int licence = dice_.below(3);
        const QString serial = licence == 2 ? registration(dice_) : QString();
        const QString base = folder.isEmpty() ? QString() : folder + QLatin1Char('\\');
        QStringList files = {QStringLiteral("SETUP.EXE"), exe + QStringLiteral(".EXE"),
                             QStringLiteral("README.TXT")};
        for (const char* f : kind.files)
            if (dice_.chance(70))
                files << QString::fromLatin1(f).replace(QLatin1Char('*'), exe.left(6));
        if (dice_.chance(40)) files << QStringLiteral("LICENSE.TXT");
        if (dice_.chance(30)) files << QStringLiteral("INSTALL.LOG");
        for (int extra = dice_.below(6); extra > 0; --extra)
            files << QStringLiteral("DATA\\%1%2.DAT").arg(exe.left(5)).arg(extra);
        const qint32 day = Pictures::dayNumber(m.year, dice_.between(1, 12), dice_.between(1, 28));
        for (const QString& file : files) {
            ARC.clear();
            ARC.CdNr = m.cdNr;
            ARC.DiskNr = m.diskNr;
            ARC.CDiskNaam = m.name;
            ARC.Soort = kind.name;
            ARC.Naam = folderSeparators(base + file);
            ARC.Size = sizeOf(file, kind.mostKb, dice_);
            if (floppy(m)) ARC.Size %= 30000; // a floppy holds 1.44 MB
            ARC.Date = day - dice_.below(40);
            ARC.Time =
                Pictures::timeValue(dice_.between(8, 22), dice_.below(60), 2 * dice_.below(30));
            ARC.Producer = producer.name;
            ARC.Version = Versions[size_t(licence)];
            const bool program = file.endsWith(QLatin1String(".EXE"));
            if (program) ARC.Registration = serial.isEmpty() ? QStringLiteral("None") : serial;
            if (program && dice_.chance(35)) ARC.Opmerkingen = dice_.pick(Remarks);
            if ((file == exe + QStringLiteral(".EXE") && dice_.chance(60)) ||
                file == QLatin1String("README.TXT"))
                ARC.Omschrijving = description(name, kind, producer, m.year, dice_);
            if (Access::Archief().Insert() != LevelBenign) return false;
            ++entries_;
        }
        return true;
    }

    // A medium of one class holds mostly programs of that class; each program has a folder
    // of its own unless it is the medium's only one.
    bool medium(const Medium& m) {
        QStringList folders;
        const bool hardDisk = m.name == QLatin1String("C:\\") || m.name == QLatin1String("D:\\");
        for (int p = 0; p < m.programs; ++p) {
            const int k = m.kind >= 0 && dice_.chance(75) ? m.kind : dice_.below(int(Kinds.size()));
            const ClassKind& kind = Kinds[size_t(k)];
            const QString name = QString::fromLatin1(dice_.pick(kind.first)) + QLatin1Char(' ') +
                                 QString::fromLatin1(dice_.pick(kind.second));
            QString folder;
            if (m.programs > 1) {
                folder = shortName(name);
                for (int n = 2; folders.contains(folder); ++n)
                    folder = shortName(name).left(7) + QString::number(n);
                folders << folder;
            }
            if (hardDisk) folder = QStringLiteral("PROGRAMS\\") + folder;
            if (!program(m, kind, name, folder)) return false;
        }
        return true;
    }

    int entries() const { return entries_; }

private:
    Dice& dice_;
    int entries_ = 0;
};

bool insertClasses(QString& report) {
    for (const ClassKind& kind : Kinds) {
        SRT.Soort = kind.name;
        if (Access::SoortTabel().Insert() != LevelBenign) return false;
    }
    report += QStringLiteral("%1 software classes added.\n").arg(Kinds.size());
    return true;
}

bool insertProducers(QString& report) {
    for (const Producer& p : Producers) {
        PRD.Name = p.name;
        PRD.Website = p.website;
        PRD.Support = p.support;
        PRD.Phone = p.phone;
        if (Access::Prd().Insert() != LevelBenign) return false;
    }
    report += QStringLiteral("%1 producers added.\n").arg(Producers.size());
    return true;
}

// The drives the media were read from; a drive configured already is kept as it is.
bool insertDrives(QString& report) {
    const std::pair<const char*, const char*> drives[] = {
        {"A:\\", "Floppy"}, {"C:\\", "HD"}, {"D:\\", "HD"}, {"E:\\", "CD"}, {"F:\\", "ZIP"}};
    for (const auto& [root, kind] : drives) {
        DRV.clear();
        DRV.DRIVE = root;
        if (Access::Drv().TryFetch(DrvKey::KeyDrive) == LevelBenign) continue;
        DRV.DRIVE = root;
        DRV.KINDOFDRIVE = kind;
        if (Access::Drv().Insert() != LevelBenign) return false;
    }
    report += "Drives A: (floppy), C: and D: (hard disks), E: (CD) and F: (ZIP) configured; "
              "set their folders at the first start.\n";
    return true;
}

bool insertEntries(QString& report) {
    Dice dice(20261208);
    const std::vector<Medium> all = media(dice);
    Writer writer(dice);
    for (const Medium& m : all)
        if (!writer.medium(m)) return false;
    ARC.clear();
    report += QStringLiteral("%1 archive entries on %2 CDs and disks added.\n")
                  .arg(writer.entries())
                  .arg(all.size());
    return true;
}

// Users of the two lower levels, to try what each level may do.
bool insertUsers(QString& report) {
    const struct {
        const char* name;
        const char* password;
        quint8 level;
    } users[] = {{"Editor", "editor", 2}, {"Guest", "guest", 1}};
    for (const auto& u : users) {
        IDE.clear();
        IDE.Name = u.name;
        IDE.PASSWORD = u.password;
        IDE.LEVEL = u.level;
        if (Access::IDE().Insert() != LevelBenign) return false;
    }
    report += "Users \"Editor\" (level 2, password editor) and \"Guest\" (level 1, password "
              "guest) added.\n";
    return true;
}

} // namespace

// One transaction for all of it: a few thousand commits would take seconds.
bool DemoCatalogue::add(QString& report) {
    std::vector<store::StoreFile*> files;
    for (FileManager* f : {&Access::Archief(), &Access::SoortTabel(), &Access::Prd(),
                           &Access::Drv(), &Access::IDE()}) {
        if (f->UseFile() != LevelBenign) return false;
        files.push_back(f->File);
    }
    store::RecordStore& store = Process::instance().store();
    const bool framed = store.begin(files, 2) == store::Ok;
    QString done;
    const bool ok = insertClasses(done) && insertProducers(done) && insertDrives(done) &&
                    insertEntries(done) && insertUsers(done);
    if (!framed) {
        report += done;
        return ok;
    }
    if (ok && store.commit() == store::Ok) {
        report += done;
        return true;
    }
    store.rollback();
    report += "The demo catalogue could not be written.\n";
    return false;
}
