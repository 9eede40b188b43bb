#include "framework/filter/Evaluate.h"

namespace filter {

Value valueOf(const Node& n, const RecordBuffer& record, const Resolver& resolve) {
    switch (n.kind) {
    case Node::Kind::Field: {
        const FieldDef& f = record.def().fields[n.field];
        if (f.isText()) return record.text(n.field);
        return fieldValue(f, record.number(n.field));
    }
    case Node::Kind::Variable: {
        std::optional<Value> v = resolve ? resolve(n.name) : std::nullopt;
        return v ? *v : Value(QString());
    }
    case Node::Kind::Literal:
        return n.literal;
    case Node::Kind::Upper:
        return valueOf(*n.args[0], record, resolve);
    default:
        return Decimal{matches(n, record, resolve) ? 1 : 0, 0};
    }
}

bool matches(const Node& n, const RecordBuffer& record, const Resolver& resolve) {
    switch (n.kind) {
    case Node::Kind::And:
        return matches(*n.args[0], record, resolve) && matches(*n.args[1], record, resolve);
    case Node::Kind::Or:
        return matches(*n.args[0], record, resolve) || matches(*n.args[1], record, resolve);
    case Node::Kind::Not:
        return !matches(*n.args[0], record, resolve);
    case Node::Kind::Truth: {
        const Value v = valueOf(*n.args[0], record, resolve);
        if (const auto* d = std::get_if<Decimal>(&v)) return d->units != 0;
        const QString& text = std::get<QString>(v);
        qsizetype n = text.size();
        while (n > 0 && text[n - 1] == QLatin1Char(' '))
            --n;
        return n > 0;
    }
    case Node::Kind::Compare: {
        const Comparison c = comparison(record.def(), n);
        const int order = compare(valueOf(*n.args[0], record, resolve),
                                  valueOf(*n.args[1], record, resolve), c.kind, c.folded);
        return holds(n.op, order);
    }
    default:
        return false;
    }
}

} // namespace filter
