#pragma once

#include "framework/store/Integrity.h"

#include <QString>
#include <vector>

// "wareloft --check": the seven data files of a directory looked at without changing them.
namespace DataCheck {

struct FileResult {
    QString diskName;
    store::Integrity integrity;
};

std::vector<FileResult> run(const QString& directory);
// One line per file: its name, "sound", "not sound" or "missing", and the records it holds or
// what is wrong, separated by tabs.
QString line(const FileResult& result);
bool allSound(const std::vector<FileResult>& results);

} // namespace DataCheck
