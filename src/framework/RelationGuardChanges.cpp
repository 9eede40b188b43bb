// Changing and deleting a parent record with its children.
#include "framework/RelationGuard.h"
#include "framework/store/Positions.h"

namespace {

std::vector<FieldValue> ownValues(const RelationGuard::Relation& r, const RecordBuffer& buffer) {
    std::vector<FieldValue> values;
    for (const RelationGuard::FieldPair& p : r.Fields)
        values.push_back(buffer.value(p.Own));
    return values;
}

std::vector<FieldValue> savedValues(const RelationGuard::Relation& r) {
    std::vector<FieldValue> values;
    for (const RelationGuard::FieldPair& p : r.Fields)
        values.push_back(p.Saved);
    return values;
}

// Puts the child's linking values into its buffer and the key's other components at the
// start of the key order, so that reading on from there meets the linked children first.
void primeChildKey(const RelationGuard::Relation& r, RecordBuffer& child,
                   const std::vector<FieldValue>& match) {
    for (size_t i = 0; i < r.Fields.size(); ++i)
        child.setValue(r.Fields[i].Other, match[i]);
    const KeyDef& key = child.def().keys.at(r.HisKey - 1);
    for (const KeyPart& part : key.parts) {
        bool linking = false;
        for (const RelationGuard::FieldPair& p : r.Fields)
            linking = linking || p.Other == part.field;
        if (linking) continue;
        const FieldDef& f = child.def().fields.at(part.field);
        if (!part.descending || f.isText())
            child.clearField(part.field);
        else
            child.setValue(part.field, f.highest());
    }
}

} // namespace

int RelationGuard::treatChildren(Relation& r, Change change, const std::vector<FieldValue>& match,
                                 const std::vector<FieldValue>& replacement) {
    RelationGuard& childGuard = *r.File;
    FileManager& child = *childGuard.File;
    RecordBuffer& buffer = *child.Buffer;
    if (child.UseFile() != LevelBenign) return LevelFatal;
    // The children's memos are neither read nor rewritten: only their linking fields change.
    struct MemosSkipped {
        store::StoreFile& file;
        explicit MemosSkipped(store::StoreFile& f) : file(f) { file.setSkipMemos(true); }
        ~MemosSkipped() { file.setSkipMemos(false); }
    } memosSkipped(*child.File);
    primeChildKey(r, buffer, match);
    child.File->setOrderAt(r.HisKey, buffer);
    const RelationMode mode = change == Change::Update ? r.UpdateMode : r.DeleteMode;
    for (;;) {
        const int read = child.TryNext();
        if (read == LevelNotify && child.GetEof()) return LevelBenign;
        if (read != LevelBenign) {
            child.ThrowCurrent();
            return LevelNotify;
        }
        for (size_t i = 0; i < r.Fields.size(); ++i)
            if (!RecordBuffer::sameKeyValue(buffer.value(r.Fields[i].Other), match[i]))
                return LevelBenign;
        if (mode == RelationMode::Restrict) {
            child.SetError(change == Change::Update ? MsgRiUpdateError : MsgRiDeleteError);
            child.ThrowCurrent();
            return LevelNotify;
        }
        if (change == Change::Delete && mode == RelationMode::Cascade) {
            const int level = childGuard.deleteChildren();
            if (level != LevelBenign) return level;
            if (child.File->erase(buffer) != store::Ok) {
                child.Throw(MsgNotDeleted);
                return LevelNotify;
            }
            continue;
        }
        childGuard.Save();
        for (size_t i = 0; i < r.Fields.size(); ++i) {
            if (mode == RelationMode::Cascade)
                buffer.setValue(r.Fields[i].Other, replacement[i]);
            else
                buffer.clearField(r.Fields[i].Other);
        }
        const int level = childGuard.updateChildren();
        if (level != LevelBenign) return level;
        if (child.TryUpdate() != LevelBenign) {
            child.ThrowCurrent();
            return LevelNotify;
        }
    }
}

int RelationGuard::updateChildren() {
    for (Relation& r : Relations) {
        if (r.UpdateMode == RelationMode::None || !r.HisKey || !linksChanged(r)) continue;
        const int level =
            treatChildren(r, Change::Update, savedValues(r), ownValues(r, *File->Buffer));
        if (level != LevelBenign) return level;
    }
    return LevelBenign;
}

int RelationGuard::deleteChildren() {
    for (Relation& r : Relations) {
        if (r.DeleteMode == RelationMode::None || !r.HisKey) continue;
        const int level = treatChildren(r, Change::Delete, ownValues(r, *File->Buffer), {});
        if (level != LevelBenign) return level;
    }
    return LevelBenign;
}

int RelationGuard::Update(bool fromForm) {
    int level = Open();
    if (level != LevelBenign) return level;
    level = frame(Change::Update);
    if (level != LevelBenign) {
        Close();
        return level;
    }
    File->fromForm_ = fromForm;
    // A rollback leaves the stored record as it was read: so must the buffer's identity be.
    const RecordId read = File->Buffer->identity();
    level = File->TryUpdate();
    File->fromForm_ = false;
    if (level != LevelBenign) {
        endTransaction(false);
        const int id = File->Usage().LastError;
        if (level == LevelNotify) File->ThrowCurrent();
        Close();
        return id == MsgNotUpdated || id == MsgNotUpdatedForm ? LevelNotify : LevelUser;
    }
    level = updateChildren();
    if (level != LevelBenign) {
        if (inTransaction_) File->Buffer->setIdentity(read);
        endTransaction(false);
        for (Relation& r : Relations)
            if (r.UpdateMode != RelationMode::None)
                for (FieldPair& p : r.Fields)
                    File->Buffer->setValue(p.Own, p.Saved);
        Close();
        return level;
    }
    endTransaction(true);
    Save();
    Close();
    return LevelBenign;
}

int RelationGuard::Delete(bool ask, bool askAgain) {
    if (ask && File->Throw(MsgConfirmDelete) != LevelBenign) return LevelNotify;
    for (;;) {
        const QByteArray position = store::positionOf(*File->Buffer, 0);
        int level = Open();
        if (level != LevelBenign) return level;
        level = frame(Change::Delete);
        if (level == LevelBenign) level = File->TryReget(position);
        if (level == LevelBenign) level = deleteChildren();
        if (level == LevelBenign) {
            if (File->File->erase(*File->Buffer) == store::Ok) {
                endTransaction(true);
            } else {
                File->SetError(MsgNotDeleted);
                endTransaction(false);
                File->ThrowCurrent();
                level = LevelNotify;
            }
        } else {
            endTransaction(false);
        }
        Close();
        if (level == LevelBenign) return LevelBenign;
        if (!askAgain || File->Throw(MsgDeleteError) != LevelBenign) return level;
    }
}
