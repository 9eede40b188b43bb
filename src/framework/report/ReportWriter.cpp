#include "framework/report/ReportWriter.h"

#include "framework/Pictures.h"
#include "framework/report/TextMeasure.h"

ReportWriter::ReportWriter(const ReportLayout& layout, PageStore& pages)
    : layout_(layout), pages_(pages), measure_(&TextMeasure::Instance()),
      groupValues_(layout.Groups.size()) {
    pages_.Fonts = layout.Fonts;
    pages_.Paper = layout.Paper;
}

PageUnits ReportWriter::bodyBottom() const {
    return layout_.Paper.height - layout_.Bottom - layout_.PageFooter.Height;
}

QString ReportWriter::textOf(const BandItem& item) const {
    switch (item.kind) {
    case BandItem::Kind::Text:
        return item.text;
    case BandItem::Kind::PageNumber:
        return item.text + QString::number(page_);
    default:
        break;
    }
    const FieldValue v = item.value ? item.value() : FieldValue(QString());
    if (const qint64* n = std::get_if<qint64>(&v))
        return item.picture.isEmpty() ? QString::number(*n)
                                      : Pictures::format(*n, item.picture, item.scale);
    const QString& s = std::get<QString>(v);
    return item.picture.isEmpty() ? s : Pictures::format(s, item.picture);
}

void ReportWriter::place(const BandItem& item, PageUnits dy, Piece& piece) {
    PageItem out;
    out.x = layout_.Left + item.x;
    out.y = item.y + dy;
    out.width = item.width;
    out.height = item.height;
    out.align = item.align;
    out.font = item.font;
    out.pen = item.pen;
    switch (item.kind) {
    case BandItem::Kind::Rule:
        out.kind = ItemKind::Rule;
        break;
    case BandItem::Kind::Box:
        out.kind = ItemKind::Box;
        break;
    default:
        out.kind = ItemKind::Text;
        out.height = layout_.LineHeight(item.font);
        out.text = textOf(item);
        // Blanks at the end never show; an empty text is left out.
        while (!out.text.isEmpty() && out.text.back().isSpace())
            out.text.chop(1);
        if (out.text.isEmpty()) return;
        break;
    }
    piece.items.push_back(std::move(out));
}

// A band without a wrapped value is one piece; with one, the band is cut into its first
// line with what stands beside it, one piece per further line, and what stands below.
std::vector<ReportWriter::Piece> ReportWriter::piecesOf(const Band& band) {
    const BandItem* wrapped = nullptr;
    for (const BandItem& item : band.Items)
        if (item.kind == BandItem::Kind::Wrapped) {
            wrapped = &item;
            break;
        }
    if (!wrapped) {
        Piece whole;
        whole.height = band.Height;
        for (const BandItem& item : band.Items)
            place(item, 0, whole);
        return {whole};
    }
    const PageUnits line = layout_.LineHeight(wrapped->font);
    const PageUnits split = wrapped->y + line;
    const QStringList lines =
        WrapText(textOf(*wrapped), wrapped->width, layout_.Fonts.at(wrapped->font), *measure_);
    std::vector<Piece> pieces(size_t(lines.size()) + 1);
    pieces.front().height = split;
    for (qsizetype n = 1; n < lines.size(); ++n)
        pieces[size_t(n)].height = line;
    pieces.back().height = std::max<PageUnits>(0, band.Height - split);
    for (const BandItem& item : band.Items) {
        if (&item == wrapped) continue;
        if (item.y < split)
            place(item, 0, pieces.front());
        else
            place(item, -split, pieces.back());
    }
    for (qsizetype n = 0; n < lines.size(); ++n) {
        BandItem one = *wrapped;
        one.kind = BandItem::Kind::Text;
        one.text = lines[n];
        place(one, n == 0 ? 0 : -wrapped->y, pieces[size_t(n)]);
    }
    return pieces;
}

void ReportWriter::put(const Piece& piece) {
    for (PageItem item : piece.items) {
        item.y += y_;
        current_.items.push_back(std::move(item));
    }
    y_ += piece.height;
}

void ReportWriter::putBand(const Band& band, PageUnits top) {
    const PageUnits keep = y_;
    y_ = top;
    for (const Piece& piece : piecesOf(band))
        put(piece);
    y_ = keep;
}

bool ReportWriter::startPage() {
    ++page_;
    open_ = true;
    current_.items.clear();
    y_ = layout_.Top;
    putBand(layout_.PageHeader, y_);
    y_ += layout_.PageHeader.Height;
    return true;
}

bool ReportWriter::EndPage() {
    if (failed_) return false;
    if (!open_) return true;
    putBand(layout_.PageFooter, bodyBottom());
    open_ = false;
    if (!pages_.Add(current_)) failed_ = true;
    current_.items.clear();
    current_.items.shrink_to_fit();
    return !failed_;
}

bool ReportWriter::Print(const Band& band) {
    if (failed_) return false;
    if (!open_) startPage();
    for (const Piece& piece : piecesOf(band)) {
        // A piece taller than a whole page goes on a page of its own and is cut there.
        if (!fits(piece.height) && y_ > layout_.Top + layout_.PageHeader.Height) {
            if (!EndPage()) return false;
            startPage();
        }
        put(piece);
    }
    return true;
}

bool ReportWriter::PrintDetail() {
    bool changed = false;
    for (size_t n = 0; n < layout_.Groups.size(); ++n) {
        const ReportLayout::Group& group = layout_.Groups[n];
        const FieldValue value = group.By ? group.By() : FieldValue(qint64(0));
        changed = changed || !groupValues_[n] || *groupValues_[n] != value;
        if (!changed) continue;
        groupValues_[n] = value;
        if (!Print(group.Header)) return false;
    }
    return Print(layout_.Detail);
}

bool ReportWriter::Close() {
    return EndPage();
}
