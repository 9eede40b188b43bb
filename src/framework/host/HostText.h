#pragma once

#include <QByteArray>
#include <QString>

// Bytes from the host (file names, lines of text files) as text. UTF-8 where the bytes are
// valid UTF-8; a byte that does not belong to a valid sequence stands for itself in the
// Windows code page of old media (0xE9 is "é"), so names and lines written on older systems
// read as they were written and nothing is lost to replacement characters.
namespace HostText {

QString decode(const char* bytes, qsizetype size);
inline QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), bytes.size());
}

// The length of the valid UTF-8 sequence that starts at `bytes`, 0 when there is none.
int sequenceLength(const unsigned char* bytes, qsizetype available);

} // namespace HostText
