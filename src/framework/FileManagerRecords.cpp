// Reading and writing records through the file manager.
#include "framework/FileManager.h"

#include "framework/RelationGuard.h"
#include "framework/store/Positions.h"

namespace {
constexpr int SilentAutoIncRetries = 2;
}

int FileManager::TryFetch(int key) {
    if (UseFile() != LevelBenign) return LevelFatal;
    const int code = File->get(key, *Buffer);
    if (code == store::Ok) return LevelBenign;
    if (code != store::NoRecord) SetError(MsgRetrievalError);
    return LevelNotify;
}

int FileManager::Fetch(int key) {
    const int level = TryFetch(key);
    if (level != LevelBenign) Buffer->clear();
    return level;
}

int FileManager::Next() {
    return readNext(true, true);
}
int FileManager::TryNext() {
    return readNext(true, false);
}
int FileManager::Previous() {
    return readNext(false, true);
}
int FileManager::TryPrevious() {
    return readNext(false, false);
}

int FileManager::readNext(bool forward, bool raise) {
    if (UseFile() != LevelBenign) return LevelFatal;
    UsageInfo& u = Usage();
    for (;;) {
        u.AtEof = false;
        const int code = forward ? File->next(*Buffer) : File->previous(*Buffer);
        switch (code) {
        case store::Ok:
            return LevelBenign;
        case store::NoRecord:
            u.AtEof = true;
            return LevelNotify;
        case store::RecordHeld:
            if (SkipHeldRecords) continue;
            return fail(MsgRecordNotRead, raise, LevelNotify);
        default:
            return fail(MsgRetrievalError, raise, LevelFatal);
        }
    }
}

int FileManager::PrimeRecord(bool suppressClear) {
    if (!suppressClear) Buffer->clear();
    PrimeFields();
    if (!HasAutoInc) return LevelBenign;
    Usage().AutoIncDone = false;
    return PrimeAutoInc();
}

int FileManager::PrimeAutoInc() {
    return primeAutoInc(true);
}
int FileManager::TryPrimeAutoInc() {
    return primeAutoInc(false);
}

// The next number of an auto-numbered key: one above the highest in use, or 1. With several
// components the numbering restarts for every combination of the leading ones.
int FileManager::numberFor(const KeyEntry& key, qint64& number, bool raise) {
    const FieldDef& last = File->def().fields.at(key.Fields.back().Field);
    const std::vector<FieldValue> kept = Buffer->values();
    const RecordId keptIdentity = Buffer->identity();
    File->setSkipMemos(true);
    int code;
    if (key.Fields.size() == 1) {
        File->setOrder(key.Key);
        code = key.Fields.back().Ascend ? File->previous(*Buffer) : File->next(*Buffer);
    } else {
        Buffer->setValue(key.Fields.back().Field, last.highest());
        File->setOrderAt(key.Key, *Buffer);
        code = key.Fields.back().Ascend ? File->previous(*Buffer) : File->next(*Buffer);
        if (code == store::Ok)
            for (size_t i = 0; i + 1 < key.Fields.size(); ++i)
                if (!RecordBuffer::sameKeyValue(Buffer->value(key.Fields[i].Field),
                                                kept[key.Fields[i].Field]))
                    code = store::NoRecord;
    }
    File->setSkipMemos(false);
    const qint64 found = code == store::Ok ? Buffer->number(key.Fields.back().Field) : 0;
    Buffer->setValues(kept);
    Buffer->setIdentity(keptIdentity);
    if (code != store::Ok && code != store::NoRecord)
        return fail(MsgRetrievalError, raise, LevelNotify);
    number = found + 1;
    return LevelBenign;
}

