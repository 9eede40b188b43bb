#pragma once

#include <QString>
#include <QStringList>

// The scan options without their window: the drives, the medium a drive's kind reads, the
// classes and producers offered, and the class and producer a scan hands on.
namespace ScanSetup {

constexpr const char* TemporaryClass = "TemporaryClass";

// DriveQueue from every Drv record, then in drive order.
void RebuildDriveQueue();
// 1 for "CD"; 2 for "Floppy", "HD" and "ZIP"; 0 for any other kind.
int MediumOf(const QString& kind);
bool HasCdDrive();
// The classes by name, without "Everything"; the producers by name.
QStringList ClassChoices();
QStringList ProducerChoices();
// The class of the scan: the chosen one, or "TemporaryClass" when none (or the reserved
// "Everything") was chosen. A class that is not in the class file yet is added to it; a
// failure to add it is ignored.
QString SettleClass(const QString& chosen);
// The producer of the scan: the chosen one, or the organisation, " -- " and the user, or
// the user alone without an organisation; at most 30 characters.
QString SettleProducer(const QString& chosen, const QString& organisation, const QString& user);

} // namespace ScanSetup
