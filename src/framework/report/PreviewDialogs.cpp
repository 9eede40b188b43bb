#include "framework/report/PreviewDialogs.h"

#include "framework/host/Host.h"
#include "framework/report/PageSelection.h"

#include <QSpinBox>

namespace {

void noTyping(Controls& c, int spin) {
    // A typed page number counts when it is complete, not at each digit.
    if (auto* box = qobject_cast<QSpinBox*>(c.widget(spin))) box->setKeyboardTracking(false);
}

} // namespace

// ---- Jump to a Report Page ---------------------------------------------------------------

PreviewJump::PreviewJump(int pages, int current)
    : WindowController(QStringLiteral("_PreviewJumpWindow_")), Page(current), pages_(pages) {}

int PreviewJump::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(QStringLiteral("Jump to a Report Page"));
    Window().setResizable(false);
    C().prompt(PagePrompt, QStringLiteral("&Page:")).at(0, 0);
    C().spin(PageSpin, 1, std::max(1, pages_)).at(0, 1).use(Page);
    C().SetTip(PageSpin, QStringLiteral("Enter a page number from 1 to %1").arg(pages_));
    noTyping(C(), PageSpin);
    C().button(OkButton, QStringLiteral("&OK")).at(1, 0).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 1);
    AddButton(CancelButton, RequestCancelled);
    FirstField = PageSpin;
    return Open();
}

int PreviewJump::TakeAccepted() {
    if (Field() == OkButton) {
        C().TakePending();
        SetResponse(RequestCompleted);
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

// ---- Change the Report Display -----------------------------------------------------------

PreviewDisplay::PreviewDisplay(int across, int down)
    : WindowController(QStringLiteral("_PreviewDisplayWindow_")), Across(across), Down(down) {}

int PreviewDisplay::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(QStringLiteral("Change the Report Display"));
    Window().setResizable(false);
    C().group(Group, QStringLiteral("Pages Displayed")).at(0, 0, 1, 2);
    C().prompt(AcrossPrompt, QStringLiteral("&Across:")).in(Group).at(0, 0);
    C().spin(AcrossSpin, 1, MostPages).in(Group).at(0, 1).use(Across);
    C().prompt(DownPrompt, QStringLiteral("&Down:")).in(Group).at(1, 0);
    C().spin(DownSpin, 1, MostPages).in(Group).at(1, 1).use(Down);
    noTyping(C(), AcrossSpin);
    noTyping(C(), DownSpin);
    C().button(OkButton, QStringLiteral("&OK")).at(1, 0).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 1);
    AddButton(CancelButton, RequestCancelled);
    FirstField = AcrossSpin;
    return Open();
}

int PreviewDisplay::TakeAccepted() {
    if (Field() == OkButton) {
        C().TakePending();
        SetResponse(RequestCompleted);
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

// ---- Pages to Print ----------------------------------------------------------------------

PreviewAskPages::PreviewAskPages(const QString& pages, int count)
    : WindowController(QStringLiteral("_PreviewAskPagesWindow_")), Pages(pages), count_(count) {}

int PreviewAskPages::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(QStringLiteral("Pages to Print"));
    Window().setResizable(false);
    C().prompt(PagesPrompt, QStringLiteral("&Pages:")).at(0, 0);
    C().entry(PagesEntry, QStringLiteral("@s256")).at(0, 1, 1, 3).width(24).use(Pages);
    C().SetTip(
        PagesEntry,
        QStringLiteral("Pages and ranges, for example 1-3,5,8- (pages 1 to %1)").arg(count_));
    C().button(ResetButton, QStringLiteral("&Reset")).at(1, 1);
    C().button(OkButton, QStringLiteral("&Ok")).at(1, 2).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 3);
    AddButton(CancelButton, RequestCancelled);
    FirstField = PagesEntry;
    return Open();
}

int PreviewAskPages::TakeAccepted() {
    switch (Field()) {
    case ResetButton:
        Pages = PageSelection::DefaultText(count_);
        C().Display(PagesEntry);
        Select(PagesEntry);
        return LevelNotify;
    case OkButton: {
        C().TakePending();
        PageSelection selection;
        QString error;
        if (!PageSelection::Parse(Pages, count_, selection, error)) {
            Host::instance().message(error, QStringLiteral("Pages to Print"), Icon::Exclamation,
                                     ButtonOk, ButtonOk);
            Select(PagesEntry);
            return LevelNotify;
        }
        SetResponse(RequestCompleted);
        return LevelNotify;
    }
    default:
        return WindowController::TakeAccepted();
    }
}
