#include "core/Process.h"

#include "core/Globals.h"

#include <cassert>

namespace {
Process* current = nullptr;
}

Process::Process(const QString& dataDirectory) : directory_(dataDirectory) {
    GLO.clear();
    clearRecordBuffers();
    errors_.Init();
    settings_.Init(SettingsFile, directory_);
    store_ = store::RecordStore::openSqlCipher(directory_);
    files_ = std::make_unique<DataFiles>(*store_, errors_);
    current = this;
}

Process::~Process() {
    settings_.Kill();
    files_.reset();
    store_.reset();
    errors_.Kill();
    GLO.freeQueues();
    if (current == this) current = nullptr;
}

Process& Process::instance() {
    assert(current && "no process");
    return *current;
}

bool Process::running() {
    return current != nullptr;
}
