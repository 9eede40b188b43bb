#pragma once

#include <QString>
#include <mutex>
#include <vector>

class FileManager;

// Which procedure of which thread uses which file. When a called procedure uses a file
// that its caller already uses, the file's state is saved for it and put back when it
// closes the file, so the caller's record buffer and position stay as they were.
class ProcedureScope {
public:
    struct Entry {
        int Thread = 0;
        QString Procedure;
        FileManager* File = nullptr;
        int UStat = 0;
        int Hold = 0; // id of a saved file state
        int ScopeLevel = 0;
        int NestedOpen = 0;
    };

    static ProcedureScope& instance();

    // A use of the file by the current procedure at a use level; `opening` counts a
    // nested Open by the same procedure.
    void Use(FileManager& file, int level, bool opening);
    // Before a close by the current procedure: a nested open is counted down, otherwise
    // the saved state is put back and the entry removed.
    void Close(FileManager& file);
    // Drops every entry of a file (at its Kill).
    void Forget(const FileManager& file);
    int Entries(const FileManager& file) const;

private:
    Entry* find(int thread, const QString& procedure, const FileManager& file);
    std::vector<Entry> entries_;
    mutable std::recursive_mutex lock_;
};
