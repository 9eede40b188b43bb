#include "archive/BrowsArchief.h"

#include "archive/BrowsArchiefWindow.h"
#include "core/Globals.h"

void BrowsArchief() {
    auto* window = new BrowsArchiefWindow;
    window->SingleInstance = {[] { return int(GLO.Threads.thread(Instance::ArchiveBrowse)); },
                              [](int t) { GLO.Threads.set(Instance::ArchiveBrowse, quint32(t)); }};
    window->Start();
}
