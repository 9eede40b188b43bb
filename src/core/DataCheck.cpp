#include "core/DataCheck.h"

#include "core/Dictionary.h"

#include <QDir>

namespace DataCheck {

std::vector<FileResult> run(const QString& directory) {
    std::vector<FileResult> results;
    for (const FileDef* def : Dictionary::files())
        results.push_back(
            {def->diskName, store::checkIntegrity(*def, QDir(directory).filePath(def->diskName))});
    return results;
}

QString line(const FileResult& result) {
    const store::Integrity& i = result.integrity;
    switch (i.state) {
    case store::Integrity::Sound:
        return QStringLiteral("%1\tsound\t%2 %3")
            .arg(result.diskName)
            .arg(i.records)
            .arg(i.records == 1 ? QStringLiteral("record") : QStringLiteral("records"));
    case store::Integrity::Missing:
        return QStringLiteral("%1\tmissing\tmade empty at the next start").arg(result.diskName);
    default:
        return QStringLiteral("%1\tnot sound\t%2").arg(result.diskName, i.problem);
    }
}

bool allSound(const std::vector<FileResult>& results) {
    for (const FileResult& r : results)
        if (r.integrity.state != store::Integrity::Sound) return false;
    return !results.empty();
}

} // namespace DataCheck
