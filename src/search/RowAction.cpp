#include "search/RowAction.h"

#include <QStringList>

namespace search {

QString extensionOf(const QString& file) {
    const qsizetype dot = file.indexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : file.mid(dot + 1, 3).toUpper();
}

RowAction rowAction(const QString& medium, const QString& file, bool viewerOn) {
    RowAction a;
    const QString root = medium.toUpper();
    const bool driveRoot = root.size() == 3 && root[0] >= QLatin1Char('A') &&
                           root[0] <= QLatin1Char('K') && root.mid(1) == QStringLiteral(":\\");
    a.command = driveRoot ? medium + file : file;
    a.fullPath = driveRoot ? 1 : 0;
    const QString ext = extensionOf(file);
    auto in = [&](const QStringList& list) { return list.contains(ext); };
    if (in({"EXE", "COM"})) {
        a.button = QStringLiteral("&Start");
        a.mode = 4;
    } else if (ext == QStringLiteral("BAT")) {
        a.button = QStringLiteral("&Run");
        a.mode = 4;
    } else if (ext == QStringLiteral("ICO")) {
        a.button = QStringLiteral("&View");
        a.mode = 2;
    } else if (in({"GIF", "JPG", "PCX", "BMP", "WMF", "MPG", "AVI"})) {
        a.button = QStringLiteral("&View");
        a.mode = 4;
    } else if (in({"TXT", "INI", "LOG", "BAK"})) {
        a.button = QStringLiteral("&Read");
        a.mode = viewerOn ? 4 : 3;
    } else if (in({"DOC", "HTM", "ZIP", "HLP", "WRI"})) {
        a.button = QStringLiteral("&Read");
        a.mode = 4;
    }
    return a;
}

} // namespace search
