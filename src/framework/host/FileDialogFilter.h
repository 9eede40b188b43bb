#pragma once

#include <QStringList>

// Filters of a file dialog as name|pattern pairs ("JPEG|*.jpg|GIF|*.gif") in the form the Qt
// file dialog takes ("JPEG (*.jpg)"). Several patterns of one filter are separated by ";".
// "*.*" stands for every file, also one without an extension. A name without its pattern at
// the end serves as its own pattern.
QStringList qtNameFilters(const QString& filters);
