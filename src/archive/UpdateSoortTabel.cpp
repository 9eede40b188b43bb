#include "archive/UpdateSoortTabel.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Notices.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowRegistry.h"

namespace {

// The last saved value of the name entry, recalled with Ctrl+'; kept between runs.
std::vector<FieldValue>& history() {
    static std::vector<FieldValue> saved;
    return saved;
}

QString captionFor(int request) {
    const QString name = SRT.Soort.str();
    switch (request) {
    case InsertRecord:
        return QStringLiteral("Adding a Software class  (New)");
    case ChangeRecord:
        return QStringLiteral("Changing a Software class  (") + name + u')';
    case DeleteRecord:
        return QStringLiteral("  (") + name + u')';
    default:
        return QStringLiteral("Update the SoortTabel File");
    }
}

// An archive browse showing the renamed class goes on showing it under its new name.
void followRename(const QString& before, const QString& after) {
    if (before.isEmpty() || before == after) return;
    if (GLO.ClassFilter.str().compare(before, Qt::CaseInsensitive) == 0) GLO.ClassFilter = after;
    if (const quint32 browse = GLO.Threads.thread(Instance::ArchiveBrowse))
        WindowRegistry::PostGainFocus(int(browse));
}

} // namespace

UpdateSoortTabel::UpdateSoortTabel() : WindowController(QStringLiteral("UpdateSoortTabel")) {}

int UpdateSoortTabel::Init() {
    if (const int level = WindowController::Init()) return level;
    const int soort = Dictionary::SoortTabel().fieldIndex(QStringLiteral("Srt:Soort"));
    C().sheet(Sheet).at(0, 0, 1, 2);
    C().tab(GeneralTab, QStringLiteral("General")).in(Sheet);
    C().prompt(SoortPrompt, QStringLiteral("Software class :")).in(GeneralTab).at(0, 0);
    C().entry(SoortEntry, QStringLiteral("@s20")).in(GeneralTab).at(0, 1).use(SRT, soort);
    C().button(OkButton, QStringLiteral("&OK")).at(1, 0).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 1);
    Window().setResizable(false);

    HistoryKey = Keys::CtrlApostrophe;
    AddHistoryFile(SRT, history());
    AddHistoryField(SoortEntry, soort);
    AddButton(CancelButton, RequestCancelled);
    Relate::SoortTabel().Open();
    filesOpened_ = true;
    Primary = &Relate::SoortTabel();
    OKControl = OkButton;
    FirstField = SoortEntry;
    before_ = SRT.Soort.str();
    SetTitle(captionFor(Request));
    return Open();
}

int UpdateSoortTabel::Kill() {
    const bool renamed = Request == ChangeRecord && Response == RequestCompleted;
    const QString after = SRT.Soort.str();
    const int level = WindowController::Kill();
    if (filesOpened_) Relate::SoortTabel().Close();
    filesOpened_ = false;
    if (renamed) followRename(before_, after);
    return level;
}

// A class without a name would drop out of every list ordered by class, and with it every
// archive entry renamed to it.
int UpdateSoortTabel::TakeCompleted() {
    if ((Request == InsertRecord || Request == ChangeRecord) && SRT.Soort.isBlank()) {
        Notices::notice(QStringLiteral("A software class needs a name."));
        Select(SoortEntry);
        return LevelNotify;
    }
    // A rename walks the archive entries through the archive's record buffer, which is not
    // this form's.
    const int archive = Access::Archief().SaveBuffer();
    const int level = WindowController::TakeCompleted();
    Access::Archief().RestoreBuffer(archive);
    return level;
}
