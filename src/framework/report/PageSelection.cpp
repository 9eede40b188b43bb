#include "framework/report/PageSelection.h"

#include <QStringList>
#include <set>

namespace {

// A page number, or nothing for an empty text; false for a text that is no number.
bool pageNumber(const QString& text, int& page, bool& given) {
    const QString t = text.trimmed();
    given = !t.isEmpty();
    if (!given) return true;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    bool ok = false;
    page = t.toInt(&ok);
    if (!ok) page = INT_MAX; // more digits than any report has pages
    return true;
}

} // namespace

PageSelection PageSelection::All(int pages) {
    PageSelection all;
    if (pages > 0) all.ranges_.push_back({1, pages});
    return all;
}

QString PageSelection::DefaultText(int pages) {
    return QStringLiteral("1-") + QString::number(pages);
}

bool PageSelection::Parse(const QString& text, int pages, PageSelection& selection,
                          QString& error) {
    selection.ranges_.clear();
    const QString last = QString::number(pages);
    for (const QString& part : text.split(QLatin1Char(','))) {
        if (part.trimmed().isEmpty()) continue;
        const qsizetype dash = part.indexOf(QLatin1Char('-'));
        const QString from = dash < 0 ? part : part.left(dash);
        const QString to = dash < 0 ? part : part.mid(dash + 1);
        Range r;
        bool fromGiven = false, toGiven = false;
        if (!pageNumber(from, r.first, fromGiven) || !pageNumber(to, r.last, toGiven) ||
            (dash >= 0 && to.contains(QLatin1Char('-')))) {
            error = QStringLiteral("\"%1\" is not a page or a range of pages. Write pages and "
                                   "ranges like 1-3,5,8- (pages 1 to %2).")
                        .arg(part.trimmed(), last);
            return false;
        }
        if (!fromGiven && !toGiven) {
            error = QStringLiteral("\"%1\" names no page. Write pages and ranges like 1-3,5,8- "
                                   "(pages 1 to %2).")
                        .arg(part.trimmed(), last);
            return false;
        }
        if (!fromGiven) r.first = 1;
        if (!toGiven) r.last = pages;
        for (const int p : {r.first, r.last})
            if (p < 1 || p > pages) {
                error =
                    QStringLiteral("There is no page %1: the report has pages 1 to %2.")
                        .arg(p == INT_MAX ? (fromGiven ? from : to).trimmed() : QString::number(p),
                             last);
                return false;
            }
        if (r.first > r.last) {
            error = QStringLiteral("The range %1 runs backwards: write the first page first.")
                        .arg(part.trimmed());
            return false;
        }
        selection.ranges_.push_back(r);
    }
    if (selection.ranges_.empty()) {
        error = QStringLiteral("No pages are chosen. Write pages and ranges like 1-3,5,8- "
                               "(pages 1 to %1).")
                    .arg(last);
        return false;
    }
    error.clear();
    return true;
}

std::vector<int> PageSelection::Pages() const {
    std::vector<int> out;
    std::set<int> seen;
    for (const Range& r : ranges_)
        for (int p = r.first; p <= r.last; ++p)
            if (seen.insert(p).second) out.push_back(p);
    return out;
}

bool PageSelection::Contains(int page) const {
    for (const Range& r : ranges_)
        if (page >= r.first && page <= r.last) return true;
    return false;
}
