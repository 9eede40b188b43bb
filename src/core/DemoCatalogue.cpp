#include "core/DemoCatalogue.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/Pictures.h"

namespace {

struct Producer {
    const char* name;
    const char* website;
    const char* support;
    const char* phone;
};

const char* const Classes[] = {"Games", "Graphics", "Office", "Utilities", "Internet", "Drivers"};

const Producer Producers[] = {
    {"Northwind Software", "http://www.northwind.example", "support@northwind.example",
     "+31 20 555 0101"},
    {"Bluebird Graphics", "http://www.bluebird.example", "help@bluebird.example",
     "+44 20 7946 0958"},
    {"Kestrel Games", "http://www.kestrel.example", "service@kestrel.example", "+1 555 0134"},
    {"Harbour Tools", "http://www.harbour.example", "tools@harbour.example", "+49 30 5550 88"},
};

struct Entry {
    int cd, disk;
    const char* medium;
    const char* soort;
    const char* naam;
    qint64 size; // hundredths of a kilobyte
    int year, month, day;
    const char* producer;
    const char* version;
    const char* remarks;
};

const Entry Entries[] = {
    {1, 0, "Office Suite 4", "Office", "SETUP\\SETUP.EXE", 45678, 1998, 3, 14, "Northwind Software",
     "4.0", "Full install 120 MB"},
    {1, 0, "Office Suite 4", "Office", "SETUP\\README.TXT", 1250, 1998, 3, 14, "Northwind Software",
     "4.0", ""},
    {1, 0, "Office Suite 4", "Utilities", "TOOLS\\CLEANUP.EXE", 8830, 1998, 2, 2,
     "Northwind Software", "1.2", ""},
    {2, 0, "Paint Studio", "Graphics", "INSTALL.EXE", 123400, 1999, 6, 30, "Bluebird Graphics",
     "2.5", "Needs 16 MB memory"},
    {2, 0, "Paint Studio", "Graphics", "FILTERS\\BLUR.DLL", 2210, 1999, 6, 30, "Bluebird Graphics",
     "2.5", ""},
    {3, 0, "Arcade Classics", "Games", "RACER\\RACER.EXE", 98000, 1997, 11, 5, "Kestrel Games",
     "1.0", "Joystick recommended"},
    {3, 0, "Arcade Classics", "Games", "CHESS\\CHESS.EXE", 40120, 1997, 11, 5, "Kestrel Games",
     "1.1", ""},
    {0, 1, "Driver disk", "Drivers", "NETCARD\\OEMSETUP.INF", 320, 2000, 1, 20, "Harbour Tools",
     "3.01", "Network card"},
    {0, 1, "Driver disk", "Drivers", "NETCARD\\NE2000.SYS", 2890, 2000, 1, 20, "Harbour Tools",
     "3.01", ""},
    {0, 2, "Backup tools", "Utilities", "ZIPTOOL.EXE", 15600, 2001, 9, 9, "Harbour Tools", "5.2",
     "ZIP disk"},
};

bool insertClasses(QString& report) {
    for (const char* soort : Classes) {
        SRT.Soort = soort;
        if (Access::SoortTabel().Insert() != LevelBenign) return false;
    }
    report += QStringLiteral("%1 software classes added.\n").arg(std::size(Classes));
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
    report += QStringLiteral("%1 producers added.\n").arg(std::size(Producers));
    return true;
}

bool insertEntries(QString& report) {
    for (const Entry& e : Entries) {
        ARC.clear();
        ARC.CdNr = quint16(e.cd);
        ARC.DiskNr = quint16(e.disk);
        ARC.CDiskNaam = e.medium;
        ARC.Soort = e.soort;
        ARC.Naam = e.naam;
        ARC.Size = e.size;
        ARC.Date = Pictures::dayNumber(e.year, e.month, e.day);
        ARC.Time = Pictures::timeValue(12, 0, 0);
        ARC.Producer = e.producer;
        ARC.Version = e.version;
        ARC.Opmerkingen = e.remarks;
        if (Access::Archief().Insert() != LevelBenign) return false;
    }
    report += QStringLiteral("%1 archive entries added.\n").arg(std::size(Entries));
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

bool DemoCatalogue::add(QString& report) {
    return insertClasses(report) && insertProducers(report) && insertEntries(report) &&
           insertUsers(report);
}
