#pragma once

#include <QString>
#include <mutex>
#include <vector>

class FileManager;

// The program's file managers by file label.
class FileRegistry {
public:
    static FileRegistry& instance();
    void Add(const QString& label, FileManager& file);
    void Remove(const FileManager& file);
    FileManager* Find(const QString& label) const;

private:
    std::vector<std::pair<QString, FileManager*>> files_;
    mutable std::mutex lock_;
};
