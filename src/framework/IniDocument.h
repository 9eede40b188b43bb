#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The parsed text of a settings file. Section and entry names match without regard to
// case; the file keeps the case they were first written in. Lines that are neither a
// section header nor an entry (comments, garbage) are kept as they are.
class IniDocument {
public:
    static IniDocument parse(const QByteArray& bytes);
    QByteArray serialize() const;

    // A missing or unreadable file reads as empty.
    static IniDocument load(const QString& path);
    // Writes a temporary file that then replaces `path`, so a crash never leaves half a
    // file.
    bool save(const QString& path) const;

    // The first entry of that name in any section of that name.
    std::optional<QString> value(const QString& section, const QString& entry) const;
    // Changes the first such entry, or appends it to the first such section, or appends
    // the section.
    void setValue(const QString& section, const QString& entry, const QString& value);

private:
    struct Line {
        QString name; // empty for a kept line
        QString value;
        QString raw;
    };
    struct Section {
        QString name;
        std::vector<Line> lines;
    };
    QStringList preamble_; // lines before the first section
    std::vector<Section> sections_;
};
