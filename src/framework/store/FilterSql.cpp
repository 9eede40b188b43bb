#include "framework/store/FilterSql.h"

#include "framework/store/Collation.h"

namespace store {

namespace {

using filter::Node;
using filter::Op;

Op flipped(Op op) {
    switch (op) {
    case Op::Eq:
        return Op::Ne;
    case Op::Ne:
        return Op::Eq;
    case Op::Lt:
        return Op::Ge;
    case Op::Ge:
        return Op::Lt;
    case Op::Le:
        return Op::Gt;
    case Op::Gt:
        return Op::Le;
    }
    return op;
}

const char* sqlOp(Op op) {
    switch (op) {
    case Op::Eq:
        return " = ";
    case Op::Ne:
        return " <> ";
    case Op::Lt:
        return " < ";
    case Op::Le:
        return " <= ";
    case Op::Gt:
        return " > ";
    case Op::Ge:
        return " >= ";
    }
    return " = ";
}

qint64 tenPower(int n) {
    qint64 v = 1;
    while (n-- > 0)
        v *= 10;
    return v;
}

int placesOf(const FieldDef& f) {
    return f.type == FieldType::Decimal ? f.places : 0;
}

QString rightTrimmed(QString text) {
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == QLatin1Char(' '))
        --n;
    text.truncate(n);
    return text;
}

QByteArray placeholder(SqlCondition& out, FieldValue value) {
    const QByteArray name = '?' + QByteArray::number(out.nextParam());
    out.params.push_back(std::move(value));
    return name;
}

void collectVariables(const Node& n, std::vector<QString>& names) {
    if (n.kind == Node::Kind::Variable) names.push_back(n.name);
    for (const filter::Tree& a : n.args)
        collectVariables(*a, names);
}

} // namespace

FilterSql::FilterSql(const Schema& schema, filter::Tree tree, filter::Resolver resolve)
    : schema_(schema), tree_(std::move(tree)), resolve_(std::move(resolve)) {
    if (tree_) split(tree_);
}

void FilterSql::split(const filter::Tree& node) {
    if (node->kind == Node::Kind::And) {
        split(node->args[0]);
        split(node->args[1]);
    } else {
        terms_.push_back({node.get(), false});
    }
}

void FilterSql::resolve() {
    values_.clear();
    if (!tree_) return;
    std::vector<QString> names;
    collectVariables(*tree_, names);
    for (const QString& name : names) {
        std::optional<filter::Value> v = resolve_ ? resolve_(name) : std::nullopt;
        values_[name.toUpper()] = v ? *v : filter::Value(QString());
    }
}

filter::Value FilterSql::constant(const Node& operand) const {
    const Node* n = &operand;
    while (n->kind == Node::Kind::Upper)
        n = n->args[0].get();
    if (n->kind == Node::Kind::Literal) return n->literal;
    const auto it = values_.find(n->name.toUpper());
    return it == values_.end() ? filter::Value(QString()) : it->second;
}

void FilterSql::write(const std::vector<FilterTerm>& terms, SqlCondition& out) const {
    for (const FilterTerm& t : terms)
        write(t, out);
}

void FilterSql::write(const FilterTerm& term, SqlCondition& out) const {
    if (!out.text.isEmpty()) out.text += " AND ";
    condition(*term.node, term.negated, out);
}

void FilterSql::condition(const Node& n, bool negated, SqlCondition& out) const {
    switch (n.kind) {
    case Node::Kind::Not:
        condition(*n.args[0], !negated, out);
        return;
    case Node::Kind::Compare:
        compare(n, negated, out);
        return;
    case Node::Kind::And:
    case Node::Kind::Or:
        if (negated) out.text += "NOT ";
        out.text += '(';
        condition(*n.args[0], false, out);
        out.text += n.kind == Node::Kind::And ? " AND " : " OR ";
        condition(*n.args[1], false, out);
        out.text += ')';
        return;
    case Node::Kind::Truth: {
        const Node& value = *n.args[0];
        const int field = filter::fieldOf(value);
        if (field < 0) {
            const filter::Value v = constant(value);
            bool truth;
            if (const auto* d = std::get_if<filter::Decimal>(&v))
                truth = d->units != 0;
            else
                truth = !rightTrimmed(std::get<QString>(v)).isEmpty();
            out.text += '(' + placeholder(out, qint64(truth != negated)) + " = 1)";
            return;
        }
        const bool text = schema_.def().fields[field].isText();
        out.text +=
            '(' + schema_.columnOf(field) + (negated ? " = " : " <> ") + (text ? "''" : "0") + ')';
        return;
    }
    default:
        out.text += negated ? "(0 = 1)" : "(1 = 1)";
        return;
    }
}

