#include "search/ColumnFormat.h"

#include <QRegularExpression>

namespace search {

const char* const ResultsFormat =
    "29R(1)|M~Nr~L@N_6@30R(1)|M~CD Nr.~L@N_6B@22R(1)|M~Disk Nr.~L@N_6B@66L(1)|M~Name~@s35@"
    "100L(1)|M~File Name~@s255@?48R(1)|M~Date~L@D6B@35R(1)|M~Time~L@T4B@75L(1)|M~Producer~"
    "@s30@160L(1)|M~Remarks~@s40@";

namespace {

const QRegularExpression& column() {
    static const QRegularExpression re(
        QStringLiteral(R"((\d+)([LRCD])(?:\(\d+\))?[^~@]*~([^~]*)~[LRCD]?(?:\(\d+\))?@([^@]*)@)"));
    return re;
}

} // namespace

std::vector<ColumnSpec> parseColumns(const QString& format) {
    std::vector<ColumnSpec> out;
    auto it = column().globalMatch(format);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out.push_back({m.captured(1).toInt(), m.captured(2) == QLatin1String("R"), m.captured(3),
                       m.captured(4)});
    }
    return out;
}

QString withWidths(const QString& format, const std::vector<int>& widths) {
    QString out;
    qsizetype done = 0;
    size_t i = 0;
    auto it = column().globalMatch(format);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += format.mid(done, m.capturedStart(1) - done);
        out += i < widths.size() ? QString::number(std::max(1, widths[i])) : m.captured(1);
        done = m.capturedEnd(1);
        ++i;
    }
    return out + format.mid(done);
}

} // namespace search
