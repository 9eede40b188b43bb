#include "framework/MessageTable.h"

namespace {

void putWord(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

int word(const QByteArray& in, qsizetype at) {
    return quint8(in[at]) | (quint8(in[at + 1]) << 8);
}

// A length byte and at most 255 bytes of UTF-8, never ending inside a character.
void putText(QByteArray& out, const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > 255) {
        qsizetype cut = 255;
        while (cut > 0 && (quint8(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        bytes.truncate(cut);
    }
    out.append(char(bytes.size()));
    out.append(bytes);
}

bool takeText(const QByteArray& in, qsizetype& at, QString& text) {
    if (at >= in.size()) return false;
    const int length = quint8(in[at]);
    if (at + 1 + length > in.size()) return false;
    text = QString::fromUtf8(in.constData() + at + 1, length);
    at += 1 + length;
    return true;
}

} // namespace

QByteArray MessageTable::encode(const std::vector<ErrorManager::Entry>& entries) {
    QByteArray out;
    putWord(out, int(entries.size()));
    for (const auto& e : entries) {
        putWord(out, e.Id);
        out.append(char(e.Fatality & 0xFF));
        putText(out, e.Title);
        putText(out, e.Message);
    }
    return out;
}

void MessageTable::decode(const QByteArray& table, std::vector<ErrorManager::Entry>& into) {
    if (table.size() < 2) return;
    const int count = word(table, 0);
    qsizetype at = 2;
    for (int n = 0; n < count; ++n) {
        if (at + 3 > table.size()) return;
        ErrorManager::Entry e;
        e.Id = word(table, at);
        e.Fatality = quint8(table[at + 2]);
        at += 3;
        if (!takeText(table, at, e.Title) || !takeText(table, at, e.Message)) return;
        into.push_back(std::move(e));
    }
}
