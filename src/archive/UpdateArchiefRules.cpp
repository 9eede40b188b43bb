#include "archive/UpdateArchiefRules.h"

#include "core/FileNames.h"
#include "framework/Pictures.h"
#include "framework/window/Requests.h"

namespace {

QString d6(qint32 date) {
    return Pictures::format(date, QStringLiteral("@D6"));
}
QString t4(qint32 time) {
    return Pictures::format(time, QStringLiteral("@T4"));
}
QString kilobytes(qint64 value, int scale) {
    return Pictures::format(value, QStringLiteral("@N9.1"), scale);
}
bool oneOf(const QString& extension, std::initializer_list<const char*> extensions) {
    for (const char* e : extensions)
        if (extension == QLatin1String(e)) return true;
    return false;
}

} // namespace

UpdateArchiefRules::Kind UpdateArchiefRules::kindOf(quint8 kindA, quint8 kindB) {
    const int kind = kindA != 0 ? kindA : kindB;
    return kind >= NewCd && kind <= Delete ? Kind(kind) : NoKind;
}

QString UpdateArchiefRules::requestCaption(int request, const QString& naam) {
    switch (request) {
    case InsertRecord:
        return QStringLiteral("  (New)");
    case ChangeRecord:
        return QStringLiteral("Properties of  ") + QStringLiteral("  (") + naam.trimmed() +
               QStringLiteral(")");
    case DeleteRecord:
        return QStringLiteral("  (") + naam.trimmed() + QStringLiteral(")");
    default:
        return {};
    }
}

QString UpdateArchiefRules::newMediumCaption(const QString& kindOfDrive) {
    const QString kind = kindOfDrive.trimmed().toUpper();
    if (kind == QLatin1String("CD")) return QStringLiteral("Adding a new CD");
    if (kind == QLatin1String("FLOPPY")) return QStringLiteral("Adding a new Floppy");
    if (kind == QLatin1String("ZIP")) return QStringLiteral("Adding a new Zip");
    if (kind == QLatin1String("HD")) return QStringLiteral("Adding a new HD");
    return {};
}

bool UpdateArchiefRules::numbersCds(const QString& kindOfDrive) {
    return kindOfDrive.trimmed().compare(QLatin1String("CD"), Qt::CaseInsensitive) == 0;
}

QString UpdateArchiefRules::includeCaption(const QString& medium, quint16 cdNr, quint16 diskNr,
                                           const QString& kindOfDrive) {
    const QString suffix = cdNr != 0 ? QStringLiteral(" -- Cd Nr. ") + QString::number(cdNr)
                                     : QStringLiteral(" -- ") + kindOfDrive.trimmed() +
                                           QStringLiteral(" Nr. ") + QString::number(diskNr);
    return QStringLiteral("Including a record to ") + medium.trimmed() + suffix.left(32);
}

QString UpdateArchiefRules::mediumShort(quint16 cdNr, quint16 diskNr) {
    return diskNr != 0 ? QStringLiteral("Disk ") + QString::number(diskNr)
                       : QStringLiteral("CD ") + QString::number(cdNr);
}

QString UpdateArchiefRules::duplicateQuestion(const ArchiefRecord& existing,
                                              const QString& newMedium, const QString& root,
                                              const QString& rest, qint32 date, qint32 time) {
    return QStringLiteral("RECORD ALREADY EXISTS :") + mediumShort(existing.CdNr, existing.DiskNr) +
           QStringLiteral("\nReplace ") + existing.CDiskNaam.str() + QStringLiteral(", File : ") +
           existing.Naam.str() + QStringLiteral("\nDate ") + d6(existing.Date) +
           QStringLiteral(", Time ") + t4(existing.Time) +
           QStringLiteral("\n\nWITH THIS ONE : \n") + newMedium + QStringLiteral("\n") +
           root.trimmed() + QStringLiteral(", File : ") + rest.trimmed() +
           QStringLiteral("\nDate ") + d6(date) + QStringLiteral(", Time ") + t4(time);
}

QString UpdateArchiefRules::mediumLong(quint16 cdNr, quint16 diskNr) {
    const QString text = diskNr != 0 ? QStringLiteral("Disk/HD Nr.:  ") + QString::number(diskNr)
                                     : QStringLiteral("CD Nr. : ") + QString::number(cdNr);
    return text.left(32);
}

QString UpdateArchiefRules::updateQuestion(const ArchiefRecord& entry, const QString& path,
                                           qint64 tenths, qint32 date, qint32 time) {
    const QString medium = mediumLong(entry.CdNr, entry.DiskNr);
    return QStringLiteral("Update this record record :") + medium + QStringLiteral("\n") +
           path.trimmed() + QStringLiteral("\nSize ") + kilobytes(entry.Size, 2) +
           QStringLiteral(" Kb,") + QStringLiteral(" Date ") + d6(entry.Date) +
           QStringLiteral(", Time ") + t4(entry.Time) + QStringLiteral("\n\nwith this one : \n") +
           medium + QStringLiteral("\n") + path.trimmed() + QStringLiteral("\nSize ") +
           kilobytes(tenths, 1) + QStringLiteral(" Kb,") + QStringLiteral(" Date ") + d6(date) +
           QStringLiteral(", Time ") + t4(time);
}

QString UpdateArchiefRules::wrongDriveText(bool including, const QString& root,
                                           const QString& drive) {
    return (including ? QStringLiteral("Can not include ") : QStringLiteral("Can not put  ")) +
           root + QStringLiteral("  to  ") + drive +
           QStringLiteral(". Please pick file from correct drive !");
}

UpdateArchiefRules::RunChoice UpdateArchiefRules::runChoice(const QString& fileName,
                                                            bool useNotebook) {
    const QString extension = FileNames::extension(fileName);
    if (extension == QLatin1String("BAT")) return {QStringLiteral("Run"), 4};
    if (extension == QLatin1String("ICO")) return {QStringLiteral("View"), 2};
    if (oneOf(extension, {"GIF", "JPG", "PCX", "BMP", "WMF", "MPG", "AVI"}))
        return {QStringLiteral("View"), 4};
    if (oneOf(extension, {"TXT", "INI", "LOG", "BAK"}))
        return {QStringLiteral("Read"), useNotebook ? 4 : 3};
    if (oneOf(extension, {"DOC", "HTM", "ZIP", "HLP", "WRI"})) return {QStringLiteral("Read"), 4};
    return {QStringLiteral("Start"), 4};
}

bool UpdateArchiefRules::viewedWithDescription(const QString& fileName) {
    return oneOf(FileNames::extension(fileName), {"TXT", "INI", "LOG", "BAK", "CLW"});
}

UpdateArchiefRules::RunTarget UpdateArchiefRules::runTarget(const QString& medium,
                                                            const QString& naam) {
    const QString root = medium.left(3).toUpper();
    const bool local = root.size() == 3 && root[0] >= QLatin1Char('A') &&
                       root[0] <= QLatin1Char('K') && root.mid(1) == QLatin1String(":\\");
    return {local ? medium.trimmed() + naam.trimmed() : naam.trimmed(), local};
}

void UpdateArchiefRules::applyOkRules(ArchiefRecord& entry) {
    const QString extension = FileNames::extension(entry.Naam);
    if (entry.Registration.isBlank() &&
        (extension == QLatin1String("EXE") || extension == QLatin1String("COM")))
        entry.Registration = "None";
    if (entry.Soort.isBlank()) entry.Soort = "Temporary Class";
}
