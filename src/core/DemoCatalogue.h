#pragma once

#include <QString>

// A small catalogue to look at in a new demo data directory: classes, producers and a few
// CDs and disks with their programs.
namespace DemoCatalogue {
bool add(QString& report);
}