int FileManager::primeAutoInc(bool raise) {
    if (UseFile() != LevelBenign) return LevelFatal;
    UsageInfo& u = Usage();
    if (!HasAutoInc || u.AutoIncDone) return LevelBenign;
    int failures = 0;
    for (;;) {
        for (const KeyEntry& key : Keys) {
            if (!key.AutoInc) continue;
            qint64 number = 0;
            if (numberFor(key, number, raise) != LevelBenign) return LevelNotify;
            Buffer->setValue(key.Fields.back().Field, number);
        }
        // Adding the record at once reserves the number for this station.
        if (File->add(*Buffer) == store::Ok) {
            u.AutoIncDone = true;
            reserved_ = Buffer->identity();
            return LevelBenign;
        }
        if (++failures <= SilentAutoIncRetries) continue;
        SetError(MsgAutoIncError);
        if (!raise || Errors->Raise(MsgAutoIncError) != LevelBenign) return LevelNotify;
        failures = 0;
    }
}

// Gives the buffer the identity of the record reserved by PrimeAutoInc, whatever was read
// into it since, so that a rewrite or delete never lands on another record.
bool FileManager::backToReserved() {
    if (reserved_.record == 0) return false;
    Buffer->setIdentity(reserved_);
    return true;
}

int FileManager::Insert() {
    return insert(true);
}
int FileManager::TryInsert() {
    return insert(false);
}

int FileManager::insert(bool raise) {
    if (UseFile() != LevelBenign) return LevelFatal;
    int failing = 0;
    if (ValidateRecord(failing) != LevelBenign) return LevelNotify;
    UsageInfo& u = Usage();
    int code;
    if (!HasAutoInc) {
        code = File->add(*Buffer);
    } else if (u.AutoIncDone) {
        code = backToReserved() ? File->put(*Buffer) : store::NoRecord;
    } else {
        if (primeAutoInc(raise) != LevelBenign) return LevelNotify;
        code = store::Ok;
    }
    if (code == store::Ok) {
        u.AutoIncDone = false;
        reserved_ = {};
        return LevelBenign;
    }
    return insertFailed(code, raise);
}

int FileManager::insertFailed(int code, bool raise) {
    if (code == store::DuplicateKey) {
        QString description;
        for (const KeyEntry& key : Keys)
            if (!key.Dups && File->duplicates(key.Key, *Buffer)) {
                description = key.Description;
                break;
            }
        Errors->MessageText = description;
        return fail(MsgDuplicateKey, raise, LevelNotify);
    }
    return fail(MsgInsertError, raise, LevelNotify);
}

int FileManager::Update() {
    return update(true);
}
int FileManager::TryUpdate() {
    return update(false);
}

int FileManager::update(bool raise) {
    if (UseFile() != LevelBenign) return LevelFatal;
    int failing = 0;
    if (ValidateRecord(failing) != LevelBenign) return LevelUser;
    const QByteArray position = store::positionOf(*Buffer, 0);
    const int code = File->put(*Buffer);
    if (code == store::Ok) return LevelBenign;
    if (code == store::ChangedElsewhere) {
        const int id = fromForm_ ? MsgNotUpdatedForm : MsgNotUpdated;
        SetError(id);
        if (raise) Errors->Raise(id);
        if (File->reget(position, *Buffer) == store::Ok && File->watch(*Buffer) == store::Ok)
            watched_ = Buffer->identity().record;
        return LevelNotify;
    }
    return fail(MsgUpdateFailed, raise, LevelNotify);
}

int FileManager::CancelAutoInc(RelationGuard* guard) {
    if (UseFile() != LevelBenign) return LevelFatal;
    UsageInfo& u = Usage();
    if (!HasAutoInc || !u.AutoIncDone) return LevelBenign;
    if (!backToReserved()) return LevelNotify;
    int level;
    if (guard) {
        level = guard->Delete(false);
    } else {
        level = File->erase(*Buffer) == store::Ok ? LevelBenign : LevelNotify;
        if (level != LevelBenign) SetError(MsgNotDeleted);
    }
    if (level == LevelBenign) {
        u.AutoIncDone = false;
        reserved_ = {};
    }
    return level;
}
