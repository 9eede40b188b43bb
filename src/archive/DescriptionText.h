#pragma once

#include <QString>

// The description taken from a text file of a medium: its lines one after the other, each
// without its trailing blanks and with no separator between them, at most a description's
// 10,000 characters. A file of any size is read only as far as the description needs, and
// neither binary content nor bytes that are no text reach the description.
namespace DescriptionText {

inline constexpr int Limit = 10000;

// Whether a file's content becomes its description: extensions TXT, INI, BAK and LOG.
bool takesContent(const QString& fileName);

struct Result {
    bool opened = false;
    QString text;
    QString error; // the platform's text when the file could not be opened
};
// `hostFile` is a path of this computer.
Result read(const QString& hostFile, int limit = Limit);

} // namespace DescriptionText
