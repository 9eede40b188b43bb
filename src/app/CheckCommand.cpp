#include "app/CheckCommand.h"

#include "core/DataCheck.h"

#include <QDir>
#include <cstdio>

int runCheck() {
    const std::vector<DataCheck::FileResult> results = DataCheck::run(QDir::currentPath());
    for (const DataCheck::FileResult& r : results)
        std::printf("%s\n", qPrintable(DataCheck::line(r)));
    return DataCheck::allSound(results) ? 0 : 1;
}
