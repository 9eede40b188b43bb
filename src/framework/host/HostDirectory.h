#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Directories of the host read entry by entry, with names kept exactly as the host holds
// them: a name that is not valid UTF-8 is shown through HostText and still leads back to
// its own bytes, so a file with such a name can be listed, walked into and opened.
namespace HostDirectory {

struct Entry {
    QString name;          // as shown and stored
    QByteArray nativeName; // the bytes the host knows it by
    qint64 size = 0;       // bytes; 0 for a directory
    qint32 date = 0;       // standard day number of the last change
    qint32 time = 0;       // standard time value of the last change
    int attributes = 0;    // 16 directory, 2 hidden (a name starting with "."), else 32
    quint64 device = 0;    // with the inode: the same directory reached twice
    quint64 inode = 0;
};

struct Reading {
    std::vector<Entry> entries; // in the host's order
    int vanished = 0;           // named by the directory but gone before they were looked at
    bool ok = true;
    QString error; // why the directory could not be read
};

// Every entry of a directory but "." and "..". Symbolic links are followed; a link that
// leads nowhere counts as vanished.
Reading read(const QByteArray& nativeDirectory);

// A wildcard pattern ("*.*", "*.TXT", "SETUP.?X?") matched without regard to case. "*.*"
// matches every name, also one without a dot.
bool matches(const QString& name, const QString& pattern);

// The bytes of a host path. A component that does not exist as written (in UTF-8) is
// looked for among its directory's entries by the name they show, first exactly, then
// without regard to case; one that matches nothing stays as written.
QByteArray nativePath(const QString& hostPath);

// The host's text for an error number.
QString errorText(int errorNumber);

} // namespace HostDirectory
