#include "framework/browse/ListFormat.h"

#include <QRegularExpression>

namespace ListFormat {

namespace {

// Width, the values' justification with its indent, modifiers, ~heading~, the heading's
// justification with its indent, @picture@.
const QRegularExpression& column() {
    static const QRegularExpression re(QStringLiteral(
        R"((\d+)([LRCD])(?:\(\d+\))?[^~@]*~([^~]*)~([LRCD])?(?:\(\d+\))?@([^@]*)@)"));
    return re;
}

Justify justifyOf(const QString& letter) {
    if (letter == QLatin1String("R") || letter == QLatin1String("D")) return Justify::Right;
    if (letter == QLatin1String("C")) return Justify::Centre;
    return Justify::Left;
}

} // namespace

std::vector<Column> parse(const QString& format) {
    std::vector<Column> out;
    auto it = column().globalMatch(format);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        Column c;
        c.width = m.captured(1).toInt();
        c.justify = justifyOf(m.captured(2));
        c.heading = m.captured(3);
        c.headingJustify = m.captured(4).isEmpty() ? c.justify : justifyOf(m.captured(4));
        c.picture = m.captured(5);
        out.push_back(std::move(c));
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

} // namespace ListFormat
