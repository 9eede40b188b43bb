#include "framework/IniManager.h"

#include "framework/IniDocument.h"
#include "framework/Text.h"

#include "framework/host/Host.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString SectorsSection = QStringLiteral("Sectors");
const QString SectorsName = QStringLiteral("__Dont_Touch_Me__");
constexpr int SectorLength = 100;

QString part(const QString& value, int n) {
    if (n < 1) return {};
    const QStringList parts = value.split(QLatin1Char(','));
    return n <= parts.size() ? parts[n - 1] : QString();
}

QString entryOf(const QString& name, int n) {
    return name + QLatin1Char('_') + QString::number(n);
}

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

void IniManager::Init(const QString& fileName, const QString& directory) {
    std::scoped_lock guard(lock_);
    path_ = QDir(directory.isEmpty() ? QDir::currentPath() : directory).filePath(fileName);
    unreadable_ = false;
    Sectors.clear();
    // Only groups that are there: an entry that is missing or empty names none.
    for (const auto& row : FetchQueue(SectorsSection, SectorsName, 3))
        if (!row.join(QString()).trimmed().isEmpty()) Sectors.push_back({row[0], row[1], row[2]});
}

IniDocument IniManager::read(IniDocument::Loaded* how) const {
    IniDocument::Loaded loaded;
    QString why;
    IniDocument doc = IniDocument::load(path_, &loaded, &why);
    if (loaded != IniDocument::Loaded::Read && loaded != IniDocument::Loaded::Missing &&
        !unreadable_) {
        unreadable_ = true;
        if (Host::present())
            Host::instance().message(
                QStringLiteral("The settings file %1 cannot be read: %2. Window places and "
                               "choices are not stored until the program starts again.")
                    .arg(path_, why),
                QStringLiteral("Wareloft"), Icon::Exclamation, ButtonOk, ButtonOk);
    }
    if (how) *how = loaded;
    return doc;
}

// Never over a file that could not be read, nor over one without any write permission (also
// where the user might write anyway).
void IniManager::write(const IniDocument& doc, IniDocument::Loaded how) {
    if (unreadable_ || (how != IniDocument::Loaded::Read && how != IniDocument::Loaded::Missing))
        return;
    const QByteArray name = QFile::encodeName(path_);
    struct stat st;
    if (::stat(name.constData(), &st) == 0 &&
        ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(name.constData(), W_OK)))
        return;
    doc.save(path_); // a failed write is not reported
}

void IniManager::Kill() {
    std::scoped_lock guard(lock_);
    std::vector<QStringList> rows;
    for (const auto& s : Sectors)
        rows.push_back({s.Family, s.Item, s.Type});
    UpdateQueue(SectorsSection, SectorsName, rows, 3);
    Sectors.clear();
}

QString IniManager::Fetch(const QString& section, const QString& entry) const {
    std::scoped_lock guard(lock_);
    return read().value(section, entry).value_or(QString());
}

QString IniManager::TryFetch(const QString& section, const QString& entry) const {
    std::scoped_lock guard(lock_);
    return read().value(section, entry).value_or(QString::fromLatin1(Unknown));
}

QString IniManager::FetchField(const QString& section, const QString& entry, int n) const {
    return part(Fetch(section, entry), n);
}

void IniManager::Update(const QString& section, const QString& entry, const QString& value) {
    std::scoped_lock guard(lock_);
    IniDocument::Loaded how;
    IniDocument doc = read(&how);
    doc.setValue(section, entry, value);
    write(doc, how);
}

QString IniManager::Fetch(const SettingKey& key) const {
    return Fetch(QString::fromUtf8(key.section), key);
}

QString IniManager::Fetch(const QString& section, const SettingKey& key) const {
    const QString value = Fetch(section, QString::fromUtf8(key.entry));
    return value.isEmpty() ? QString::fromUtf8(key.fallback) : value;
}

int IniManager::FetchNumber(const SettingKey& key) const {
    return FetchNumber(QString::fromUtf8(key.section), key);
}

int IniManager::FetchNumber(const QString& section, const SettingKey& key) const {
    const int value = Fetch(section, QString::fromUtf8(key.entry)).toInt();
    return value != 0 ? value : QString::fromUtf8(key.fallback).toInt();
}

void IniManager::Update(const SettingKey& key, const QString& value) {
    Update(QString::fromUtf8(key.section), QString::fromUtf8(key.entry), value);
}

void IniManager::Update(const SettingKey& key, qint64 value) {
    Update(key, QString::number(value));
}

void IniManager::Update(const QString& section, const SettingKey& key, const QString& value) {
    Update(section, QString::fromUtf8(key.entry), value);
}

void IniManager::Update(const QString& section, const SettingKey& key, qint64 value) {
    Update(section, key, QString::number(value));
}

// The count is bounded by the entries the section holds, and each entry is looked up once.
std::vector<QStringList> IniManager::FetchQueue(const QString& section, const QString& name,
                                                int fields) const {
    std::scoped_lock guard(lock_);
    const QHash<QString, QString> entries = read().entries(section);
    const qint64 stored = entries.value(IniDocument::fold(name)).toLongLong();
    const qint64 count = std::clamp<qint64>(stored, 0, entries.size());
    std::vector<QStringList> rows;
    rows.reserve(size_t(count));
    for (qint64 n = 1; n <= count; ++n) {
        const QString value = entries.value(IniDocument::fold(entryOf(name, int(n))));
        QStringList row;
        for (int f = 1; f <= std::clamp(fields, 1, 3); ++f)
            row.append(part(value, f));
        rows.push_back(row);
    }
    return rows;
}

void IniManager::UpdateQueue(const QString& section, const QString& name,
                             const std::vector<QStringList>& rows, int fields) {
    std::scoped_lock guard(lock_);
    IniDocument::Loaded how;
    IniDocument doc = read(&how);
    QStringList values;
    for (const QStringList& row : rows) {
        QStringList parts;
        for (int f = 0; f < std::clamp(fields, 1, 3); ++f)
            parts.append(row.value(f));
        values.append(parts.join(QLatin1Char(',')));
    }
    doc.setList(section, name, values);
    write(doc, how);
}

void IniManager::AddSector(const QString& group) {
    const qsizetype types = group.indexOf(QLatin1String("$$"));
    const QString head = types < 0 ? group : group.left(types);
    const qsizetype items = head.indexOf(QLatin1Char('$'));
    Sector sector{Text::fit(items < 0 ? head : head.left(items), SectorLength),
                  Text::fit(items < 0 ? QString() : head.mid(items + 1), SectorLength),
                  Text::fit(types < 0 ? QString() : group.mid(types + 2), SectorLength)};
    std::scoped_lock guard(lock_);
    for (const auto& s : Sectors)
        if (same(s.Family, sector.Family) && same(s.Item, sector.Item) && same(s.Type, sector.Type))
            return;
    Sectors.push_back(sector);
}

std::vector<IniManager::Sector> IniManager::GetSectors(const QString& family, const QString& item,
                                                       const QString& type) const {
    const auto matches = [](const QString& wanted, const QString& have) {
        const QString w = wanted.trimmed();
        return w.isEmpty() || same(w, have);
    };
    std::scoped_lock guard(lock_);
    std::vector<Sector> found;
    for (const auto& s : Sectors)
        if (matches(family, s.Family) && matches(item, s.Item) && matches(type, s.Type))
            found.push_back(s);
    return found;
}
