#include "framework/report/ReportLayout.h"

namespace {

BandItem textItem(BandItem::Kind kind, PageUnits x, PageUnits y, PageUnits width, int font,
                  Align align) {
    BandItem item;
    item.kind = kind;
    item.x = x;
    item.y = y;
    item.width = width;
    item.font = quint8(font);
    item.align = align;
    return item;
}

} // namespace

Band& Band::Text(PageUnits x, PageUnits y, PageUnits width, const QString& text, int font,
                 Align align) {
    BandItem item = textItem(BandItem::Kind::Text, x, y, width, font, align);
    item.text = text;
    Items.push_back(std::move(item));
    return *this;
}

Band& Band::Value(PageUnits x, PageUnits y, PageUnits width, ValueSource value,
                  const QString& picture, int font, Align align, int scale) {
    BandItem item = textItem(BandItem::Kind::Value, x, y, width, font, align);
    item.value = std::move(value);
    item.picture = picture;
    item.scale = scale;
    Items.push_back(std::move(item));
    return *this;
}

Band& Band::PageNumber(PageUnits x, PageUnits y, PageUnits width, const QString& prefix, int font,
                       Align align) {
    BandItem item = textItem(BandItem::Kind::PageNumber, x, y, width, font, align);
    item.text = prefix;
    Items.push_back(std::move(item));
    return *this;
}

Band& Band::Wrapped(PageUnits x, PageUnits y, PageUnits width, ValueSource value, int font) {
    BandItem item = textItem(BandItem::Kind::Wrapped, x, y, width, font, Align::Left);
    item.value = std::move(value);
    Items.push_back(std::move(item));
    return *this;
}

Band& Band::Rule(PageUnits x1, PageUnits y1, PageUnits x2, PageUnits y2, PageUnits pen) {
    BandItem item;
    item.kind = BandItem::Kind::Rule;
    item.x = x1;
    item.y = y1;
    item.width = x2 - x1;
    item.height = y2 - y1;
    item.pen = pen;
    Items.push_back(std::move(item));
    return *this;
}

Band& Band::Box(PageUnits x, PageUnits y, PageUnits width, PageUnits height, PageUnits pen) {
    BandItem item;
    item.kind = BandItem::Kind::Box;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = height;
    item.pen = pen;
    Items.push_back(std::move(item));
    return *this;
}

int ReportLayout::AddFont(const ReportFont& font) {
    for (size_t n = 0; n < Fonts.size(); ++n)
        if (Fonts[n] == font) return int(n);
    Fonts.push_back(font);
    return int(Fonts.size()) - 1;
}

PageUnits ReportLayout::LineHeight(int font) const {
    return font >= 0 && font < int(Fonts.size()) ? Fonts[size_t(font)].lineHeight() : 0;
}
