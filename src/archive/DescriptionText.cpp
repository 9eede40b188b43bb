#include "archive/DescriptionText.h"

#include "core/FileNames.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

constexpr qint64 Block = 64 * 1024;
// Blank lines add nothing, so a file of blanks could be read to its end: stop here.
constexpr qint64 MostBytes = 8 * 1024 * 1024;
// A file whose first bytes hold a NUL is not text (unless it is UTF-16).
constexpr qint64 Sniff = 8 * 1024;

// Text as the description may hold it: no control characters but the tab.
QString printable(QString text) {
    qsizetype out = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool control =
            (c < 0x20 && c != u'\t') || (c >= 0x7f && c <= 0x9f) || c == 0xfffd || c == 0xfeff;
        if (!control) text[out++] = text[i];
    }
    text.truncate(out);
    return text;
}

// A line of bytes: UTF-8 when it is valid UTF-8, else the 8-bit text of older systems
// (Windows-1252, or Latin-1 where the platform lacks it).
QString decodeLine(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder older("windows-1252", QStringDecoder::Flag::Stateless);
    return older.isValid() ? older.decode(bytes) : QString::fromLatin1(bytes);
}

// Cuts bytes to `size` without leaving half a UTF-8 character at the end.
void cutAtCharacter(QByteArray& bytes, qsizetype size) {
    bytes.truncate(size);
    qsizetype lead = bytes.size();
    while (lead > 0 && lead > bytes.size() - 4 && (uchar(bytes[lead - 1]) & 0xc0) == 0x80)
        --lead;
    if (lead == 0) return;
    const uchar first = uchar(bytes[lead - 1]);
    const int length = first >= 0xf0 ? 4 : first >= 0xe0 ? 3 : first >= 0xc0 ? 2 : 1;
    if (bytes.size() - (lead - 1) < length) bytes.truncate(lead - 1);
}

QString withoutTrailingBlanks(QString line) {
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == QLatin1Char(' '))
        --end;
    line.truncate(end);
    return line;
}

// Joins lines into the description until it is full.
class Joiner {
public:
    explicit Joiner(int limit) : limit_(limit) {}

    void addLine(const QString& line) {
        if (full()) return;
        text_ += printable(withoutTrailingBlanks(line));
        if (text_.size() > limit_) {
            qsizetype cut = limit_;
            if (cut > 0 && text_[cut - 1].isHighSurrogate()) --cut;
            text_.truncate(cut);
            full_ = true;
        }
    }
    bool full() const { return full_ || text_.size() >= limit_; }
    QString text() const { return text_; }

private:
    int limit_;
    QString text_;
    bool full_ = false;
};

void joinUtf16(const QByteArray& bytes, QStringDecoder::Encoding encoding, Joiner& joiner) {
    QStringDecoder decoder(encoding);
    const QString text = decoder.decode(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        joiner.addLine(line.toString());
        if (joiner.full()) break;
    }
}

QString openError(const QFile& file) {
    if (!file.exists()) return QStringLiteral("File not found");
    if (file.error() == QFileDevice::OpenError && !QFileInfo(file).isReadable())
        return QStringLiteral("Access denied");
    return file.errorString();
}

} // namespace

bool DescriptionText::takesContent(const QString& fileName) {
    const QString extension = FileNames::extension(fileName);
    return extension == QLatin1String("TXT") || extension == QLatin1String("INI") ||
           extension == QLatin1String("BAK") || extension == QLatin1String("LOG");
}

DescriptionText::Result DescriptionText::read(const QString& hostFile, int limit) {
    Result result;
    QFile file(hostFile);
    if (QFileInfo(hostFile).isDir() || !file.open(QIODevice::ReadOnly)) {
        result.error =
            QFileInfo(hostFile).isDir() ? QStringLiteral("Access denied") : openError(file);
        return result;
    }
    result.opened = true;
    Joiner joiner(limit);
    QByteArray head = file.read(Sniff);
    if (head.startsWith("\xff\xfe") || head.startsWith("\xfe\xff")) {
        const bool little = head.startsWith("\xff\xfe");
        head += file.read(qint64(limit) * 4 + 4 - head.size());
        joinUtf16(head.mid(2), little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, joiner);
        result.text = joiner.text();
        return result;
    }
    if (head.contains('\0')) return result; // not text: no description
    if (head.startsWith("\xef\xbb\xbf")) head.remove(0, 3);

    // Lines longer than the description can hold are kept only as far as it can hold them.
    const qint64 longestLine = qint64(limit) * 4 + 4;
    QByteArray line;
    bool skipping = false;
    qint64 taken = 0;
    QByteArray block = head;
    for (;;) {
        qsizetype from = 0;
        while (!joiner.full()) {
            const qsizetype end = block.indexOf('\n', from);
            const qsizetype stop = end < 0 ? block.size() : end;
            if (!skipping) {
                line.append(block.constData() + from, stop - from);
                if (line.size() > longestLine) {
                    cutAtCharacter(line, longestLine);
                    skipping = true;
                }
            }
            if (end < 0) break;
            if (line.endsWith('\r')) line.chop(1);
            joiner.addLine(decodeLine(line));
            line.clear();
            skipping = false;
            from = end + 1;
        }
        taken += block.size();
        if (joiner.full() || taken >= MostBytes) break;
        block = file.read(Block);
        if (block.isEmpty()) break;
    }
    if (!joiner.full() && !line.isEmpty()) {
        if (line.endsWith('\r')) line.chop(1);
        joiner.addLine(decodeLine(line));
    }
    result.text = joiner.text();
    return result;
}
