#include "scan/TreeFiles.h"

#include "scan/ScanListing.h"

TreeFiles::TreeFiles(const QString& drive, const QString& path, const QStringList& patterns)
    : walk_(drive, path, patterns) {}

TreeFiles::~TreeFiles() {
    cancelled_ = true;
    if (worker_.joinable()) worker_.join();
}

void TreeFiles::start() {
    worker_ = std::thread([this] { run(); });
}

void TreeFiles::run() {
    QString label = QStringLiteral("Unknown");
    summary_ = walk_.Run([&](const TreeWalk::Directory& directory) {
        for (const HostDirectory::Entry& e : directory.files) {
            ScanFileEntry row;
            row.SCANFILENAME = directory.path + e.name;
            label = ScanListing::AttributeLabel(e.attributes, label, QStringLiteral("Unknown"));
            row.ATTRIB = label;
            row.SIZE = ScanListing::TenthsOfKilobyte(e.size);
            row.DATE = e.date;
            row.TIME = e.time;
            rows_.push_back(std::move(row));
        }
        found_ += qint64(directory.files.size());
        ++directories_;
        return !cancelled_.load();
    });
    finished_ = true;
}

std::vector<ScanFileEntry> TreeFiles::take() {
    if (worker_.joinable()) worker_.join();
    std::vector<ScanFileEntry> out;
    out.swap(rows_);
    return out;
}

QString TreeFiles::unreadableText(const QString& drive) const {
    if (summary_.unreadable.empty()) return {};
    QString text = summary_.unreadable.size() == 1
                       ? QStringLiteral("One directory could not be read and was left out:")
                       : QStringLiteral("%1 directories could not be read and were left out:")
                             .arg(summary_.unreadable.size());
    constexpr size_t Shown = 20;
    for (size_t i = 0; i < summary_.unreadable.size() && i < Shown; ++i)
        text += QStringLiteral("\r\n") + drive.trimmed() + summary_.unreadable[i].path +
                QStringLiteral(" (") + summary_.unreadable[i].error + QLatin1Char(')');
    if (summary_.unreadable.size() > Shown)
        text += QStringLiteral("\r\n... and %1 more").arg(summary_.unreadable.size() - Shown);
    return text;
}
