#include "producers/UpdatePrd.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Notices.h"
#include "framework/host/Host.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowRegistry.h"

namespace {

// The last saved values of the four entries, recalled with Ctrl+'; kept between runs.
std::vector<FieldValue>& history() {
    static std::vector<FieldValue> saved;
    return saved;
}

QString captionFor(int request) {
    const QString name = PRD.Name.str();
    switch (request) {
    case InsertRecord:
        return QStringLiteral("Adding  Producer  (New)");
    case ChangeRecord:
        return QStringLiteral("Properties of  Producer  (") + name + u')';
    case DeleteRecord:
        return QStringLiteral("  (") + name + u')';
    default:
        return QStringLiteral("Update Producers");
    }
}

} // namespace

UpdatePrd::UpdatePrd() : WindowController(QStringLiteral("UpdatePrd")) {}

int UpdatePrd::Init() {
    if (const int level = WindowController::Init()) return level;
    const FileDef& prd = Dictionary::Prd();
    struct Line {
        int prompt, entry;
        const char *label, *field, *picture, *tip;
    };
    static constexpr Line lines[] = {
        {NamePrompt, NameEntry, "Producer :", "PRD:Name", "@s30", "Producer of the program"},
        {WebsitePrompt, WebsiteEntry, "Website:", "PRD:Website", "@s80", "Website adress (URL)"},
        {SupportPrompt, SupportEntry, "Support:", "PRD:Support", "@s30", "Email adress "},
        {PhonePrompt, PhoneEntry, "Phone:", "PRD:Phone", "@s30", "Phonenumber"},
    };
    C().sheet(Sheet).at(0, 0, 1, 3);
    C().tab(GeneralTab, QStringLiteral("General")).in(Sheet);
    HistoryKey = Keys::CtrlApostrophe;
    AddHistoryFile(PRD, history());
    int row = 0;
    for (const Line& l : lines) {
        const int field = prd.fieldIndex(QString::fromLatin1(l.field));
        C().prompt(l.prompt, QString::fromLatin1(l.label)).in(GeneralTab).at(row, 0);
        C().entry(l.entry, QString::fromLatin1(l.picture))
            .in(GeneralTab)
            .at(row++, 1)
            .width(l.entry == WebsiteEntry ? 40 : 24)
            .use(PRD, field)
            .tip(QString::fromLatin1(l.tip));
        AddHistoryField(l.entry, field);
    }
    C().button(OkButton, QStringLiteral("&OK")).at(1, 0).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 1);
    C().button(HelpButton, QStringLiteral("&Help")).at(1, 2);

    AddButton(CancelButton, RequestCancelled);
    HelpControl = HelpButton;
    Relate::Prd().Open();
    filesOpened_ = true;
    Primary = &Relate::Prd();
    OKControl = OkButton;
    FirstField = NameEntry;
    before_ = PRD.Name.str();
    SetTitle(captionFor(Request));
    return Open();
}

// Below level 2 the producer is looked at, not changed.
void UpdatePrd::FirstOpen() {
    WindowController::FirstOpen();
    if (GLO.UserLevel < 2)
        for (int entry : {NameEntry, WebsiteEntry, SupportEntry, PhoneEntry})
            C().Disable(entry);
}

int UpdatePrd::Kill() {
    const int level = WindowController::Kill();
    if (filesOpened_) Relate::Prd().Close();
    filesOpened_ = false;
    // An archive browse shows the new name at its next reset.
    if (renamed_)
        if (const quint32 browse = GLO.Threads.thread(Instance::ArchiveBrowse))
            WindowRegistry::PostGainFocus(int(browse));
    return level;
}

int UpdatePrd::TakeAccepted() {
    if (Field() == HelpButton) {
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

// A producer without a name would drop out of the list ordered by name.
int UpdatePrd::TakeCompleted() {
    if ((Request == InsertRecord || Request == ChangeRecord) && PRD.Name.isBlank()) {
        Notices::notice(QStringLiteral("A producer needs a name."));
        Select(NameEntry);
        return LevelNotify;
    }
    // A rename walks the archive entries through the archive's record buffer, which belongs
    // to whoever called this form (the archive form looking a producer up).
    const int archive = Access::Archief().SaveBuffer();
    const int level = WindowController::TakeCompleted();
    Access::Archief().RestoreBuffer(archive);
    renamed_ = Request == ChangeRecord && Response == RequestCompleted && PRD.Name.str() != before_;
    return level;
}
