#pragma once

#include "framework/RecordBuffer.h"

#include <QHash>
#include <QString>
#include <mutex>
#include <optional>

// The field labels known to filter expressions ("ARC:Soort", "Srt:Soort"), case-insensitive,
// each bound to a field of a record buffer.
class FieldBindings {
public:
    struct Binding {
        RecordBuffer* Buffer = nullptr;
        int Field = -1;
    };

    static FieldBindings& instance();
    void Bind(RecordBuffer& buffer);
    // Makes one field known under a name of its own as well ("SoftwareClass").
    void BindName(const QString& name, RecordBuffer& buffer, int field);
    void UnbindName(const QString& name);
    // Removes every name bound to the buffer.
    void Unbind(const RecordBuffer& buffer);
    std::optional<Binding> Find(const QString& label) const;

private:
    QHash<QString, Binding> bindings_;
    mutable std::mutex lock_;
};
