#include "framework/browse/StepManager.h"

#include <algorithm>

namespace {

constexpr int Steps = 100;
constexpr int RootLength = 40;

QString textOf(const FieldValue& v) {
    return std::holds_alternative<QString>(v) ? std::get<QString>(v)
                                              : QString::number(std::get<qint64>(v));
}

qint64 numberOf(const FieldValue& v) {
    return std::holds_alternative<qint64>(v) ? std::get<qint64>(v)
                                             : std::get<QString>(v).trimmed().toLongLong();
}

} // namespace

void StepStringManager::Init(int controls, int lookupMode) {
    Controls = controls;
    LookupMode = lookupMode;
    static const QString punctuation = QStringLiteral("`!\"£$%^&*()'-=_+][#;~@:/.,?\\| ");
    SortChars.clear();
    for (int code = 1; code <= 255; ++code) {
        const QChar c(code);
        const bool letter = c.isLetter() && c.isUpper();
        const bool digit = code >= '0' && code <= '9';
        if ((letter && (Controls & AllowAlpha)) || (digit && (Controls & AllowNumeric)) ||
            ((Controls & AllowAlt) && punctuation.contains(c)))
            SortChars += c;
    }
    Root.clear();
    Table.assign(Steps, QString());
}

qint64 StepStringManager::worth(const QString& four) const {
    const qint64 n = SortChars.size();
    qint64 total = 0;
    for (int i = 0; i < TestLen; ++i) {
        const qsizetype at = i < four.size() ? SortChars.indexOf(four[i]) : 0;
        total = total * n + std::max<qsizetype>(at, 0);
    }
    return total;
}

QString StepStringManager::text(qint64 worth) const {
    const qint64 n = SortChars.size();
    QString out(TestLen, QChar());
    for (int i = TestLen - 1; i >= 0; --i) {
        out[i] = SortChars[int(worth % n)];
        worth /= n;
    }
    return out;
}

// The worth of the four characters after the root, padded with `pad`.
qint64 StepStringManager::worthAfterRoot(const QString& value, QChar pad) const {
    QString rest = value.toUpper().mid(Root.size(), TestLen);
    while (rest.size() < TestLen)
        rest += pad;
    return worth(rest);
}

void StepStringManager::SetLimits(const FieldValue& first, const FieldValue& last) {
    if (SortChars.isEmpty()) return;
    QString low = textOf(first).toUpper(), high = textOf(last).toUpper();
    if (Controls & Descending) std::swap(low, high);
    int common = 0;
    while (common < RootLength && common < low.size() && common < high.size() &&
           low[common] == high[common])
        ++common;
    Root = low.left(common);
    const qint64 lowWorth = worthAfterRoot(low, SortChars.front());
    const qint64 highWorth = std::max(lowWorth, worthAfterRoot(high, SortChars.back()));
    const double step = double(highWorth - lowWorth) / Steps;
    Table.resize(Steps);
    for (int k = 0; k < Steps; ++k) {
        const qint64 w = qint64(step * k);
        Table[k] = text((Controls & Descending) ? highWorth - w : lowWorth + w);
    }
}

int StepStringManager::GetPercentile(const FieldValue& value) const {
    if (SortChars.isEmpty() || Table.empty()) return 0;
    const QString v = textOf(value).toUpper();
    qint64 w;
    if (!v.startsWith(Root)) // outside the common beginning: before or after every step
        w = v < Root ? -1 : worth(QString(TestLen, SortChars.back())) + 1;
    else
        w = worthAfterRoot(v, SortChars.front());
    const bool descending = Controls & Descending;
    int k = 0;
    for (int i = 0; i < Steps; ++i) {
        const qint64 step = worth(Table[i]);
        if (descending ? step >= w : step <= w) k = i;
    }
    if (descending ? w > worth(Table[0]) : w < worth(Table[0])) k = 0;
    return k;
}

FieldValue StepStringManager::GetValue(int percentile) const {
    if (Table.empty()) return Root;
    return Root + Table[std::clamp(percentile, 0, Steps - 1)];
}

void StepLongManager::SetLimits(const FieldValue& first, const FieldValue& last) {
    Low = numberOf(first);
    High = numberOf(last);
    if (Low > High) std::swap(Low, High);
}

int StepLongManager::GetPercentile(const FieldValue& value) const {
    if (High <= Low) return 0;
    const qint64 v = std::clamp(numberOf(value), Low, High);
    const int p = int((v - Low) * Steps / (High - Low + 1));
    return (Controls & Descending) ? Steps - 1 - p : p;
}

FieldValue StepLongManager::GetValue(int percentile) const {
    const qint64 p = std::clamp(percentile, 0, Steps - 1);
    const qint64 offset = (High - Low) * p / (Steps - 1);
    return (Controls & Descending) ? High - offset : Low + offset;
}
