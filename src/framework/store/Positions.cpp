#include "framework/store/Positions.h"

#include <QDataStream>
#include <QIODevice>

namespace store {

namespace {
constexpr quint8 KeyFormat = 1;    // sorted by the key's own components
constexpr quint8 ColumnFormat = 2; // sorted by components of its own
constexpr quint8 NumberTag = 0;
constexpr quint8 TextTag = 1;
constexpr quint8 MaxParts = 16;
} // namespace

bool Ordering::operator==(const Ordering& o) const {
    if (key != o.key || by.size() != o.by.size()) return false;
    for (size_t i = 0; i < by.size(); ++i)
        if (by[i].field != o.by[i].field || by[i].descending != o.by[i].descending) return false;
    return true;
}

const std::vector<KeyPart>& orderParts(const FileDef& def, const Ordering& order) {
    static const std::vector<KeyPart> none;
    if (!order.by.empty()) return order.by;
    return order.key == 0 ? none : def.keys[order.key - 1].parts;
}

bool validOrder(const FileDef& def, const Ordering& order) {
    if (order.key < 0 || order.key > int(def.keys.size()) || order.by.size() > MaxParts)
        return false;
    for (const KeyPart& p : order.by)
        if (p.field < 0 || p.field >= int(def.fields.size()) ||
            def.fields[p.field].type == FieldType::Memo)
            return false;
    return true;
}

QByteArray encodePosition(const FileDef& def, const KeyPoint& point) {
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << (point.by.empty() ? KeyFormat : ColumnFormat) << def.prefix.toUtf8() << qint32(point.key)
      << point.record;
    if (!point.by.empty()) {
        s << quint8(point.by.size());
        for (const KeyPart& p : point.by)
            s << qint32(p.field) << quint8(p.descending);
    }
    s << quint8(point.values.size());
    for (const FieldValue& v : point.values) {
        if (const auto* n = std::get_if<qint64>(&v))
            s << NumberTag << *n;
        else
            s << TextTag << std::get<QString>(v).toUtf8();
    }
    return out;
}

bool decodePosition(const FileDef& def, const QByteArray& position, KeyPoint& point) {
    QDataStream s(position);
    s.setVersion(QDataStream::Qt_6_0);
    quint8 format = 0, count = 0;
    QByteArray prefix;
    qint32 key = -1;
    qint64 record = 0;
    s >> format >> prefix >> key >> record;
    if (s.status() != QDataStream::Ok || (format != KeyFormat && format != ColumnFormat) ||
        prefix != def.prefix.toUtf8())
        return false;
    KeyPoint out{key, {}, record, {}};
    if (format == ColumnFormat) {
        quint8 parts = 0;
        s >> parts;
        if (parts == 0 || parts > MaxParts) return false;
        for (int i = 0; i < parts; ++i) {
            qint32 field = -1;
            quint8 descending = 0;
            s >> field >> descending;
            out.by.push_back({int(field), descending != 0});
        }
    }
    s >> count;
    const Ordering order = out.ordering();
    if (s.status() != QDataStream::Ok || !validOrder(def, order)) return false;
    const std::vector<KeyPart>& parts = orderParts(def, order);
    if (count != parts.size()) return false;
    for (const KeyPart& part : parts) {
        const bool text = def.fields[part.field].isText();
        quint8 tag = 0;
        s >> tag;
        if (tag != (text ? TextTag : NumberTag)) return false;
        if (text) {
            QByteArray utf8;
            s >> utf8;
            out.values.emplace_back(QString::fromUtf8(utf8));
        } else {
            qint64 n = 0;
            s >> n;
            out.values.emplace_back(n);
        }
    }
    if (s.status() != QDataStream::Ok || !s.atEnd()) return false;
    point = std::move(out);
    return true;
}

std::vector<FieldValue> keyValues(const FileDef& def, int key,
                                  const std::vector<FieldValue>& fields) {
    return orderValues(def, key, fields);
}

std::vector<FieldValue> keyValues(const FileDef& def, int key, const RecordBuffer& buffer) {
    std::vector<FieldValue> out;
    if (key == 0) return out;
    for (const KeyPart& p : def.keys[key - 1].parts)
        out.push_back(buffer.value(p.field));
    return out;
}

std::vector<FieldValue> orderValues(const FileDef& def, const Ordering& order,
                                    const std::vector<FieldValue>& fields) {
    std::vector<FieldValue> out;
    for (const KeyPart& p : orderParts(def, order))
        out.push_back(fields[p.field]);
    return out;
}

QByteArray positionOf(const RecordBuffer& buffer, int key) {
    return positionOf(buffer, Ordering(key));
}

QByteArray positionOf(const RecordBuffer& buffer, const Ordering& order) {
    const FileDef& def = buffer.def();
    if (buffer.identity().record == 0 || !validOrder(def, order)) return {};
    std::vector<FieldValue> values;
    for (const KeyPart& p : orderParts(def, order))
        values.push_back(buffer.value(p.field));
    return encodePosition(def, {order.key, std::move(values), buffer.identity().record, order.by});
}

} // namespace store
