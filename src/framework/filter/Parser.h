#pragma once

#include "framework/filter/Expression.h"

namespace filter {

struct Parsed {
    Tree tree;     // null when the text is empty or did not parse
    QString error; // why it did not parse
    bool ok() const { return error.isEmpty(); }
};

// Parses a filter over the fields of `file`. Labels ("ARC:Soort", any letter case) of the
// file's own fields become fields; any other name must be known to `isVariable` and is
// looked up each time the filter is evaluated. An empty text is no filter.
Parsed parse(const QString& text, const FileDef& file,
             const std::function<bool(const QString&)>& isVariable);

} // namespace filter
