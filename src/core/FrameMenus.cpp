#include "core/FrameMenus.h"

#include "core/Globals.h"

#include <QMenu>
#include <QMenuBar>
#include <QStringList>

namespace {

FrameAction run(Procedure p, Way way = Way::AsListed) {
    return {FrameCommand::Procedure, p, way};
}
FrameAction command(FrameCommand c) {
    return {c};
}

bool everythingShown() {
    return GLO.ClassFilter.str().compare(QLatin1String("Everything"), Qt::CaseInsensitive) == 0;
}

} // namespace

// The menu bar in order: depth 0 is a menu of the bar, an entry followed by deeper ones is
// a submenu.
const std::vector<FrameMenus::Entry>& FrameMenus::entries() {
    using C = FrameCommand;
    using P = Procedure;
    static const std::vector<Entry> all = {
        {0, "&Application"},
        {1, "&Logon", command(C::Logon), Rule::BrowseClosed},
        {1, "E&xit", command(C::Exit), Rule::None, "Exit this application"},
        {0, "&Menu"},
        {1, "&Archive", run(P::ArchiveBrowse)},
        {1, "&Producer", run(P::ProducerBrowse)},
        {1, "&Class", run(P::ClassBrowse), Rule::LevelTwo},
        {1, "&HouseHold"},
        {2, "&Keep Selection", command(C::KeepSelection), Rule::KeepSelection, nullptr, true},
        {2, "View"},
        {3, "&Use Notebook", command(C::UseNotebook), Rule::None, nullptr, true},
        {3, "&Toolbar", command(C::Toolbar), Rule::None, nullptr, true},
        {3, "&BrowseBox Color", command(C::BrowseColor)},
        {3, "&Set Wallpaper", command(C::Wallpaper)},
        {2, "&Password", run(P::Password)},
        {2, "P&rint Setup", command(C::PrintSetup), Rule::None, "Setup Printer"},
        {1, "&System", {}, Rule::LevelThreeShown},
        {2, "&Users", run(P::Users)},
        {2, "&Logbook"},
        {3, "&Options", run(P::SystemOptions)},
        {3, "&LogBook", run(P::Logbook)},
        {2, "&Backup Files"},
        {3, "&Options", run(P::SystemOptions)},
        {3, "&Import", run(P::Restore)},
        {2, "Configure Drives", run(P::DriveConfiguration)},
        {1, "&Print"},
        {2, "&Archive", run(P::PrintArchive)},
        {2, "&Producers", run(P::PrintProducers)},
        {2, "&Software Class", run(P::PrintClasses)},
        {2, "Report &Writer", command(C::None), Rule::Disabled},
        {0, "&Edit"},
        {1, "Cu&t", command(C::Cut), Rule::None, "Remove item to Windows Clipboard"},
        {1, "&Copy", command(C::Copy), Rule::None, "Copy item to Windows Clipboard"},
        {1, "&Paste", command(C::Paste), Rule::None, "Paste contents of Windows Clipboard"},
        {1, "&Undo", command(C::Undo)},
        {0, "&Window"},
        {1, "T&ile", command(C::Tile), Rule::None, "Make all open windows visible"},
        {1, "&Cascade", command(C::Cascade), Rule::None, "Stack all open windows"},
        {1, "&Arrange Icons", command(C::ArrangeIcons), Rule::None, "Align all window icons"},
        {0, "&Help"},
        {1, "&Getting started", command(C::GettingStarted), Rule::None,
         "View the contents of the help file"},
        {1, "&How to Use Help", command(C::HowToUseHelp), Rule::None, "How to use Windows Help"},
    };
    return all;
}

FrameMenus::FrameMenus(QMenuBar& bar, std::function<void(int)> choose) {
    const std::vector<Entry>& all = entries();
    std::vector<QMenu*> menus; // the open menu of each depth
    QStringList path;
    for (size_t n = 0; n < all.size(); ++n) {
        const Entry& e = all[n];
        const QString text = QString::fromUtf8(e.text);
        menus.resize(e.depth);
        path.resize(e.depth);
        path.push_back(QString(text).remove(QLatin1Char('&')));
        const bool submenu = n + 1 < all.size() && all[n + 1].depth > e.depth;
        QAction* action = nullptr;
        if (submenu) {
            QMenu* menu = e.depth == 0 ? bar.addMenu(text) : menus.back()->addMenu(text);
            menus.push_back(menu);
            action = menu->menuAction();
        } else {
            action = menus.back()->addAction(text);
            const int control = FirstControl + int(n);
            QObject::connect(action, &QAction::triggered, action,
                             [choose, control] { choose(control); });
        }
        action->setObjectName(path.join(QLatin1Char('/')));
        action->setCheckable(e.check);
        if (e.tip) action->setStatusTip(QString::fromUtf8(e.tip));
        items_.push_back({action, &e});
    }
    for (QMenu* menu : bar.findChildren<QMenu*>())
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { refresh(); });
    refresh();
}

const FrameAction* FrameMenus::actionOf(int control) const {
    const int n = control - FirstControl;
    if (n < 0 || n >= int(items_.size())) return nullptr;
    const Item& item = items_[n];
    if (item.action->menu() || !item.action->isEnabled()) return nullptr;
    return &item.entry->action;
}

QAction* FrameMenus::item(const QString& path) const {
    for (const Item& i : items_)
        if (i.action->objectName() == path) return i.action;
    return nullptr;
}

bool FrameMenus::allowed(Rule rule) {
    const bool browseOpen = GLO.Threads.isOpen(Instance::ArchiveBrowse);
    switch (rule) {
    case Rule::LevelTwo:
        return GLO.UserLevel >= 2;
    case Rule::LevelThreeShown:
        return GLO.UserLevel >= 3;
    case Rule::BrowseClosed:
        return !browseOpen;
    case Rule::KeepSelection:
        return browseOpen && !everythingShown();
    case Rule::Disabled:
        return false;
    case Rule::None:
        return true;
    }
    return true;
}

void FrameMenus::refresh() {
    for (const Item& i : items_) {
        const Entry& e = *i.entry;
        if (e.rule == Rule::LevelThreeShown) {
            i.action->setVisible(allowed(e.rule));
            continue;
        }
        bool on = allowed(e.rule);
        if (e.action.command == FrameCommand::Procedure)
            on = on && Procedures::exists(e.action.procedure);
        i.action->setEnabled(on);
        if (e.check) tick(i);
    }
}

void FrameMenus::tick(const Item& item) const {
    switch (item.entry->action.command) {
    case FrameCommand::KeepSelection:
        item.action->setChecked(GLO.KeepSelection != 0);
        break;
    case FrameCommand::UseNotebook:
        item.action->setChecked(GLO.UseNotebook != 0);
        break;
    case FrameCommand::Toolbar:
        item.action->setChecked(GLO.Threads.isOpen(Instance::Toolbar));
        break;
    default:
        break;
    }
}
