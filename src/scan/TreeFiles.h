#pragma once

#include "core/Globals.h"
#include "scan/TreeWalk.h"

#include <QStringList>
#include <atomic>
#include <thread>
#include <vector>

// The files of a directory and of every directory below it as rows of the scan list
// (names from the drive root, sizes in kilobytes, attribute labels), found by a walk on a
// thread of its own so that the windows stay responsive while it reads.
class TreeFiles {
public:
    // `drive` "D:\", `path` "" or "TOOLS\", `patterns` those of the scan.
    TreeFiles(const QString& drive, const QString& path, const QStringList& patterns);
    ~TreeFiles();
    TreeFiles(const TreeFiles&) = delete;
    TreeFiles& operator=(const TreeFiles&) = delete;

    // Starts the walk on its own thread.
    void start();
    // Walks on the caller's thread.
    void run();
    void cancel() { cancelled_ = true; }
    // How directories are read; the host's reading unless replaced.
    void SetReader(TreeWalk::Reader reader) { walk_.SetReader(std::move(reader)); }

    bool finished() const { return finished_.load(); }
    qint64 found() const { return found_.load(); }
    qint64 directories() const { return directories_.load(); }
    // After the walk: the rows found, and what the walk met.
    std::vector<ScanFileEntry> take();
    const TreeWalk::Summary& summary() const { return summary_; }
    // The directories that could not be read, one per line, for the user; empty when none.
    QString unreadableText(const QString& drive) const;

private:
    TreeWalk walk_;
    std::vector<ScanFileEntry> rows_;
    TreeWalk::Summary summary_;
    std::thread worker_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
    std::atomic<qint64> found_{0};
    std::atomic<qint64> directories_{0};
};
