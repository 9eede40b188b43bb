#include "framework/window/Use.h"

#include "framework/Pictures.h"

#include <limits>

namespace {

bool isTextPicture(const QString& picture) {
    return picture.isEmpty() || picture.startsWith(QLatin1String("@s"), Qt::CaseInsensitive);
}

// A number typed into a control without a picture: plain digits with the variable's
// decimals.
QString plainPicture(int scale) {
    return scale > 0 ? QStringLiteral("@N-18.%1").arg(scale) : QStringLiteral("@N-18");
}

template <class T> bool fits(qint64 v) {
    return v >= qint64(std::numeric_limits<T>::min()) &&
           quint64(v) <= quint64(std::numeric_limits<T>::max());
}

} // namespace

const FieldDef* Use::fieldDef() const {
    if (const Field* f = std::get_if<Field>(&v_)) return &f->Record->def().fields.at(f->Index);
    return nullptr;
}

bool Use::isText() const {
    if (const FieldDef* def = fieldDef()) return def->isText();
    return std::holds_alternative<Text*>(v_) || std::holds_alternative<QString*>(v_);
}

int Use::scale() const {
    const FieldDef* def = fieldDef();
    return def && def->type == FieldType::Decimal ? def->places : 0;
}

int Use::capacity() const {
    if (const FieldDef* def = fieldDef()) return def->isText() ? def->capacity() : 0;
    if (Text* const* t = std::get_if<Text*>(&v_)) return (*t)->capacity();
    return 0;
}

QString Use::text() const {
    return std::visit(
        [](auto&& v) -> QString {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return {};
            else if constexpr (std::is_same_v<T, Field>)
                return v.Record->text(v.Index);
            else if constexpr (std::is_same_v<T, Text*>)
                return v->str();
            else if constexpr (std::is_same_v<T, QString*>)
                return *v;
            else
                return QString::number(*v);
        },
        v_);
}

qint64 Use::number() const {
    return std::visit(
        [](auto&& v) -> qint64 {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return 0;
            else if constexpr (std::is_same_v<T, Field>)
                return v.Record->number(v.Index);
            else if constexpr (std::is_same_v<T, Text*>)
                return v->str().toLongLong();
            else if constexpr (std::is_same_v<T, QString*>)
                return v->toLongLong();
            else
                return qint64(*v);
        },
        v_);
}

void Use::setText(const QString& value) {
    std::visit(
        [&](auto&& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return;
            else if constexpr (std::is_same_v<T, Field>) {
                if (v.Record->def().fields.at(v.Index).isText())
                    v.Record->setValue(v.Index, value);
                else
                    v.Record->setValue(v.Index, value.toLongLong());
            } else if constexpr (std::is_same_v<T, Text*>)
                *v = value;
            else if constexpr (std::is_same_v<T, QString*>)
                *v = value;
            else
                setNumber(value.toLongLong());
        },
        v_);
}

void Use::setNumber(qint64 value) {
    std::visit(
        [&](auto&& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return;
            else if constexpr (std::is_same_v<T, Field>) {
                if (v.Record->def().fields.at(v.Index).isText())
                    v.Record->setValue(v.Index, QString::number(value));
                else
                    v.Record->setValue(v.Index, value);
            } else if constexpr (std::is_same_v<T, Text*>)
                *v = QString::number(value);
            else if constexpr (std::is_same_v<T, QString*>)
                *v = QString::number(value);
            else if (fits<std::remove_pointer_t<T>>(value))
                *v = std::remove_pointer_t<T>(value);
        },
        v_);
}

bool Use::inRange(qint64 value) const {
    if (const FieldDef* def = fieldDef())
        return def->isText() || (value >= def->lowest() && value <= def->highest());
    return std::visit(
        [&](auto&& v) -> bool {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate> || std::is_same_v<T, Field> ||
                          std::is_same_v<T, Text*> || std::is_same_v<T, QString*>)
                return true;
            else
                return fits<std::remove_pointer_t<T>>(value);
        },
        v_);
}

QString Use::Display(const QString& picture) const {
    if (isText()) return picture.isEmpty() ? text() : Pictures::format(text(), picture);
    return Pictures::format(number(), picture.isEmpty() ? plainPicture(scale()) : picture, scale());
}

bool Use::Fits(const QString& typed, const QString& picture) const {
    if (!isSet() || (isText() && isTextPicture(picture))) return true;
    const auto value =
        Pictures::parse(typed, picture.isEmpty() ? plainPicture(scale()) : picture, scale());
    return value && inRange(*value);
}

bool Use::Accept(const QString& typed, const QString& picture) {
    if (!isSet()) return true;
    if (isText() && isTextPicture(picture)) {
        setText(typed);
        return true;
    }
    const auto value =
        Pictures::parse(typed, picture.isEmpty() ? plainPicture(scale()) : picture, scale());
    if (!value || !inRange(*value)) return false;
    if (isText())
        setText(Pictures::format(*value, picture, scale()));
    else
        setNumber(*value);
    return true;
}
