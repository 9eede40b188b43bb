#pragma once

#include <QString>

// What the archive, the scan and the search read from a file's name.
namespace FileNames {

// The three characters after the first "." of the name, in capitals ("V2." for
// SETUP.V2.TXT); empty without a ".". A path's folders count too.
QString extension(const QString& name);

} // namespace FileNames
