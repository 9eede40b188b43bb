#pragma once

#include "framework/RecordBuffer.h"
#include "framework/filter/Expression.h"

namespace filter {

// The value of an operand for a record; a variable that is not known reads as blank.
Value valueOf(const Node& operand, const RecordBuffer& record, const Resolver& resolve);
// Whether a record passes the filter, evaluated here with the same rules the store applies.
bool matches(const Node& condition, const RecordBuffer& record, const Resolver& resolve);

} // namespace filter
