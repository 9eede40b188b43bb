#pragma once

#include <QString>

// A fixed-length text field. The value is kept without trailing blanks, so that
// comparisons ignore them; assigning a longer value cuts it to the field's length.
// Lengths count characters (UTF-16 code units never split a surrogate pair).
class Text {
public:
    explicit Text(int capacity) : capacity_(capacity) {}
    Text(const Text&) = default;
    Text& operator=(const Text& other) { return *this = other.value_; }
    Text& operator=(const QString& value);
    Text& operator=(const char* value) { return *this = QString::fromUtf8(value); }

    const QString& str() const { return value_; }
    operator const QString&() const { return value_; }
    int capacity() const { return capacity_; }
    bool isBlank() const { return value_.isEmpty(); }
    void clear() { value_.clear(); }

    bool operator==(const Text& other) const { return value_ == other.value_; }
    bool operator==(const QString& other) const;

    // Cuts a value to at most `capacity` characters and removes trailing blanks.
    static QString fit(const QString& value, int capacity);

private:
    QString value_;
    int capacity_;
};
