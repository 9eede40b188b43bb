#pragma once

#include <QIcon>
#include <QImage>
#include <QStringList>

// The program's own pictures, drawn in code and looked up by the file names the windows use
// ("CD.ico", "Trffc10a.ico", "lion.jpg"); letter case does not matter.
namespace Images {

// An icon with pixmaps from 16 to 128 pixels; a null icon for an unknown name.
QIcon icon(const QString& name);
// One square picture of `size` pixels on a transparent ground; null for an unknown name.
// Needs no window system, so it also serves tests and tools.
QImage image(const QString& name, int size);
bool has(const QString& name);
// Every icon name, as the windows write it.
QStringList iconNames();

// The frame's wallpaper: the image file when it can be read (a relative name is taken from
// the current directory); for "lion.jpg" that cannot be read, the drawn lion; otherwise a
// null image.
QImage wallpaper(const QString& fileName);
// The drawn lion at any size.
QImage lion(const QSize& size = QSize(1024, 768));

} // namespace Images
