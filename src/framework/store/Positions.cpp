#include "framework/store/Positions.h"

#include <QDataStream>
#include <QIODevice>

namespace store {

namespace {
constexpr quint8 Format = 1;
constexpr quint8 NumberTag = 0;
constexpr quint8 TextTag = 1;
} // namespace

QByteArray encodePosition(const FileDef& def, const KeyPoint& point) {
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << Format << def.prefix.toUtf8() << qint32(point.key) << point.record
      << quint8(point.values.size());
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
    s >> format >> prefix >> key >> record >> count;
    if (s.status() != QDataStream::Ok || format != Format || prefix != def.prefix.toUtf8() ||
        key < 0 || key > int(def.keys.size()))
        return false;
    const int parts = key == 0 ? 0 : int(def.keys[key - 1].parts.size());
    if (count != parts) return false;
    KeyPoint out{key, {}, record};
    for (int i = 0; i < parts; ++i) {
        const bool text = def.fields[def.keys[key - 1].parts[i].field].isText();
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
    std::vector<FieldValue> out;
    if (key == 0) return out;
    for (const KeyPart& p : def.keys[key - 1].parts)
        out.push_back(fields[p.field]);
    return out;
}

std::vector<FieldValue> keyValues(const FileDef& def, int key, const RecordBuffer& buffer) {
    std::vector<FieldValue> out;
    if (key == 0) return out;
    for (const KeyPart& p : def.keys[key - 1].parts)
        out.push_back(buffer.value(p.field));
    return out;
}

QByteArray positionOf(const RecordBuffer& buffer, int key) {
    const FileDef& def = buffer.def();
    if (buffer.identity().record == 0 || key < 0 || key > int(def.keys.size())) return {};
    return encodePosition(def, {key, keyValues(def, key, buffer), buffer.identity().record});
}

} // namespace store
