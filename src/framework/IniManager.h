#pragma once

#include "framework/IniDocument.h"
#include "framework/SettingKey.h"

#include <QString>
#include <QStringList>
#include <mutex>
#include <vector>

// What storing and restoring a window's place asks of a window. The Qt windows implement
// it; tests use a plain object.
class SettingsWindow {
public:
    virtual ~SettingsWindow() = default;
    virtual bool isMinimized() const = 0;
    virtual bool isMaximized() const = 0;
    virtual bool isResizable() const = 0;
    virtual int x() const = 0;
    virtual int y() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void move(int x, int y) = 0;
    virtual void resize(int width, int height) = 0;
    virtual void maximize() = 0;
    virtual void restore() = 0; // back to normal size from maximized
};

// The settings file: sections in square brackets, one "name=value" line per entry.
// Every operation reads or writes the file at once; each write replaces the file
// atomically, so a crash never leaves half a settings file. A file that is there but cannot
// be read is said once and then left alone for the rest of the session; a file without write
// permission is never rewritten.
class IniManager {
public:
    static constexpr const char* Unknown = "---Unknown---";

    // `fileName` is a bare name ("software.INI"); it is kept in `directory`.
    void Init(const QString& fileName, const QString& directory);
    void Kill();

    QString Fetch(const QString& section, const QString& entry) const;
    QString TryFetch(const QString& section, const QString& entry) const;
    QString FetchField(const QString& section, const QString& entry, int n) const;
    void Update(const QString& section, const QString& entry, const QString& value);
    void Update(const QString& section, const QString& entry, qint64 value) {
        Update(section, entry, QString::number(value));
    }

    // Declared entries (SettingKey.h). A missing or blank value gives the key's default;
    // for a number also a value that is not a number or is 0. A section given at the call
    // is used instead of the key's own (keys of a user's section have none).
    QString Fetch(const SettingKey& key) const;
    QString Fetch(const QString& section, const SettingKey& key) const;
    int FetchNumber(const SettingKey& key) const;
    int FetchNumber(const QString& section, const SettingKey& key) const;
    void Update(const SettingKey& key, const QString& value);
    void Update(const SettingKey& key, qint64 value);
    void Update(const QString& section, const SettingKey& key, const QString& value);
    void Update(const QString& section, const SettingKey& key, qint64 value);

    // Lists: a count under `name`, then entries name_1 .. name_n with up to three parts
    // separated by ",".
    std::vector<QStringList> FetchQueue(const QString& section, const QString& name,
                                        int fields) const;
    void UpdateQueue(const QString& section, const QString& name,
                     const std::vector<QStringList>& rows, int fields);

    struct Sector {
        QString Family, Item, Type;
        bool operator==(const Sector&) const = default;
    };
    // "family$item$$type"
    void AddSector(const QString& group);
    std::vector<Sector> GetSectors(const QString& family, const QString& item,
                                   const QString& type) const;

    void FetchWindow(const QString& section, SettingsWindow& window) const;
    void UpdateWindow(const QString& section, const SettingsWindow& window);

    QString filePath() const { return path_; }

private:
    // The lock is held by the caller.
    IniDocument read(IniDocument::Loaded* how = nullptr) const;
    void write(const IniDocument& doc, IniDocument::Loaded how);

    QString path_;
    mutable bool unreadable_ = false; // said once; nothing is written this session
    std::vector<Sector> Sectors;
    mutable std::recursive_mutex lock_;
};
