#include "framework/FileRegistry.h"

FileRegistry& FileRegistry::instance() {
    static FileRegistry registry;
    return registry;
}

void FileRegistry::Add(const QString& label, FileManager& file) {
    std::lock_guard guard(lock_);
    files_.emplace_back(label, &file);
}

void FileRegistry::Remove(const FileManager& file) {
    std::lock_guard guard(lock_);
    std::erase_if(files_, [&](const auto& entry) { return entry.second == &file; });
}

FileManager* FileRegistry::Find(const QString& label) const {
    std::lock_guard guard(lock_);
    for (const auto& [name, file] : files_)
        if (name.compare(label, Qt::CaseInsensitive) == 0) return file;
    return nullptr;
}
