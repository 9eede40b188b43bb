#include "framework/FieldBindings.h"

FieldBindings& FieldBindings::instance() {
    static FieldBindings bindings;
    return bindings;
}

void FieldBindings::Bind(RecordBuffer& buffer) {
    std::lock_guard guard(lock_);
    for (int i = 0; i < buffer.fieldCount(); ++i)
        bindings_.insert(buffer.def().fields[i].label.toUpper(), Binding{&buffer, i});
}

void FieldBindings::BindName(const QString& name, RecordBuffer& buffer, int field) {
    std::lock_guard guard(lock_);
    bindings_.insert(name.toUpper(), Binding{&buffer, field});
}

void FieldBindings::UnbindName(const QString& name) {
    std::lock_guard guard(lock_);
    bindings_.remove(name.toUpper());
}

void FieldBindings::Unbind(const RecordBuffer& buffer) {
    std::lock_guard guard(lock_);
    for (auto it = bindings_.begin(); it != bindings_.end();)
        it = it->Buffer == &buffer ? bindings_.erase(it) : std::next(it);
}

std::optional<FieldBindings::Binding> FieldBindings::Find(const QString& label) const {
    std::lock_guard guard(lock_);
    const auto it = bindings_.constFind(label.toUpper());
    if (it == bindings_.constEnd()) return std::nullopt;
    return *it;
}
