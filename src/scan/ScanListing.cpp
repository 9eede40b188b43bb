#include "scan/ScanListing.h"

#include "framework/host/Host.h"
#include "framework/host/HostDirectory.h"

#include <algorithm>
#include <set>

namespace ScanListing {

QString OtherPattern(const QString& extension) {
    QString clipped = extension.trimmed();
    if (clipped.startsWith(QLatin1String("*."))) clipped = clipped.mid(2);
    return (QStringLiteral("*.") + clipped).left(5);
}

QStringList Patterns(int code, const QString& otherPattern) {
    QStringList patterns;
    switch (code > All ? code - WithText : code) {
    case ExeCom:
        patterns << QStringLiteral("*.exe") << QStringLiteral("*.com");
        break;
    case Zip:
        patterns << QStringLiteral("*.zip");
        break;
    case Other:
        patterns << otherPattern;
        break;
    case All:
        patterns << QStringLiteral("*.*");
        break;
    default:
        break;
    }
    if (code > All)
        for (const QString& text : {QStringLiteral("*.txt"), QStringLiteral("*.hlp")})
            if (text.compare(otherPattern.trimmed(), Qt::CaseInsensitive) != 0) patterns << text;
    return patterns;
}

QString AttributeLabel(int attributes, const QString& previous, const QString& otherLabel) {
    switch (attributes) {
    case 0:
        return QStringLiteral("System");
    case 2:
        return QStringLiteral("Hidden");
    case 32:
        return QStringLiteral("File");
    case 16:
        return previous;
    default:
        return otherLabel;
    }
}

qint64 TenthsOfKilobyte(qint64 bytes) {
    return (std::max<qint64>(bytes, 0) + 50) / 100;
}

namespace {

void append(Queue<ScanFileEntry>& queue, const QString& name, const HostDirectory::Entry& e,
            const QString& label) {
    ScanFileEntry& row = queue.buffer;
    row.SCANFILENAME = name;
    row.ATTRIB = label;
    row.SIZE = TenthsOfKilobyte(e.size);
    row.DATE = e.date;
    row.TIME = e.time;
    queue.add();
}

} // namespace

Result List(Queue<ScanFileEntry>& queue, const QString& drive, const QString& path, int code,
            const QString& otherPattern, const QString& otherLabel) {
    Result result;
    const QString folder = Host::instance().hostPath(drive + path);
    HostDirectory::Reading reading;
    if (folder.isEmpty()) {
        reading.ok = false;
        reading.error = QStringLiteral("Drive not ready");
    } else {
        reading = HostDirectory::read(HostDirectory::nativePath(folder));
    }
    if (!reading.ok) {
        result.ready = false;
        result.error = reading.error;
        return result;
    }
    result.vanished = reading.vanished;
    std::vector<std::pair<QString, const HostDirectory::Entry*>> sorted;
    sorted.reserve(reading.entries.size());
    for (const HostDirectory::Entry& e : reading.entries)
        sorted.emplace_back(e.name.toCaseFolded(), &e);
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });

    for (const auto& [key, e] : sorted)
        if (e->attributes & 16) append(queue, path + e->name, *e, QStringLiteral("Directory"));

    std::set<const HostDirectory::Entry*> listed;
    QString label = otherLabel;
    for (const QString& pattern : Patterns(code, otherPattern)) {
        for (auto it = sorted.rbegin(); it != sorted.rend(); ++it) {
            const HostDirectory::Entry* e = it->second;
            if (e->attributes & (16 | 2) || !HostDirectory::matches(e->name, pattern)) continue;
            if (!listed.insert(e).second) continue;
            label = AttributeLabel(e->attributes, label, otherLabel);
            append(queue, path + e->name, *e, label);
            ++result.files;
        }
    }
    return result;
}

} // namespace ScanListing
