#include "core/Globals.h"

Globals GLO;

ArchiefRecord ARC;
PrdRecord PRD;
SoortTabelRecord SRT;
IdeRecord IDE;
LogRecord LOG;
SysRecord SYS;
DrvRecord DRV;

void Globals::clear() {
    UserName.clear();
    UserLevel = 0;
    UserID = 0;
    ArchiveCount = 0;
    ProgramDir.clear();
    HelpFile.clear();
    Wallpaper.clear();
    BrowseColor = 0;
    ClassFilter.clear();
    CurrentMediumName.clear();
    CurrentCdNr = 0;
    CurrentDiskNr = 0;
    BarPosition = ToolbarShown = UseNotebook = KeepSelection = BrowseAction = 0;
    freeQueues();
    Threads.clear();
}

void Globals::freeQueues() {
    DriveQueue.free();
    ScanFileQueue.free();
    SearchResultQueue.free();
}

void clearRecordBuffers() {
    ARC.clear();
    PRD.clear();
    SRT.clear();
    IDE.clear();
    LOG.clear();
    SYS.clear();
    DRV.clear();
}
