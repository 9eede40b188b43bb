#include "framework/report/PageStore.h"

#include <QDir>
#include <QTemporaryFile>

namespace {

// Unsigned numbers in 7-bit groups, signed ones zigzagged first: most coordinates of a page
// take two or three bytes instead of four.
void putNumber(QByteArray& out, quint64 n) {
    while (n >= 0x80) {
        out.append(char(n | 0x80));
        n >>= 7;
    }
    out.append(char(n));
}

void putSigned(QByteArray& out, qint64 n) {
    putNumber(out, (quint64(n) << 1) ^ quint64(n >> 63));
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : p_(bytes.constData()), end_(p_ + bytes.size()) {}

    bool number(quint64& n) {
        n = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (p_ == end_) return false;
            const quint8 b = quint8(*p_++);
            n |= quint64(b & 0x7f) << shift;
            if (!(b & 0x80)) return true;
        }
        return false;
    }
    bool units(PageUnits& v) {
        quint64 n;
        if (!number(n)) return false;
        v = PageUnits(qint64(n >> 1) ^ -qint64(n & 1));
        return true;
    }
    bool byte(quint8& b) {
        if (p_ == end_) return false;
        b = quint8(*p_++);
        return true;
    }
    bool text(QString& s) {
        quint64 n;
        if (!number(n) || n > quint64(end_ - p_)) return false;
        s = QString::fromUtf8(p_, qsizetype(n));
        p_ += n;
        return true;
    }
    bool atEnd() const { return p_ == end_; }

private:
    const char* p_;
    const char* end_;
};

} // namespace

PageStore::PageStore() = default;
PageStore::~PageStore() = default;

QByteArray PageStore::Pack(const Page& page) {
    QByteArray raw;
    raw.reserve(64 + int(page.items.size()) * 24);
    putNumber(raw, page.items.size());
    for (const PageItem& item : page.items) {
        raw.append(char(quint8(item.kind) | quint8(item.align) << 2));
        raw.append(char(item.font));
        putSigned(raw, item.x);
        putSigned(raw, item.y);
        putSigned(raw, item.width);
        putSigned(raw, item.height);
        if (item.kind == ItemKind::Text) {
            const QByteArray utf8 = item.text.toUtf8();
            putNumber(raw, quint64(utf8.size()));
            raw.append(utf8);
        } else {
            putSigned(raw, item.pen);
        }
    }
    return qCompress(raw, 1);
}

bool PageStore::Unpack(const QByteArray& bytes, Page& page) {
    const QByteArray raw = qUncompress(bytes);
    page.items.clear();
    if (raw.isEmpty()) return false;
    Reader in(raw);
    quint64 count;
    if (!in.number(count) || count > quint64(raw.size())) return false;
    page.items.resize(count);
    for (PageItem& item : page.items) {
        quint8 kindAlign;
        if (!in.byte(kindAlign) || !in.byte(item.font)) return false;
        if ((kindAlign & 3) > 2 || (kindAlign >> 2) > 2) return false;
        item.kind = ItemKind(kindAlign & 3);
        item.align = Align(kindAlign >> 2);
        if (!in.units(item.x) || !in.units(item.y) || !in.units(item.width) ||
            !in.units(item.height))
            return false;
        if (item.kind == ItemKind::Text ? !in.text(item.text) : !in.units(item.pen)) return false;
    }
    return in.atEnd();
}

bool PageStore::openSpool() {
    if (spool_) return true;
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                 QStringLiteral("/wareloft-report-XXXXXX.pages"));
    if (!file->open()) {
        error_ = QStringLiteral("The report's pages cannot be kept in %1: %2")
                     .arg(QDir::toNativeSeparators(QDir::tempPath()), file->errorString());
        return false;
    }
    spool_ = std::move(file);
    return true;
}

bool PageStore::Add(const Page& page) {
    if (!openSpool()) return false;
    const QByteArray packed = Pack(page);
    const qint64 end = offsets_.back();
    if (!spool_->seek(end) || spool_->write(packed) != packed.size()) {
        error_ = QStringLiteral("The report's pages cannot be kept in %1: %2")
                     .arg(QDir::toNativeSeparators(spool_->fileName()), spool_->errorString());
        spool_->resize(end);
        return false;
    }
    offsets_.push_back(end + packed.size());
    return true;
}

Page PageStore::Read(int number) const {
    Page page;
    if (number < 1 || number > Count() || !spool_) return page;
    const qint64 from = offsets_[number - 1];
    if (!spool_->flush() || !spool_->seek(from)) return page;
    Unpack(spool_->read(offsets_[number] - from), page);
    return page;
}

void PageStore::Clear() {
    spool_.reset(); // removes the file
    offsets_.assign(1, 0);
    offsets_.shrink_to_fit();
    error_.clear();
}
