#include "framework/ProcedureScope.h"

#include "framework/FileManager.h"
#include "framework/Threads.h"

#include <algorithm>

namespace {
// A procedure using a file at this level takes over its state: nothing is saved for it.
constexpr int TakesOver = 3;
} // namespace

ProcedureScope& ProcedureScope::instance() {
    static ProcedureScope scope;
    return scope;
}

ProcedureScope::Entry* ProcedureScope::find(int thread, const QString& procedure,
                                            const FileManager& file) {
    for (Entry& e : entries_)
        if (e.Thread == thread && e.File == &file &&
            e.Procedure.compare(procedure, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

void ProcedureScope::Use(FileManager& file, int level, bool opening) {
    std::lock_guard guard(lock_);
    const int thread = Threads::current();
    const QString procedure = file.Errors ? file.Errors->GetProcedureName() : QString();
    if (Entry* e = find(thread, procedure, file)) {
        e->UStat = std::max(e->UStat, level);
        if (opening) ++e->NestedOpen;
        return;
    }
    const bool usedBefore = std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.Thread == thread && e.File == &file;
    });
    Entry e;
    e.Thread = thread;
    e.Procedure = procedure;
    e.File = &file;
    e.UStat = level;
    e.ScopeLevel = int(std::count_if(entries_.begin(), entries_.end(), [&](const Entry& o) {
        return o.Thread == thread && o.File == &file;
    }));
    if (usedBefore && level != TakesOver && file.IsOpen()) e.Hold = file.SaveFile();
    entries_.push_back(e);
}

void ProcedureScope::Close(FileManager& file) {
    std::unique_lock guard(lock_);
    const int thread = Threads::current();
    const QString procedure = file.Errors ? file.Errors->GetProcedureName() : QString();
    Entry* e = find(thread, procedure, file);
    if (!e) return;
    if (e->NestedOpen > 0) {
        --e->NestedOpen;
        return;
    }
    const Entry done = *e;
    entries_.erase(entries_.begin() + (e - entries_.data()));
    guard.unlock();
    if (done.Hold) file.RestoreFile(done.Hold, done.UStat < TakesOver);
}

void ProcedureScope::Forget(const FileManager& file) {
    std::lock_guard guard(lock_);
    std::erase_if(entries_, [&](const Entry& e) { return e.File == &file; });
}

int ProcedureScope::Entries(const FileManager& file) const {
    std::lock_guard guard(lock_);
    return int(std::count_if(entries_.begin(), entries_.end(),
                             [&](const Entry& e) { return e.File == &file; }));
}
