#pragma once

#include "framework/RecordBuffer.h"
#include "framework/filter/Expression.h"
#include "framework/store/Schema.h"

#include <QByteArray>
#include <map>
#include <sqlcipher/sqlite3.h>
#include <vector>

// A filter as the engine evaluates it: conditions over the record table's columns, every
// value a bound parameter (no text of the user ever becomes part of the query), texts
// compared exactly or, under UPPER, with the case-folding collation.
namespace store {

// The condition text and the values of its parameters, numbered from `first`.
struct SqlCondition {
    explicit SqlCondition(int firstParam) : first(firstParam) {}
    QByteArray text;
    std::vector<FieldValue> params;
    int first;
    int nextParam() const { return first + int(params.size()); }
};

// One condition of the filter's top level (the filter is the AND of them), perhaps negated.
struct FilterTerm {
    const filter::Node* node = nullptr;
    bool negated = false;
};

class FilterSql {
public:
    FilterSql(const Schema& schema, filter::Tree tree, filter::Resolver resolve);

    // Looks the variables up anew; the conditions written afterwards use these values.
    void resolve();
    // The values looked up by the last resolve, for telling whether they changed.
    const std::map<QString, filter::Value>& values() const { return values_; }

    const std::vector<FilterTerm>& terms() const { return terms_; }
    // Appends " AND "-joined conditions of the terms to `out`.
    void write(const std::vector<FilterTerm>& terms, SqlCondition& out) const;
    void write(const FilterTerm& term, SqlCondition& out) const;
    // The key whose index finds exactly the records of the term (its first component is
    // the term's field and the term leaves out the blank value, so the optional key holds
    // every such record); 0 when there is none.
    int drivingKey(const FilterTerm& term) const;

private:
    filter::Value constant(const filter::Node& operand) const;
    void condition(const filter::Node& n, bool negated, SqlCondition& out) const;
    void compare(const filter::Node& n, bool negated, SqlCondition& out) const;
    QByteArray operand(const filter::Node& side, bool number, int places, SqlCondition& out) const;
    void split(const filter::Tree& node);

    const Schema& schema_;
    filter::Tree tree_;
    filter::Resolver resolve_;
    std::vector<FilterTerm> terms_;
    std::map<QString, filter::Value> values_;
};

// Binds a condition's parameters to a statement; the texts must stay alive meanwhile.
void bindCondition(sqlite3_stmt* stmt, const SqlCondition& c, std::vector<QByteArray>& texts);

} // namespace store
