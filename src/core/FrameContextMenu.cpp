#include "core/FrameContextMenu.h"

#include <QStringList>

namespace {

struct Group {
    std::vector<FrameContextMenu::Item> items;
};

FrameContextMenu::Item started(const char* text, Procedure p, Way way = Way::OwnThread) {
    return {QString::fromUtf8(text), {FrameCommand::Procedure, p, way}};
}
FrameContextMenu::Item command(const char* text, FrameCommand c) {
    return {QString::fromUtf8(text), {c}};
}

std::vector<Group> groups(int level) {
    using P = Procedure;
    const Group prints = {{started("Print &Archive", P::PrintArchive),
                           started("Print P&roducers", P::PrintProducers),
                           started("Print C&Lass", P::PrintClasses)}};
    const Group ending[] = {{{command("Set &Wallpaper", FrameCommand::Wallpaper)}},
                            {{command("&Help", FrameCommand::ProgramHelp)}},
                            {{command("&Exit", FrameCommand::Exit)}}};
    std::vector<Group> all;
    all.push_back({{started("&Wareloft", P::ArchiveBrowse)}});
    if (level < 2) {
        all.push_back({{started("&Producers", P::ProducerBrowse),
                        started("Software &Class", P::ClassBrowse)}});
        all.push_back({{started("Scan/&Import", P::ScanResults)}});
        all.push_back({{started("Searc&h", P::Search)}});
    } else {
        all.push_back({{started("New &CD", P::NewCd, Way::CallersThread),
                        started("New &Disk", P::NewDisk, Way::CallersThread),
                        started("Scan/&Import", P::ScanResults)}});
        all.push_back({{started("Searc&h", P::Search)}});
        all.push_back({{started("&Producers", P::ProducerBrowse)}});
        all.push_back({{started("Software &Class", P::ClassBrowse)}});
    }
    all.push_back(prints);
    all.insert(all.end(), std::begin(ending), std::end(ending));
    return all;
}

} // namespace

std::vector<FrameContextMenu::Item> FrameContextMenu::items(int level) {
    std::vector<Item> out;
    for (const Group& g : groups(level))
        out.insert(out.end(), g.items.begin(), g.items.end());
    return out;
}

QString FrameContextMenu::popupText(int level) {
    QStringList parts;
    for (const Group& g : groups(level)) {
        if (!parts.isEmpty()) parts << QStringLiteral("-");
        for (const Item& i : g.items) {
            const bool missing = i.action.command == FrameCommand::Procedure &&
                                 !Procedures::exists(i.action.procedure);
            parts << (missing ? QStringLiteral("~") : QString()) + i.text;
        }
    }
    return parts.join(QLatin1Char('|'));
}