void FilterSql::compare(const Node& n, bool negated, SqlCondition& out) const {
    const Op op = negated ? flipped(n.op) : n.op;
    const filter::Comparison c = filter::comparison(schema_.def(), n);
    const Node& left = *n.args[0];
    const Node& right = *n.args[1];
    if (filter::fieldOf(left) < 0 && filter::fieldOf(right) < 0) {
        // Nothing of the record: decided now, with the values of this evaluation.
        const int order = filter::compare(constant(left), constant(right), c.kind, c.folded);
        out.text += '(' + placeholder(out, qint64(filter::holds(op, order))) + " = 1)";
        return;
    }
    if (c.kind == filter::Kind::Number) {
        int places = 0;
        for (const Node* side : {&left, &right}) {
            const int field = filter::fieldOf(*side);
            places = std::max(places, field >= 0 ? placesOf(schema_.def().fields[field])
                                                 : filter::toDecimal(constant(*side)).places);
        }
        const QByteArray l = operand(left, true, places, out);
        const QByteArray r = operand(right, true, places, out);
        out.text += '(' + l + sqlOp(op) + r + ')';
        return;
    }
    const QByteArray l = operand(left, false, 0, out);
    const QByteArray r = operand(right, false, 0, out);
    const QByteArray fold = QByteArray(" COLLATE ") + collation::Name;
    if (c.folded)
        out.text += '(' + l + sqlOp(op) + r + fold + ')';
    else if (op == Op::Eq) // the folded test first, so that a key's index can find them
        out.text += '(' + l + " = " + r + fold + " AND " + l + " = " + r + " COLLATE BINARY)";
    else
        out.text += '(' + l + sqlOp(op) + r + " COLLATE BINARY)";
}

QByteArray FilterSql::operand(const Node& side, bool number, int places, SqlCondition& out) const {
    const int field = filter::fieldOf(side);
    if (field >= 0) {
        const FieldDef& f = schema_.def().fields[field];
        QByteArray column = schema_.columnOf(field);
        if (!number) return column;
        if (f.isText())
            return "CAST(" + column + " AS INTEGER)" +
                   (places > 0 ? " * " + QByteArray::number(tenPower(places)) : "");
        const int own = placesOf(f);
        if (own < places)
            column = '(' + column + " * " + QByteArray::number(tenPower(places - own)) + ')';
        return column;
    }
    const filter::Value v = constant(side);
    if (number) {
        const filter::Decimal d = filter::toDecimal(v);
        return placeholder(out, qint64(d.units * tenPower(places - d.places)));
    }
    return placeholder(out, rightTrimmed(filter::toText(v)));
}

int FilterSql::drivingKey(const FilterTerm& term) const {
    const Node* n = term.node;
    bool negated = term.negated;
    while (n->kind == Node::Kind::Not) {
        n = n->args[0].get();
        negated = !negated;
    }
    if (n->kind != Node::Kind::Compare) return 0;
    const Op op = negated ? flipped(n->op) : n->op;
    if (op == Op::Ne) return 0;
    const int leftField = filter::fieldOf(*n->args[0]);
    const int rightField = filter::fieldOf(*n->args[1]);
    if ((leftField < 0) == (rightField < 0)) return 0; // one field against one value
    const bool fieldLeft = leftField >= 0;
    const int field = fieldLeft ? leftField : rightField;
    const Node& other = fieldLeft ? *n->args[1] : *n->args[0];
    if (!filter::isConstant(other)) return 0;
    const FieldDef& f = schema_.def().fields[field];
    const filter::Comparison c = filter::comparison(schema_.def(), *n);
    const filter::Value value = constant(other);
    if (c.kind == filter::Kind::Text) {
        if (!c.folded && op != Op::Eq) return 0; // exact order is not the key's order
    } else if (f.isText() || filter::toDecimal(value).places > placesOf(f)) {
        return 0; // the column would be converted or scaled
    }
    const FileDef& def = schema_.def();
    for (int k = 1; k <= int(def.keys.size()); ++k) {
        const KeyDef& key = def.keys[k - 1];
        if (key.parts.front().field != field) continue;
        if (!key.optional) return k;
        const filter::Value blank =
            f.isText() ? filter::Value(QString()) : filter::Value(filter::Decimal{0, placesOf(f)});
        const int order = fieldLeft ? filter::compare(blank, value, c.kind, c.folded)
                                    : filter::compare(value, blank, c.kind, c.folded);
        return filter::holds(op, order) ? 0 : k;
    }
    return 0;
}

void bindCondition(sqlite3_stmt* stmt, const SqlCondition& c, std::vector<QByteArray>& texts) {
    texts.reserve(texts.size() + c.params.size());
    for (size_t i = 0; i < c.params.size(); ++i) {
        const int index = c.first + int(i);
        if (const auto* n = std::get_if<qint64>(&c.params[i])) {
            sqlite3_bind_int64(stmt, index, *n);
        } else {
            texts.push_back(std::get<QString>(c.params[i]).toUtf8());
            sqlite3_bind_text(stmt, index, texts.back().constData(), int(texts.back().size()),
                              SQLITE_STATIC);
        }
    }
}

} // namespace store
