#pragma once

#include "framework/host/HostDirectory.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// A directory of a medium and every directory below it, read one after the other through
// the host's drive folders: each directory once, also when links lead to it again (no link
// loops); a directory that cannot be read is noted and the walk goes on; entries that
// vanish while it runs are counted and left out.
class TreeWalk {
public:
    struct Directory {
        QString path;                            // from the drive root: "" or "TOOLS\SUB\"
        std::vector<HostDirectory::Entry> files; // the files the patterns take, by name
        qint64 subdirectories = 0;
    };
    struct Problem {
        QString path;
        QString error;
    };
    struct Summary {
        qint64 directories = 0; // read
        qint64 entries = 0;     // directory entries met, of every kind
        qint64 files = 0;       // handed to the visitor
        qint64 vanished = 0;
        std::vector<Problem> unreadable;
        bool cancelled = false;
    };
    using Reader = std::function<HostDirectory::Reading(const QByteArray& nativeDirectory)>;

    // `drive` "D:\", `path` the directory to start at ("" or "TOOLS\"); files are those
    // that match any of `patterns` and are not hidden.
    TreeWalk(const QString& drive, const QString& path, const QStringList& patterns);

    // How directories are read; HostDirectory::read unless replaced.
    void SetReader(Reader reader) { reader_ = std::move(reader); }

    // Hands each directory to `visit`, a directory before those below it and names in
    // order; `visit` answering false ends the walk.
    Summary Run(const std::function<bool(const Directory&)>& visit);

private:
    QString drive_;
    QString path_;
    QStringList patterns_;
    Reader reader_;
};
