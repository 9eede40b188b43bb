#include "framework/filter/Expression.h"

#include "framework/store/Collation.h"

#include <QByteArray>

namespace filter {

namespace {

qint64 tenPower(int n) {
    qint64 v = 1;
    while (n-- > 0)
        v *= 10;
    return v;
}

QByteArray trimmedUtf8(const QString& text) {
    QByteArray bytes = text.toUtf8();
    qsizetype n = bytes.size();
    while (n > 0 && bytes[n - 1] == ' ')
        --n;
    bytes.truncate(n);
    return bytes;
}

} // namespace

int fieldOf(const Node& operand) {
    const Node* n = &operand;
    while (n->kind == Node::Kind::Upper)
        n = n->args[0].get();
    return n->kind == Node::Kind::Field ? n->field : -1;
}

bool isConstant(const Node& operand) {
    const Node* n = &operand;
    while (n->kind == Node::Kind::Upper)
        n = n->args[0].get();
    return n->kind == Node::Kind::Literal || n->kind == Node::Kind::Variable;
}

Comparison comparison(const FileDef& file, const Node& compare) {
    Comparison c;
    bool text = false, number = false;
    for (const Tree& side : compare.args) {
        if (side->kind == Node::Kind::Upper) c.folded = true;
        const int field = fieldOf(*side);
        if (field < 0) continue;
        (file.fields[field].isText() ? text : number) = true;
    }
    c.kind = number ? Kind::Number : text ? Kind::Text : Kind::ByValue;
    return c;
}

Decimal toDecimal(const Value& value) {
    if (const auto* d = std::get_if<Decimal>(&value)) return *d;
    const QString text = std::get<QString>(value).trimmed();
    Decimal out;
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('.') && !point) {
            point = true;
        } else if (c.isDigit() && c.unicode() < 128 && out.places < 9) {
            if (out.units > (std::numeric_limits<qint64>::max() - 9) / 10) break;
            out.units = out.units * 10 + (c.unicode() - '0');
            if (point) ++out.places;
        } else if (!c.isDigit()) {
            return Decimal{}; // not a number: 0
        }
    }
    if (negative) out.units = -out.units;
    return out;
}

QString toText(const Value& value) {
    if (const auto* s = std::get_if<QString>(&value)) return *s;
    const Decimal d = std::get<Decimal>(value);
    if (d.places == 0) return QString::number(d.units);
    const qint64 scale = tenPower(d.places);
    const qint64 whole = d.units / scale;
    const qint64 part = d.units < 0 ? -(d.units % scale) : d.units % scale;
    const QString sign = d.units < 0 && whole == 0 ? QStringLiteral("-") : QString();
    return sign + QString::number(whole) + QLatin1Char('.') +
           QStringLiteral("%1").arg(part, d.places, 10, QLatin1Char('0'));
}

Value fieldValue(const FieldDef& field, qint64 number) {
    return Decimal{number, field.type == FieldType::Decimal ? field.places : 0};
}

int compare(const Value& a, const Value& b, Kind kind, bool folded) {
    if (kind == Kind::ByValue)
        kind = std::holds_alternative<Decimal>(a) && std::holds_alternative<Decimal>(b)
                   ? Kind::Number
                   : Kind::Text;
    if (kind == Kind::Number) {
        Decimal x = toDecimal(a), y = toDecimal(b);
        const int places = std::max(x.places, y.places);
        const __int128 xs = __int128(x.units) * tenPower(places - x.places);
        const __int128 ys = __int128(y.units) * tenPower(places - y.places);
        return xs < ys ? -1 : xs > ys ? 1 : 0;
    }
    const QByteArray x = trimmedUtf8(toText(a)), y = trimmedUtf8(toText(b));
    if (folded)
        return store::collation::compare(x.constData(), int(x.size()), y.constData(),
                                         int(y.size()));
    const int order =
        std::memcmp(x.constData(), y.constData(), size_t(std::min(x.size(), y.size())));
    if (order != 0) return order < 0 ? -1 : 1;
    return x.size() < y.size() ? -1 : x.size() > y.size() ? 1 : 0;
}

bool holds(Op op, int order) {
    switch (op) {
    case Op::Eq:
        return order == 0;
    case Op::Ne:
        return order != 0;
    case Op::Lt:
        return order < 0;
    case Op::Le:
        return order <= 0;
    case Op::Gt:
        return order > 0;
    case Op::Ge:
        return order >= 0;
    }
    return false;
}

} // namespace filter
