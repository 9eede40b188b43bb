#pragma once

#include "core/DataFiles.h"
#include "framework/ErrorManager.h"
#include "framework/IniManager.h"
#include "framework/store/RecordStore.h"

#include <memory>

// The process-wide objects, created at start in a fixed order before the main frame runs
// and released after it returns: globals cleared, the error manager with its table, the
// settings store on "software.INI", and one file manager and relation guard per data file.
// The data files and the settings live in `dataDirectory`; nothing is opened yet.
class Process {
public:
    explicit Process(const QString& dataDirectory);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    ErrorManager& errors() { return errors_; }
    IniManager& settings() { return settings_; }
    store::RecordStore& store() { return *store_; }
    DataFiles& files() { return *files_; }
    QString directory() const { return directory_; }

    static Process& instance();
    static bool running();

    static constexpr const char* SettingsFile = "software.INI";

private:
    QString directory_;
    ErrorManager errors_;
    IniManager settings_;
    std::unique_ptr<store::RecordStore> store_;
    std::unique_ptr<DataFiles> files_;
};

// Shorthands for the procedures.
inline ErrorManager& GlobalErrors() {
    return Process::instance().errors();
}
inline IniManager& INIMgr() {
    return Process::instance().settings();
}
