#include "framework/ErrorManager.h"

#include "framework/MessageTable.h"
#include "framework/Text.h"
#include "framework/Threads.h"
#include "framework/host/Host.h"

namespace {

constexpr int NameLength = 255;    // FileName, FieldName, MessageText, procedure names
constexpr int FilledLength = 2000; // a filled text never grows past this

const char* const FatalSuffix = "  Press OK to end this application";

} // namespace

ErrorManager::ErrorManager() = default;
ErrorManager::~ErrorManager() = default;

void ErrorManager::Init() {
    {
        std::scoped_lock guard(lock_);
        Errors.clear();
        ProcNames.clear();
    }
    AddErrors(DefaultTable());
}

void ErrorManager::Kill() {
    std::scoped_lock guard(lock_);
    Errors.clear();
    ProcNames.clear();
}

void ErrorManager::AddErrors(const QByteArray& table) {
    std::scoped_lock guard(lock_);
    MessageTable::decode(table, Errors);
}

void ErrorManager::SetErrors(const store::Status& status) {
    std::scoped_lock guard(lock_);
    SaveErrorCode = status.code;
    SaveError = Text::fit(status.text, NameLength);
    SaveFileErrorCode = Text::fit(status.driverCode, NameLength);
    SaveFileError = Text::fit(status.driverText, NameLength);
}

void ErrorManager::SetFile(const QString& name) {
    std::scoped_lock guard(lock_);
    FileName = Text::fit(name, NameLength);
}

void ErrorManager::SetField(const QString& name) {
    std::scoped_lock guard(lock_);
    FieldName = Text::fit(name, NameLength);
}

void ErrorManager::SetProcedureName(const QString& name, bool remove) {
    std::scoped_lock guard(lock_);
    const int thread = Threads::current();
    if (!remove) {
        ProcNames.push_back({thread, Text::fit(name, NameLength)});
        return;
    }
    for (auto it = ProcNames.rbegin(); it != ProcNames.rend(); ++it) {
        if (it->Thread == thread) {
            ProcNames.erase(std::next(it).base());
            return;
        }
    }
}

QString ErrorManager::GetProcedureName() const {
    std::scoped_lock guard(lock_);
    const int thread = Threads::current();
    for (auto it = ProcNames.rbegin(); it != ProcNames.rend(); ++it)
        if (it->Thread == thread) return it->Name;
    return {};
}

// The details of the failure were kept by the caller's SetErrors(status) before anything
// else could change them.
int ErrorManager::Throw(int id) {
    return Raise(id);
}

int ErrorManager::ThrowMessage(int id, const QString& text) {
    {
        std::scoped_lock guard(lock_);
        MessageText = Text::fit(text, NameLength);
    }
    return Throw(id);
}

int ErrorManager::Raise(int id) {
    Entry entry;
    {
        std::scoped_lock guard(lock_);
        const Entry* found = Find(id);
        if (!found) return LevelBenign; // every id the system raises is in the default table
        entry = *found;
    }
    // No lock is held while a box is shown: other threads may keep reporting meanwhile.
    switch (entry.Fatality) {
    case LevelBenign:
        return HandleBenign(entry);
    case LevelUser:
    case LevelCancel:
        return HandleUser(entry);
    case LevelProgram:
        return HandleProgram(entry);
    case LevelFatal:
        return HandleFatal(entry);
    case LevelNotify:
        return HandleNotify(entry);
    default:
        return HandleOther(entry);
    }
}

int ErrorManager::Message(int id, int buttons, int defaultButton) {
    Entry entry;
    QString text;
    {
        std::scoped_lock guard(lock_);
        const Entry* found = Find(id);
        if (!found) return defaultButton;
        entry = *found;
        text = fill(entry.Message, found);
    }
    return Host::instance().message(text, entry.Title, Icon::Exclamation, buttons, defaultButton);
}

QString ErrorManager::SubsString(int id) const {
    std::scoped_lock guard(lock_);
    const Entry* entry = Find(id);
    return entry ? fill(entry->Message, entry) : QString();
}

const ErrorManager::Entry* ErrorManager::Find(int id) const {
    std::scoped_lock guard(lock_);
    for (auto it = Errors.rbegin(); it != Errors.rend(); ++it)
        if (it->Id == id) return &*it;
    return nullptr;
}

const ErrorManager::Entry* ErrorManager::findOlder(int id, const Entry* newer) const {
    if (newer < Errors.data() || newer >= Errors.data() + Errors.size()) return nullptr;
    for (const Entry* e = newer; e != Errors.data();) {
        --e;
        if (e->Id == id) return e;
    }
    return nullptr;
}

QString ErrorManager::fill(const QString& text, const Entry* entry) const {
    std::scoped_lock guard(lock_);
    const QString errorText = SaveErrorCode == store::FileSystemError
                                  ? SaveFileError + " (" + SaveFileErrorCode + ")"
                                  : SaveError + " (" + QString::number(SaveErrorCode) + ")";
    // Longer placeholders go before the shorter ones they begin with.
    const std::pair<const char*, QString> values[] = {
        {"%ErrorText", errorText},
        {"%ErrorCode", QString::number(SaveErrorCode)},
        {"%FileErrorCode", SaveFileErrorCode},
        {"%FileError", SaveFileError},
        {"%File", FileName},
        {"%Error", SaveError},
        {"%Message", MessageText},
        {"%Field", FieldName},
        {"%Procedure", GetProcedureName()},
    };
    QString out = text;
    for (const auto& [placeholder, value] : values)
        out.replace(QLatin1String(placeholder), value, Qt::CaseInsensitive);

    const QLatin1String previous("%Previous");
    if (out.contains(previous, Qt::CaseInsensitive)) {
        // The older entry's text is filled as well, so a chain of extensions reads whole.
        const Entry* older = entry ? findOlder(entry->Id, entry) : nullptr;
        out.replace(previous, older ? fill(older->Message, older) : QString(), Qt::CaseInsensitive);
    }
    return out.left(FilledLength);
}

int ErrorManager::HandleBenign(const Entry&) {
    return LevelBenign;
}

int ErrorManager::HandleUser(const Entry& e) {
    const int pressed = Host::instance().message(SubsString(e.Id), e.Title, Icon::Exclamation,
                                                 ButtonYes | ButtonNo, ButtonYes);
    return pressed == ButtonYes ? LevelBenign : LevelCancel;
}

int ErrorManager::HandleNotify(const Entry& e) {
    Host::instance().message(SubsString(e.Id), e.Title, Icon::Information, ButtonOk, ButtonOk);
    return LevelNotify;
}

int ErrorManager::HandleFatal(const Entry& e) {
    Host::instance().message(SubsString(e.Id) + FatalSuffix, e.Title, Icon::Information, ButtonOk,
                             ButtonOk);
    Host::instance().endProgram(0, e.Title);
    return LevelFatal;
}

int ErrorManager::HandleProgram(const Entry& e) {
    return HandleFatal(e);
}

int ErrorManager::HandleOther(const Entry& e) {
    return HandleProgram(e);
}
