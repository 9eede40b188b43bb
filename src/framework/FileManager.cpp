#include "framework/FileManager.h"

#include "framework/FieldBindings.h"
#include "framework/FileRegistry.h"
#include "framework/ProcedureScope.h"
#include "framework/Threads.h"
#include "framework/store/Positions.h"

namespace {
constexpr int UseLevel = 2; // the level every file operation of this system passes
constexpr int AccessNibble = 0x0F;
} // namespace

FileManager::~FileManager() {
    Kill();
}

void FileManager::Init(store::StoreFile& file, RecordBuffer& buffer, ErrorManager& errors) {
    File = &file;
    Buffer = &buffer;
    Errors = &errors;
    FileNameValue = file.def().label;
    Create = true;
    LazyOpen = true;
    LockRecover = 10;
    OpenMode = openModeAsDeclared_ = store::ReadWrite | store::DenyNone;
    PrimaryKey = 0;
    FileRegistry::instance().Add(FileNameValue, *this);
}

void FileManager::AddKey(const QString& description, int key, bool autoInc) {
    const KeyDef& def = File->def().keys.at(key - 1);
    KeyEntry entry;
    entry.Key = key;
    entry.Description = description;
    entry.AutoInc = autoInc;
    entry.Dups = !def.unique;
    entry.NoCase = def.noCase;
    for (const KeyPart& part : def.parts) {
        const FieldDef& field = File->def().fields.at(part.field);
        ComponentEntry c;
        c.Field = part.field;
        c.FieldName = entry.NoCase && field.isText() ? "UPPER(" + field.label + ")" : field.label;
        c.Ascend = !part.descending;
        entry.Fields.push_back(c);
    }
    Keys.push_back(entry);
    if (autoInc) HasAutoInc = true;
    if (File->def().primaryKey == key) PrimaryKey = int(Keys.size());
}

void FileManager::Kill() {
    if (!File) return;
    ProcedureScope::instance().Forget(*this);
    FileRegistry::instance().Remove(*this);
    if (Buffer) FieldBindings::instance().Unbind(*Buffer);
    Keys.clear();
    Info.clear();
    Buffers.clear();
    Saved.clear();
    File = nullptr;
}

FileManager::UsageInfo& FileManager::Usage() {
    const int id = ThreadLocal ? Threads::current() : 1;
    for (UsageInfo& u : Info)
        if (u.Id == id) return u;
    UsageInfo u;
    u.Id = id;
    Info.push_back(u);
    return Info.back();
}

void FileManager::registerUse(bool opening) {
    Usage();
    ProcedureScope::instance().Use(*this, UseLevel, opening);
}

void FileManager::BindFields() {
    FieldBindings::instance().Bind(*Buffer);
}

int FileManager::storeCode() const {
    return File->status().code;
}

void FileManager::SetError(int id) {
    Errors->SetErrors(File->status());
    Errors->SetFile(Name());
    Usage().LastError = id;
}

int FileManager::Throw(int id) {
    SetError(id);
    return Errors->Raise(id);
}

int FileManager::ThrowCurrent() {
    Errors->SetFile(Name());
    return Errors->Raise(Usage().LastError);
}

int FileManager::fail(int id, bool raise, int level) {
    SetError(id);
    if (raise) Errors->Raise(id);
    return level;
}

int FileManager::ThrowMessage(int id, const QString& text) {
    Errors->MessageText = text;
    return Throw(id);
}

// ---- opening and closing ---------------------------------------------------------------

int FileManager::Open() {
    return open(true);
}

int FileManager::TryOpen() {
    return open(false);
}

int FileManager::open(bool raise) {
    registerUse(true);
    BindFields();
    UsageInfo& u = Usage();
    if (!LazyOpen && u.Opened == 0 && !File->isOpen()) {
        const int level = openPhysically(raise);
        if (level != LevelBenign) return level;
    }
    ++u.Opened;
    return LevelBenign;
}

int FileManager::openPhysically(bool raise) {
    UsageInfo& u = Usage();
    for (int attempt = 0; attempt < 2; ++attempt) {
        int code = File->open(OpenMode);
        if (code == store::AccessDenied) {
            File->sendOption(QStringLiteral("Recover=%1").arg(LockRecover));
            code = File->open(OpenMode);
        }
        switch (code) {
        case store::Ok:
        case store::AlreadyOpen:
            u.Used = true;
            u.AtEof = false;
            u.AutoIncDone = false;
            return LevelBenign;
        case store::FileNotFound:
            if (!Create) return fail(MsgAccessError, raise, LevelFatal);
            if (File->create() != store::Ok) return fail(MsgCreationError, raise, LevelFatal);
            continue;
        case store::AccessDenied:
            if ((OpenMode & AccessNibble) == store::ReadOnly)
                return fail(MsgAccessError, raise, LevelFatal);
            OpenMode = (OpenMode & ~AccessNibble) | store::ReadOnly;
            fail(MsgAccessDenied, raise, LevelNotify);
            continue;
        case store::InvalidKey:
            if (!raise) return fail(MsgInvalidKey, false, LevelNotify);
            Throw(MsgInvalidKey);
            if (File->buildKeys() != store::Ok) return Throw(MsgKeyNotBuilt);
            continue;
        default:
            return fail(MsgAccessError, raise, LevelFatal);
        }
    }
    return fail(MsgAccessError, raise, LevelFatal);
}

