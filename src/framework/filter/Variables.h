#pragma once

#include "framework/filter/Expression.h"

// Names a filter may use besides the fields of its own file: the field labels of every
// record buffer in use ("Srt:Soort") and names given to a field ("SoftwareClass"), as the
// field bindings know them. Their values are read when the filter is evaluated.
namespace filter {

bool isBound(const QString& name);
std::optional<Value> boundValue(const QString& name);

} // namespace filter
