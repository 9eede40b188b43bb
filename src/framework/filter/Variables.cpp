#include "framework/filter/Variables.h"

#include "framework/FieldBindings.h"

namespace filter {

bool isBound(const QString& name) {
    return FieldBindings::instance().Find(name).has_value();
}

std::optional<Value> boundValue(const QString& name) {
    const auto binding = FieldBindings::instance().Find(name);
    if (!binding) return std::nullopt;
    const RecordBuffer& buffer = *binding->Buffer;
    const FieldDef& f = buffer.def().fields[binding->Field];
    if (f.isText()) return Value(buffer.text(binding->Field));
    return fieldValue(f, buffer.number(binding->Field));
}

} // namespace filter
