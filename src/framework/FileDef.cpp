#include "framework/FileDef.h"

namespace {
qint64 tenPower(int n) {
    qint64 v = 1;
    while (n-- > 0)
        v *= 10;
    return v;
}
} // namespace

qint64 FieldDef::highest() const {
    switch (type) {
    case FieldType::U8:
        return 0xFF;
    case FieldType::U16:
        return 0xFFFF;
    case FieldType::U32:
        return 0xFFFFFFFFLL;
    case FieldType::I32:
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::Day:
    case FieldType::Clock:
        return 0x7FFFFFFF;
    case FieldType::Decimal:
        return tenPower(2 * size - 1) - 1;
    default:
        return 0;
    }
}

qint64 FieldDef::lowest() const {
    switch (type) {
    case FieldType::I32:
    case FieldType::Date:
    case FieldType::Time:
    case FieldType::Day:
    case FieldType::Clock:
        return -0x7FFFFFFFLL - 1;
    case FieldType::Decimal:
        return -highest();
    default:
        return 0;
    }
}

int FileDef::fieldIndex(const QString& wanted) const {
    const bool qualified = wanted.contains(QLatin1Char(':'));
    for (int i = 0; i < int(fields.size()); ++i) {
        const QString& candidate = qualified ? fields[i].label : fields[i].name();
        if (candidate.compare(wanted, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

int FileDef::keyNumber(const QString& wanted) const {
    for (int i = 0; i < int(keys.size()); ++i)
        if (keys[i].label.compare(wanted, Qt::CaseInsensitive) == 0) return i + 1;
    return 0;
}

bool FileDef::hasMemo() const {
    for (const FieldDef& f : fields)
        if (f.type == FieldType::Memo) return true;
    return false;
}
