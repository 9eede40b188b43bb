#include "framework/Text.h"

QString Text::fit(const QString& value, int capacity) {
    QString v = value;
    if (v.size() > capacity) {
        int cut = capacity;
        if (cut > 0 && v.at(cut - 1).isHighSurrogate()) --cut;
        v.truncate(cut);
    }
    int end = v.size();
    while (end > 0 && v.at(end - 1) == QLatin1Char(' '))
        --end;
    v.truncate(end);
    return v;
}

Text& Text::operator=(const QString& value) {
    value_ = fit(value, capacity_);
    return *this;
}

bool Text::operator==(const QString& other) const {
    return value_ == fit(other, capacity_);
}
