#include "core/ToolbarButtons.h"

#include "core/Globals.h"
#include "framework/host/Host.h"
#include "framework/window/WindowRegistry.h"

namespace {

using ToolButton = ToolbarButtons::Button;
using ToolbarButtons::Rule;

ToolButton command(int control, const char* text, const char* tip, const char* icon, Rule rule,
                   int browseAction) {
    return {control, text, tip, icon, rule, browseAction};
}

ToolButton start(int control, const char* text, const char* tip, const char* icon, Rule rule,
                 Procedure procedure, Way way = Way::OwnThread) {
    return {control, text, tip, icon, rule, 0, procedure, way};
}

bool holds(Rule rule) {
    const bool browseOpen = GLO.Threads.isOpen(Instance::ArchiveBrowse);
    const int level = GLO.UserLevel;
    switch (rule) {
    case Rule::Always:
        return true;
    case Rule::LevelTwo:
        return level >= 2;
    case Rule::LevelThree:
        return level >= 3;
    case Rule::BrowseOpen:
        return browseOpen;
    case Rule::BrowseClosed:
        return !browseOpen;
    case Rule::EntriesToChange:
        return level >= 2 && browseOpen && GLO.ArchiveCount > 0;
    }
    return false;
}

} // namespace

const std::vector<ToolButton>& ToolbarButtons::all() {
    using P = Procedure;
    static const std::vector<ToolButton> buttons = {
        command(1, "Delete record", "Delete record", "cancel.ico", Rule::EntriesToChange,
                BrowseActionDeleteRecord),
        start(2, "Scan - Import from CD/Disk", "Scan - Import record(s)", "download.ico",
              Rule::LevelTwo, P::ScanResults),
        command(3, "Delete CD/Disk", "Delete CD/Disk", "Cancel4.ico", Rule::EntriesToChange,
                BrowseActionDeleteMedium),
        start(4, "Browse Wareloft", "Browse Wareloft", "Database.ico", Rule::BrowseClosed,
              P::ArchiveBrowse),
        start(5, "Search", "Search", "seek.ico", Rule::Always, P::Search),
        [] {
            ToolButton b = start(6, "User options", "User options", "tools.ico", Rule::LevelThree,
                                 P::SystemOptions);
            b.programDirFirst = true;
            return b;
        }(),
        command(7, "Email producer", "Email producer", "send1.ico", Rule::BrowseOpen,
                BrowseActionMail),
        command(8, "Connect to  Website ", "Connect to  Website ", "connect.ico", Rule::BrowseOpen,
                BrowseActionWebsite),
        command(9, "Properties of record", "Properties of record", "vg.ico", Rule::BrowseOpen,
                BrowseActionProperties),
        start(10, "Insert new CD", "Insert new CD", "CD.ico", Rule::LevelTwo, P::NewCd,
              Way::CallersThread),
        start(11, "Include to CD/Disk/HD/ZIP", "Include to CD/Disk/HD/ZIP", "folder.ico",
              Rule::EntriesToChange, P::IncludeToMedium, Way::CallersThread),
        start(12, "Insert New Disk/ZIP or Add to HD", "New Disk/HD/ZIP", "Disk12.ico",
              Rule::LevelTwo, P::NewDisk, Way::CallersThread),
    };
    return buttons;
}

const ToolButton* ToolbarButtons::find(int control) {
    for (const ToolButton& b : all())
        if (b.control == control) return &b;
    return nullptr;
}

bool ToolbarButtons::enabled(const ToolButton& button) {
    // A command for the archive browse needs the browse.
    const Procedure needed = button.browseAction ? Procedure::ArchiveBrowse : button.procedure;
    return holds(button.rule) && Procedures::exists(needed);
}

void ToolbarButtons::press(const ToolButton& button) {
    if (button.browseAction) {
        GLO.BrowseAction = button.browseAction;
        WindowRegistry::PostGainFocus(int(GLO.Threads.thread(Instance::ArchiveBrowse)));
        return;
    }
    if (button.programDirFirst) Host::instance().setCurrentDirectory(GLO.ProgramDir);
    Procedures::run(button.procedure, button.way);
}
