#pragma once

#include "framework/RecordBuffer.h"
#include "framework/Text.h"

#include <QString>
#include <variant>

// The variable a control shows and edits: a field of a record buffer, a text or a number.
// A control displays it through its picture and, when its value is accepted, writes the
// typed text back through the same picture.
class Use {
public:
    Use() = default;
    Use(RecordBuffer& record, int field) : v_(Field{&record, field}) {}
    Use(Text& text) : v_(&text) {}
    Use(QString& text) : v_(&text) {}
    Use(quint8& n) : v_(&n) {}
    Use(quint16& n) : v_(&n) {}
    Use(quint32& n) : v_(&n) {}
    Use(qint32& n) : v_(&n) {}
    Use(qint64& n) : v_(&n) {}

    bool isSet() const { return v_.index() != 0; }
    bool isText() const;
    // Decimals a number is held with (a decimal field is a scaled integer).
    int scale() const;
    // Most characters a text holds; 0 when unlimited or not a text.
    int capacity() const;

    QString text() const;
    qint64 number() const;
    void setText(const QString& value);
    void setNumber(qint64 value);
    bool inRange(qint64 value) const;

    // The value as a control shows it.
    QString Display(const QString& picture) const;
    // Takes typed text through the picture. False, with nothing written, when the text is
    // not a value of the picture or lies outside what the variable holds.
    bool Accept(const QString& typed, const QString& picture);
    // Whether Accept would take the text.
    bool Fits(const QString& typed, const QString& picture) const;

    bool operator==(const Use& other) const { return v_ == other.v_; }

private:
    struct Field {
        RecordBuffer* Record;
        int Index;
        bool operator==(const Field&) const = default;
    };
    const FieldDef* fieldDef() const;

    std::variant<std::monostate, Field, Text*, QString*, quint8*, quint16*, quint32*, qint32*,
                 qint64*>
        v_;
};
