#include "scan/TreeWalk.h"

#include "framework/host/Host.h"

#include <algorithm>
#include <set>
#include <sys/stat.h>

namespace {

struct Pending {
    QByteArray native;
    QString path;
};

bool wanted(const HostDirectory::Entry& e, const QStringList& patterns) {
    if (e.attributes & (16 | 2)) return false;
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const QString& p) { return HostDirectory::matches(e.name, p); });
}

} // namespace

TreeWalk::TreeWalk(const QString& drive, const QString& path, const QStringList& patterns)
    : drive_(drive), path_(path), patterns_(patterns), reader_(HostDirectory::read) {}

TreeWalk::Summary TreeWalk::Run(const std::function<bool(const Directory&)>& visit) {
    Summary summary;
    const QString start = Host::instance().hostPath(drive_ + path_);
    if (start.isEmpty()) {
        summary.unreadable.push_back({path_, QStringLiteral("Drive not ready")});
        return summary;
    }
    std::vector<Pending> pending{{HostDirectory::nativePath(start), path_}};
    std::set<std::pair<quint64, quint64>> seen;
    struct stat st {};
    if (stat(pending.front().native.constData(), &st) == 0)
        seen.insert({quint64(st.st_dev), quint64(st.st_ino)});

    while (!pending.empty()) {
        const Pending here = std::move(pending.back());
        pending.pop_back();
        HostDirectory::Reading reading = reader_(here.native);
        if (!reading.ok) {
            summary.unreadable.push_back({here.path, reading.error});
            continue;
        }
        ++summary.directories;
        summary.entries += qint64(reading.entries.size()) + reading.vanished;
        summary.vanished += reading.vanished;

        std::vector<std::pair<QString, HostDirectory::Entry*>> sorted;
        sorted.reserve(reading.entries.size());
        for (HostDirectory::Entry& e : reading.entries)
            sorted.emplace_back(e.name.toCaseFolded(), &e);
        std::sort(sorted.begin(), sorted.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });

        Directory directory;
        directory.path = here.path;
        const size_t firstChild = pending.size();
        for (const auto& [key, e] : sorted) {
            if (e->attributes & 16) {
                ++directory.subdirectories;
                if (!seen.insert({e->device, e->inode}).second) continue; // met before
                pending.push_back(
                    {here.native + '/' + e->nativeName, here.path + e->name + QLatin1Char('\\')});
            } else if (wanted(*e, patterns_)) {
                directory.files.push_back(std::move(*e));
            }
        }
        // Taken from the back: the first name is walked first.
        std::reverse(pending.begin() + qsizetype(firstChild), pending.end());
        summary.files += qint64(directory.files.size());
        if (!visit(directory)) {
            summary.cancelled = true;
            break;
        }
    }
    return summary;
}
