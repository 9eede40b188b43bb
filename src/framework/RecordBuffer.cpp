#include "framework/RecordBuffer.h"

#include <algorithm>

FieldValue RecordBuffer::value(int field) const {
    return std::visit(
        [](auto* p) -> FieldValue {
            if constexpr (std::is_same_v<decltype(p), Text*>)
                return p->str();
            else
                return qint64(*p);
        },
        slots_.at(field));
}

void RecordBuffer::setValue(int field, const FieldValue& v) {
    const FieldDef& f = def_.fields.at(field);
    std::visit(
        [&](auto* p) {
            if constexpr (std::is_same_v<decltype(p), Text*>) {
                *p = std::holds_alternative<QString>(v) ? std::get<QString>(v)
                                                        : QString::number(std::get<qint64>(v));
            } else {
                qint64 n = std::holds_alternative<qint64>(v)
                               ? std::get<qint64>(v)
                               : std::get<QString>(v).trimmed().toLongLong();
                *p = std::remove_reference_t<decltype(*p)>(std::clamp(n, f.lowest(), f.highest()));
            }
        },
        slots_.at(field));
}

qint64 RecordBuffer::number(int field) const {
    const FieldValue v = value(field);
    return std::holds_alternative<qint64>(v) ? std::get<qint64>(v) : 0;
}

QString RecordBuffer::text(int field) const {
    const FieldValue v = value(field);
    return std::holds_alternative<QString>(v) ? std::get<QString>(v)
                                              : QString::number(std::get<qint64>(v));
}

bool RecordBuffer::isBlank(int field) const {
    const FieldValue v = value(field);
    return std::holds_alternative<QString>(v) ? std::get<QString>(v).isEmpty()
                                              : std::get<qint64>(v) == 0;
}

void RecordBuffer::clearField(int field) {
    std::visit(
        [](auto* p) {
            if constexpr (std::is_same_v<decltype(p), Text*>)
                p->clear();
            else
                *p = 0;
        },
        slots_.at(field));
}

void RecordBuffer::clear() {
    for (int i = 0; i < fieldCount(); ++i)
        clearField(i);
    identity_ = {};
}

std::vector<FieldValue> RecordBuffer::values() const {
    std::vector<FieldValue> out;
    out.reserve(slots_.size());
    for (int i = 0; i < fieldCount(); ++i)
        out.push_back(value(i));
    return out;
}

void RecordBuffer::setValues(const std::vector<FieldValue>& values) {
    const int n = std::min(fieldCount(), int(values.size()));
    for (int i = 0; i < n; ++i)
        setValue(i, values[i]);
}

bool RecordBuffer::sameKeyValue(const FieldValue& a, const FieldValue& b) {
    if (std::holds_alternative<QString>(a) && std::holds_alternative<QString>(b))
        return std::get<QString>(a).compare(std::get<QString>(b), Qt::CaseInsensitive) == 0;
    return a == b;
}

OwnedRecord::OwnedRecord(const FileDef& def) : RecordBuffer(def) {
    // Reserved first: the bound slots point into the vectors.
    int texts = 0;
    for (const FieldDef& f : def.fields)
        texts += f.isText() ? 1 : 0;
    numbers_.reserve(def.fields.size() - texts);
    texts_.reserve(texts);
    for (const FieldDef& f : def.fields) {
        if (f.isText()) {
            texts_.emplace_back(f.capacity());
            bind(texts_.back());
        } else {
            numbers_.push_back(0);
            bind(numbers_.back());
        }
    }
}
