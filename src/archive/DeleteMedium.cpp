#include "archive/DeleteMedium.h"

#include "archive/DeleteMediumWindows.h"
#include "archive/MediumDeletion.h"
#include "core/Globals.h"
#include "core/Notices.h"
#include "framework/window/BusyCursor.h"
#include "framework/window/WindowRegistry.h"

int DeleteMedium(const ArchiefRecord& highlighted) {
    const Medium medium = Medium::of(highlighted);
    if (medium.kind == Medium::None) return 0;
    if (!DelCDisk(medium.kindText(), QString::number(medium.number))) return 0;

    MediumDeletion deletion(medium);
    {
        BusyCursor busy;
        DeletionProgressWindow progress(deletion);
        progress.Run();
    }
    if (!deletion.failure().isEmpty()) {
        Notices::notice(deletion.failure());
        return 0;
    }
    const int deleted = deletion.deleted();
    GLO.ArchiveCount -= quint32(std::min<qint64>(deleted, GLO.ArchiveCount));
    WindowRegistry::PostGainFocus(int(GLO.Threads.thread(Instance::Toolbar)));
    return deleted;
}
