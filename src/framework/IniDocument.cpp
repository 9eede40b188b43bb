#include "framework/IniDocument.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace {

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Line breaks in a value would split the entry; they become blanks.
QString oneLine(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value.trimmed();
}

} // namespace

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString raw = lines[n];
        if (raw.endsWith(QLatin1Char('\r'))) raw.chop(1);
        if (n == lines.size() - 1 && raw.isEmpty()) break; // the final line break
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            doc.sections_.push_back({line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        if (doc.sections_.empty()) {
            doc.preamble_.append(raw);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        Line entry{{}, {}, raw};
        if (equals > 0) {
            entry.name = line.left(equals).trimmed();
            entry.value = line.mid(equals + 1).trimmed();
        }
        doc.sections_.back().lines.push_back(std::move(entry));
    }
    return doc;
}

QByteArray IniDocument::serialize() const {
    QString out;
    for (const auto& line : preamble_)
        out += line + QLatin1Char('\n');
    for (const auto& section : sections_) {
        out += QLatin1Char('[') + section.name + QLatin1String("]\n");
        for (const auto& line : section.lines) {
            out += line.name.isEmpty() ? line.raw : line.name + QLatin1Char('=') + line.value;
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

std::optional<QString> IniDocument::value(const QString& section, const QString& entry) const {
    const QString name = entry.trimmed();
    for (const auto& s : sections_) {
        if (!same(s.name, section.trimmed())) continue;
        for (const auto& line : s.lines)
            if (!line.name.isEmpty() && same(line.name, name)) return line.value;
    }
    return std::nullopt;
}

void IniDocument::setValue(const QString& section, const QString& entry, const QString& value) {
    const QString sectionName = section.trimmed();
    const QString name = entry.trimmed();
    Section* first = nullptr;
    for (auto& s : sections_) {
        if (!same(s.name, sectionName)) continue;
        if (!first) first = &s;
        for (auto& line : s.lines) {
            if (!line.name.isEmpty() && same(line.name, name)) {
                line.value = oneLine(value);
                return;
            }
        }
    }
    if (!first) {
        if (!sections_.empty()) sections_.back().lines.push_back(Line{{}, {}, {}});
        sections_.push_back({sectionName, {}});
        first = &sections_.back();
    }
    // A new entry goes after the section's last entry; in a section without entries,
    // before its trailing blank lines.
    auto& lines = first->lines;
    auto at = std::find_if(lines.rbegin(), lines.rend(), [](const Line& l) {
                  return !l.name.isEmpty();
              }).base();
    if (at == lines.begin())
        for (at = lines.end(); at != lines.begin() && std::prev(at)->raw.trimmed().isEmpty();)
            --at;
    lines.insert(at, Line{name, oneLine(value), {}});
}

IniDocument IniDocument::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return parse(file.readAll());
}

bool IniDocument::save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(serialize());
    return file.commit();
}
