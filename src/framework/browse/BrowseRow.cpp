#include "framework/browse/BrowseRow.h"

#include "framework/Pictures.h"

QString cellText(const BrowseColumn& c, const FieldValue& v) {
    if (const auto* n = std::get_if<qint64>(&v)) return Pictures::format(*n, c.Picture, c.Scale);
    return c.Picture.isEmpty() ? std::get<QString>(v)
                               : Pictures::format(std::get<QString>(v), c.Picture);
}
