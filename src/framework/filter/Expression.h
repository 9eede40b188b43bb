#pragma once

#include "framework/FileDef.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

// A filter expression of the system's syntax, parsed once into a tree over the fields of one
// data file and named variables, e.g. "(Arc:Soort<>'Everything') AND ARC:Soort=SoftwareClass".
namespace filter {

// A number as written or as a field holds it: units of 10^-places.
struct Decimal {
    qint64 units = 0;
    int places = 0;
    bool operator==(const Decimal&) const = default;
};

using Value = std::variant<Decimal, QString>;

enum class Op { Eq, Ne, Lt, Le, Gt, Ge };

struct Node;
using Tree = std::shared_ptr<const Node>;

struct Node {
    enum class Kind {
        Field,    // a field of the view's file: `field`
        Variable, // a named value taken when the filter is evaluated: `name`
        Literal,  // `literal`
        Upper,    // UPPER(args[0]): the comparison it takes part in ignores case
        Compare,  // args[0] `op` args[1]
        Truth,    // a value used as a condition: not zero, not blank
        And,
        Or,
        Not,
    };
    Kind kind = Kind::Literal;
    int field = -1;
    QString name;
    Value literal;
    Op op = Op::Eq;
    std::vector<Tree> args;

    bool isCondition() const {
        return kind == Kind::Compare || kind == Kind::Truth || kind == Kind::And ||
               kind == Kind::Or || kind == Kind::Not;
    }
};

// The value of a named variable now; nothing when the name is not known.
using Resolver = std::function<std::optional<Value>(const QString& name)>;

// How two operands compare: as numbers, or as texts (exactly, or ignoring case when either
// side is wrapped in UPPER). Decided by the fields involved; without a field, by the values.
enum class Kind { Number, Text, ByValue };
struct Comparison {
    Kind kind = Kind::ByValue;
    bool folded = false;
};
Comparison comparison(const FileDef& file, const Node& compare);

// The field under a chain of UPPER; -1 when the operand is not a field.
int fieldOf(const Node& operand);
// An operand without any field: a literal or a variable, perhaps under UPPER.
bool isConstant(const Node& operand);

Decimal toDecimal(const Value& value);
// A number as text: "12", "1.5" (trailing zeros of the decimals kept as written).
QString toText(const Value& value);
// A field's value as the filter sees it.
Value fieldValue(const FieldDef& field, qint64 number);

// Compares as the comparison says: < 0, 0 or > 0. Texts ignore trailing blanks.
int compare(const Value& a, const Value& b, Kind kind, bool folded);
bool holds(Op op, int order);

} // namespace filter
