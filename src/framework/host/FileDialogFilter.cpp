#include "framework/host/FileDialogFilter.h"

namespace {

QString patternsOf(const QString& text) {
    QStringList patterns;
    for (QString p : text.split(u';', Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p == u"*.*") p = QStringLiteral("*");
        if (!p.isEmpty()) patterns << p;
    }
    return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(u' ');
}

} // namespace

QStringList qtNameFilters(const QString& filters) {
    QStringList result;
    const QStringList parts = filters.split(u'|');
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString name = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1] : name;
        if (name.isEmpty() && pattern.trimmed().isEmpty()) continue;
        result << QStringLiteral("%1 (%2)").arg(name, patternsOf(pattern));
    }
    return result;
}
