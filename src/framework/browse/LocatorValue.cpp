#include "framework/browse/LocatorValue.h"

#include "framework/Pictures.h"

#include <QRegularExpression>

namespace {

std::optional<FieldValue> dayOf(const QString& typed, bool descending) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) return FieldValue(qint64(0));
    static const QRegularExpression year(QStringLiteral("^(\\d{4})$"));
    static const QRegularExpression month(QStringLiteral("^(\\d{1,2})[/.-](\\d{4})$"));
    if (const auto m = year.match(text); m.hasMatch()) {
        const int y = m.captured(1).toInt();
        const qint32 day =
            descending ? Pictures::dayNumber(y, 12, 31) : Pictures::dayNumber(y, 1, 1);
        if (day == 0) return std::nullopt;
        return FieldValue(qint64(day));
    }
    if (const auto m = month.match(text); m.hasMatch()) {
        const int y = m.captured(2).toInt();
        const int mo = m.captured(1).toInt();
        const int last = Pictures::daysInMonth(y, mo);
        const qint32 day = Pictures::dayNumber(y, mo, descending ? last : 1);
        if (day == 0) return std::nullopt;
        return FieldValue(qint64(day));
    }
    // A whole date: at least day, month and a year of two or four digits.
    static const QRegularExpression whole(
        QStringLiteral("^\\d{1,2}[/.-]\\d{1,2}[/.-](\\d{2}|\\d{4})$"));
    if (!whole.match(text).hasMatch()) return std::nullopt;
    QString slashed = text;
    slashed.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('/'));
    const std::optional<qint64> day = Pictures::parse(slashed, QStringLiteral("@D6"));
    if (!day || *day == 0) return std::nullopt;
    return FieldValue(*day);
}

} // namespace

std::optional<FieldValue> LocatorValue::of(const FieldDef& field, const QString& typed,
                                           bool descending) {
    switch (field.type) {
    case FieldType::Text:
    case FieldType::ZText:
    case FieldType::Memo:
        return FieldValue(typed);
    case FieldType::Date:
    case FieldType::Day:
        return dayOf(typed, descending);
    case FieldType::Time:
    case FieldType::Clock: {
        const std::optional<qint64> t = Pictures::parse(typed, QStringLiteral("@T4"));
        return t ? std::optional<FieldValue>(*t) : std::nullopt;
    }
    default: {
        const QString picture = field.places > 0 ? QStringLiteral("@N-_15.%1").arg(field.places)
                                                 : QStringLiteral("@N-_15");
        const std::optional<qint64> n = Pictures::parse(typed, picture, field.places);
        return n ? std::optional<FieldValue>(*n) : std::nullopt;
    }
    }
}
