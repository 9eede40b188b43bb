#include "archive/BrowsTabel.h"

#include "archive/BrowsTabelWindow.h"
#include "core/Globals.h"

void BrowsTabel() {
    auto* window = new BrowsTabelWindow;
    window->SingleInstance = {[] { return int(GLO.Threads.thread(Instance::ClassBrowse)); },
                              [](int t) { GLO.Threads.set(Instance::ClassBrowse, quint32(t)); }};
    window->Start();
}
