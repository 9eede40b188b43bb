#include "core/Procedures.h"

#include "archive/ArchiveReportWindows.h"
#include "archive/BrowsArchief.h"
#include "archive/BrowsTabel.h"
#include "archive/PrintClass.h"
#include "archive/UpdateArchief.h"
#include "core/BrowsLog.h"
#include "core/BrowsUsers.h"
#include "core/Globals.h"
#include "core/Restore.h"
#include "core/SystemOptionsWindow.h"
#include "core/UpdatePass.h"
#include "framework/window/Requests.h"
#include "producers/BrowsProducer.h"
#include "producers/PrintProducers.h"
#include "scan/DriveConfiguration.h"
#include "scan/ScanResults.h"
#include "search/SearchWindow.h"

#include <map>

namespace {

struct Listing {
    Procedure procedure;
    Way listed; // the way the menu bar starts it
    void (*ownThread)();
    void (*callersThread)();
};

// The archive record form adding a new CD, a new disk, or a file to the highlighted medium.
template <quint8 Kind> void addToArchive() {
    Protocol::GlobalRequest = InsertRecord;
    UpdateArchief(Kind, 0, 0);
}

// Each procedure once, with its ways of starting; nullptr where it is not built yet.
constexpr Listing listings[] = {
    {Procedure::ArchiveBrowse, Way::OwnThread, BrowsArchief, nullptr},
    {Procedure::ProducerBrowse, Way::OwnThread, StartBrowsProducer, BrowsProducer},
    {Procedure::ClassBrowse, Way::OwnThread, BrowsTabel, nullptr},
    {Procedure::Password, Way::OwnThread, [] { UpdatePass(); }, nullptr},
    {Procedure::Users, Way::OwnThread, [] { BrowsUsers(); }, nullptr},
    {Procedure::SystemOptions, Way::CallersThread, [] { SystemOptionsWindow::StartOwn(); },
     [] { SystemOptionsWindow::RunHere(); }},
    {Procedure::Logbook, Way::OwnThread, [] { BrowsLog(); }, nullptr},
    {Procedure::Restore, Way::CallersThread, nullptr, [] { Restore::run(); }},
    {Procedure::PrintArchive, Way::OwnThread, [] { PrintDatabase(); }, nullptr},
    {Procedure::PrintSelection, Way::OwnThread, [] { PrintSelection(GLO.ClassFilter.str()); },
     nullptr},
    {Procedure::PrintRecord, Way::OwnThread, [] { PrintSingleRecord(QString::number(ARC.NR)); },
     nullptr},
    {Procedure::PrintProducers, Way::OwnThread, [] { PrintProducers(); }, nullptr},
    {Procedure::PrintClasses, Way::OwnThread, [] { PrintClass(); }, nullptr},
    {Procedure::ScanResults, Way::OwnThread, ScanResults, nullptr},
    {Procedure::Search, Way::OwnThread, [] { Search(); }, nullptr},
    {Procedure::NewCd, Way::CallersThread, nullptr, addToArchive<1>},
    {Procedure::NewDisk, Way::CallersThread, nullptr, addToArchive<2>},
    {Procedure::IncludeToMedium, Way::CallersThread, nullptr, addToArchive<3>},
    {Procedure::DriveConfiguration, Way::CallersThread, nullptr, [] { DriveConfiguration(); }},
};

std::map<Procedure, std::function<void(Way)>>& substitutes() {
    static std::map<Procedure, std::function<void(Way)>> all;
    return all;
}

const Listing* find(Procedure procedure) {
    for (const Listing& l : listings)
        if (l.procedure == procedure) return &l;
    return nullptr;
}

} // namespace

bool Procedures::exists(Procedure procedure) {
    if (substitutes().count(procedure)) return true;
    const Listing* l = find(procedure);
    return l && (l->ownThread || l->callersThread);
}

void Procedures::run(Procedure procedure, Way way) {
    const Listing* l = find(procedure);
    if (!l) return;
    if (way == Way::AsListed) way = l->listed;
    if (const auto s = substitutes().find(procedure); s != substitutes().end()) {
        s->second(way);
        return;
    }
    void (*start)() = way == Way::OwnThread ? l->ownThread : l->callersThread;
    if (!start) start = l->ownThread ? l->ownThread : l->callersThread;
    if (start) start();
}

void Procedures::Substitute(Procedure procedure, std::function<void(Way)> start) {
    if (start)
        substitutes()[procedure] = std::move(start);
    else
        substitutes().erase(procedure);
}
