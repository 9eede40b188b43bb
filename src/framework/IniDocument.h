#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The parsed text of a settings file. Section and entry names match without regard to
// case; the file keeps the case they were first written in. Lines that are neither a
// section header nor an entry (comments, garbage) are kept as they are.
class IniDocument {
public:
    // How a load went. Anything but Read and Missing means the file is there but was not
    // read, so it must not be written over either.
    enum class Loaded { Read, Missing, Unreadable, NotAFile, TooLarge };
    static constexpr qint64 LargestFile = qint64(16) << 20;

    // UTF-8; text that is not valid UTF-8 is read as Latin-1, the encoding such files were
    // written in before.
    static IniDocument parse(const QByteArray& bytes);
    // Always UTF-8.
    QByteArray serialize() const;

    // Reads only a regular file of at most LargestFile bytes, without waiting on a pipe; a
    // file that is missing or cannot be read reads as empty. `how` and `why` tell which.
    static IniDocument load(const QString& path, Loaded* how = nullptr, QString* why = nullptr);
    // Writes a temporary file that then replaces `path`, so a crash never leaves half a
    // file; the file keeps its permissions.
    bool save(const QString& path) const;

    // The first entry of that name in any section of that name.
    std::optional<QString> value(const QString& section, const QString& entry) const;
    // Every entry of the sections of that name, the first of each name, by folded name.
    QHash<QString, QString> entries(const QString& section) const;
    // Changes the first such entry, or appends it to the first such section, or appends
    // the section.
    void setValue(const QString& section, const QString& entry, const QString& value);
    // A list in one pass: the count under `name`, then name_1 .. name_n; entries name_k
    // beyond the list are removed.
    void setList(const QString& section, const QString& name, const QStringList& values);

    static QString fold(const QString& name) { return name.trimmed().toCaseFolded(); }

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
    Section& sectionForNew(const QString& name);
    static std::vector<Line>::iterator placeForNew(std::vector<Line>& lines);

    QStringList preamble_; // lines before the first section
    std::vector<Section> sections_;
};
