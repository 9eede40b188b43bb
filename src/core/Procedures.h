#pragma once

#include <functional>

// The procedures that the main frame, its right-click menu and the toolbar window start.
// A procedure that is not built yet is listed without a way to start it: its menu items
// and buttons stay disabled until it is filled in (Procedures.cpp).
enum class Procedure {
    ArchiveBrowse,
    ProducerBrowse,
    ClassBrowse,
    Password,
    Users,
    SystemOptions,
    Logbook,
    Restore,
    PrintArchive,
    PrintSelection, // the class in GLO:ClassFilter
    PrintRecord,    // the entry in the archive's record
    PrintProducers,
    PrintClasses,
    ScanResults,
    Search,
    NewCd,
    NewDisk,
    IncludeToMedium,
    DriveConfiguration,
};

// How a procedure is started: as its listing says, on a thread number of its own (a
// window that stays open beside the frame), or on the caller's thread until it closes.
enum class Way { AsListed, OwnThread, CallersThread };

namespace Procedures {

bool exists(Procedure procedure);
// Does nothing for a procedure that does not exist yet. A way the procedure does not
// offer falls back to the one it does.
void run(Procedure procedure, Way way = Way::AsListed);
// Lets a test stand in for a procedure, built or not: `start` is called with the way the
// procedure is started. An empty function removes the stand-in.
void Substitute(Procedure procedure, std::function<void(Way)> start);

} // namespace Procedures
