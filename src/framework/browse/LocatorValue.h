#pragma once

#include "framework/FileDef.h"
#include "framework/RecordBuffer.h"

#include <QString>
#include <optional>

// What the characters typed into a list's locator stand for in the field the list is
// positioned by: a text as typed; a number, a date or a time as the user writes it. A date
// may be given whole ("7/3/1998"), as a month ("3/1998") or as a year ("1998"): a month or
// a year stands for its first day in a rising order and its last day in a falling one, so
// that the list goes to the first row of that period either way. Nothing while the text is
// not a value yet (a date half typed), so the list stays where it is.
namespace LocatorValue {

std::optional<FieldValue> of(const FieldDef& field, const QString& typed, bool descending);

}
