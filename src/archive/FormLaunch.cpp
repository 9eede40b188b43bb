#include "archive/FormLaunch.h"

#include "framework/host/Host.h"

void FormLaunch::run(const QString& path, bool /*local*/, int mode) {
    switch (mode) {
    case 2: // the picture viewer, when there is one
    case 3: // the text viewer, when there is one
    case 4:
        Host::instance().shellOpen(path.left(255).trimmed());
        break;
    default:
        break;
    }
}