void FileManager::closePhysically() {
    File->close();
    for (UsageInfo& u : Info)
        u.Used = false;
    OpenMode = openModeAsDeclared_;
    reserved_ = {};
    EndBulkInsert();
}

int FileManager::Close() {
    UsageInfo& u = Usage();
    if (u.Opened == 0) return LevelBenign;
    ProcedureScope::instance().Close(*this);
    if (--u.Opened == 0) {
        bool stillOpened = false;
        for (const UsageInfo& other : Info)
            stillOpened = stillOpened || other.Opened > 0;
        if (!stillOpened) closePhysically();
    }
    return LevelBenign;
}

int FileManager::UseFile() {
    registerUse(false);
    if (!LazyOpen || File->isOpen()) return LevelBenign;
    if (Usage().Opened == 0) {
        Throw(MsgUsageError);
        return LevelFatal;
    }
    const std::vector<FieldValue> kept = Buffer->values();
    const int level = openPhysically(true);
    Buffer->setValues(kept);
    return level == LevelBenign ? LevelBenign : LevelFatal;
}

// ---- snapshots and saved states --------------------------------------------------------

int FileManager::SaveBuffer() {
    // A snapshot takes one id for the record and one per memo field after it.
    const int id = nextSnapshotId_;
    int memos = 0;
    for (const FieldDef& f : File->def().fields)
        if (f.type == FieldType::Memo) ++memos;
    nextSnapshotId_ += 1 + memos;
    Buffers.push_back({id, Buffer->values(), Buffer->identity()});
    return id;
}

void FileManager::RestoreBuffer(int id, bool restore) {
    for (auto it = Buffers.begin(); it != Buffers.end(); ++it) {
        if (it->Id != id) continue;
        if (restore) {
            Buffer->setValues(it->Values);
            Buffer->setIdentity(it->Identity);
        }
        Buffers.erase(it);
        return;
    }
}

bool FileManager::EqualBuffer(int id) {
    for (const Snapshot& s : Buffers)
        if (s.Id == id) return Buffer->equals(s.Values);
    return false;
}

int FileManager::SaveFile() {
    SavedState s;
    int highest = 0;
    for (const SavedState& o : Saved)
        highest = std::max(highest, o.Id);
    s.Id = highest + 1;
    s.Buffer = SaveBuffer();
    if (File->isOpen()) {
        s.Key = File->currentKey();
        s.Pos = store::positionOf(*Buffer, s.Key);
    }
    s.WHeld = File->isOpen() && File->isHeld(*Buffer);
    s.WWatch = File->isOpen() && watched_ != 0 && Buffer->identity().record == watched_;
    s.AutoIncDone = Usage().AutoIncDone;
    Saved.push_back(s);
    return s.Id;
}

void FileManager::RestoreFile(int id, bool restore) {
    for (auto it = Saved.begin(); it != Saved.end(); ++it) {
        if (it->Id != id) continue;
        const SavedState s = *it;
        Saved.erase(it);
        if (restore && File->isOpen()) {
            if (!s.Pos.isEmpty()) {
                File->setOrderAtPosition(s.Pos);
                if (File->next(*Buffer) == store::Ok && s.WHeld) File->hold(*Buffer);
            } else {
                File->setOrder(s.Key);
            }
            Usage().AutoIncDone = s.AutoIncDone;
        }
        RestoreBuffer(s.Buffer, restore);
        // Watched again from the read the saved buffer was made of, so a change made
        // elsewhere meanwhile is still refused.
        if (restore && s.WWatch && File->isOpen() && File->watch(*Buffer) == store::Ok)
            watched_ = Buffer->identity().record;
        return;
    }
}

QByteArray FileManager::GetPosition() {
    const int key = PrimaryKey ? Keys[PrimaryKey - 1].Key : 0;
    return store::positionOf(*Buffer, key);
}

int FileManager::TryReget(const QByteArray& position) {
    if (UseFile() != LevelBenign) return LevelFatal;
    if (File->reget(position, *Buffer) == store::Ok) return LevelBenign;
    SetError(MsgRetrievalError);
    return LevelNotify;
}

bool FileManager::GetEof() {
    return Usage().AtEof;
}

int FileManager::SetQuickScan(bool on) {
    File->sendOption(on ? QStringLiteral("QUICKSCAN=on") : QStringLiteral("QUICKSCAN=off"));
    return LevelBenign;
}

// ---- validation hooks ------------------------------------------------------------------

int FileManager::ValidateField(int) {
    return LevelBenign;
}

int FileManager::ValidateFields(int first, int last, int& failing) {
    for (int f = first; f <= last; ++f) {
        const int level = ValidateField(f);
        if (level != LevelBenign) {
            failing = f;
            return level;
        }
    }
    failing = 0;
    return LevelBenign;
}

int FileManager::ValidateRecord(int& failing) {
    return ValidateFields(0, Buffer->fieldCount() - 1, failing);
}
