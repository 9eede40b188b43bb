#include "scan/ScanSetup.h"

#include "archive/ArchiveDrives.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/Text.h"
#include "scan/DriveSetup.h"

#include <algorithm>

namespace {

const QString Everything = QStringLiteral("Everything");

// The file open while one pass reads or writes it; nested in a window's own opening.
struct Opened {
    explicit Opened(RelationGuard& guard) : guard_(guard) { guard_.Open(); }
    ~Opened() { guard_.Close(); }
    Opened(const Opened&) = delete;
    Opened& operator=(const Opened&) = delete;
    RelationGuard& guard_;
};

} // namespace

void ScanSetup::RebuildDriveQueue() {
    GLO.DriveQueue.free();
    DriveSetup::load(); // every Drv record, in file order
    ArchiveDrives::sort();
    GLO.DriveQueue.buffer = DriveQueueEntry();
}

int ScanSetup::MediumOf(const QString& kind) {
    const QString k = kind.trimmed();
    if (k.compare(QLatin1String("CD"), Qt::CaseInsensitive) == 0) return 1;
    for (const char* disk : {"Floppy", "HD", "ZIP"})
        if (k.compare(QLatin1String(disk), Qt::CaseInsensitive) == 0) return 2;
    return 0;
}

bool ScanSetup::HasCdDrive() {
    return std::any_of(GLO.DriveQueue.rows.begin(), GLO.DriveQueue.rows.end(),
                       [](const DriveQueueEntry& e) { return MediumOf(e.KINDOFDRIVE) == 1; });
}

QStringList ScanSetup::ClassChoices() {
    QStringList names;
    const Opened open(Relate::SoortTabel());
    FileManager& classes = Access::SoortTabel();
    if (classes.UseFile() != LevelBenign) return names;
    SoortTabelRecord probe;
    classes.File->setOrder(SrtKey::KeySoort);
    while (classes.File->next(probe) == store::Ok)
        if (probe.Soort.str().compare(Everything, Qt::CaseInsensitive) != 0)
            names << probe.Soort.str();
    return names;
}

QStringList ScanSetup::ProducerChoices() {
    QStringList names;
    const Opened open(Relate::Prd());
    FileManager& producers = Access::Prd();
    if (producers.UseFile() != LevelBenign) return names;
    PrdRecord probe;
    producers.File->setOrder(PrdKey::KeyName);
    while (producers.File->next(probe) == store::Ok)
        names << probe.Name.str();
    return names;
}

QString ScanSetup::SettleClass(const QString& chosen) {
    QString name = Text::fit(chosen.trimmed(), 20);
    if (name.isEmpty() || name.compare(Everything, Qt::CaseInsensitive) == 0)
        name = QString::fromLatin1(TemporaryClass);
    const Opened open(Relate::SoortTabel());
    FileManager& classes = Access::SoortTabel();
    const int saved = classes.SaveBuffer();
    SRT.clear();
    SRT.Soort = name;
    if (classes.TryFetch(SrtKey::KeySoort) == LevelBenign) {
        name = SRT.Soort.str(); // as the class file writes it
    } else {
        SRT.clear();
        SRT.Soort = name;
        classes.TryInsert();
    }
    classes.RestoreBuffer(saved);
    return name;
}

QString ScanSetup::SettleProducer(const QString& chosen, const QString& organisation,
                                  const QString& user) {
    QString producer = chosen.trimmed();
    if (producer.isEmpty()) {
        const QString org = organisation.trimmed();
        producer = org.isEmpty() ? user.trimmed() : org + QStringLiteral(" -- ") + user.trimmed();
    }
    return Text::fit(producer, 30);
}
