#include "framework/RelationGuard.h"

#include <algorithm>

namespace {
constexpr int TransactionTimeout = 2; // seconds
}

long RelationGuard::pass_ = 0;

void RelationGuard::Init(FileManager& file, bool useLogout, store::RecordStore& store) {
    File = &file;
    UseLogout = useLogout;
    Store = &store;
}

void RelationGuard::AddRelation(RelationGuard& other) {
    Relation r;
    r.File = &other;
    Relations.push_back(r);
}

void RelationGuard::AddRelation(RelationGuard& other, RelationMode onUpdate, RelationMode onDelete,
                                int hisKey) {
    Relation r;
    r.File = &other;
    r.UpdateMode = onUpdate;
    r.DeleteMode = onDelete;
    r.HisKey = hisKey;
    Relations.push_back(r);
}

void RelationGuard::AddRelationLink(const QString& ownField, const QString& otherField) {
    Relation& r = Relations.back();
    FieldPair pair;
    pair.Own = File->Buffer->def().fieldIndex(ownField);
    pair.Other = r.File->File->Buffer->def().fieldIndex(otherField);
    pair.Saved = File->Buffer->value(pair.Own);
    r.Fields.push_back(pair);
}

void RelationGuard::Kill() {
    Relations.clear();
}

// ---- opening and closing a net of related files, each file once per pass ---------------

int RelationGuard::Open() {
    return openIn(++pass_);
}
int RelationGuard::Close() {
    return closeIn(++pass_);
}

int RelationGuard::openIn(long pass) {
    if (LastTouched == pass) return LevelBenign;
    LastTouched = pass;
    int level = File->Open();
    for (Relation& r : Relations) {
        if (level != LevelBenign) break;
        level = r.File->openIn(pass);
    }
    return level;
}

int RelationGuard::closeIn(long pass) {
    if (LastTouched == pass) return LevelBenign;
    LastTouched = pass;
    int level = File->Close();
    for (Relation& r : Relations) {
        if (level != LevelBenign) break;
        level = r.File->closeIn(pass);
    }
    return level;
}

int RelationGuard::SetQuickScan(bool on, int propagate) {
    quickScanIn(++pass_, on, propagate);
    return LevelBenign;
}

// Propagate 1 reaches the link-only relations, 2 those with a key, anything else all.
void RelationGuard::quickScanIn(long pass, bool on, int propagate) {
    if (LastTouched == pass) return;
    LastTouched = pass;
    File->SetQuickScan(on);
    if (propagate == 0) return;
    for (Relation& r : Relations) {
        const bool linkOnly = r.HisKey == 0;
        if ((propagate == 1 && !linkOnly) || (propagate == 2 && linkOnly)) continue;
        r.File->quickScanIn(pass, on, propagate);
    }
}

void RelationGuard::Save() {
    for (Relation& r : Relations)
        for (FieldPair& p : r.Fields)
            p.Saved = File->Buffer->value(p.Own);
}

bool RelationGuard::linksChanged(const Relation& r) const {
    return std::any_of(r.Fields.begin(), r.Fields.end(),
                       [&](const FieldPair& p) { return File->Buffer->value(p.Own) != p.Saved; });
}

// ---- transactions ----------------------------------------------------------------------

void RelationGuard::collectFiles(Change change, std::vector<store::StoreFile*>& files) {
    if (std::find(files.begin(), files.end(), File->File) != files.end()) return;
    File->UseFile(); // a lazily opened file takes part only once it is really open
    files.push_back(File->File);
    for (Relation& r : Relations) {
        const RelationMode mode = change == Change::Update ? r.UpdateMode : r.DeleteMode;
        const bool touched = mode == RelationMode::Cascade || mode == RelationMode::Clear;
        if (touched && r.HisKey) r.File->collectFiles(change, files);
    }
}

int RelationGuard::frame(Change change) {
    inTransaction_ = false;
    if (!UseLogout) return LevelBenign;
    std::vector<store::StoreFile*> files;
    collectFiles(change, files);
    const int code = Store->begin(files, TransactionTimeout);
    if (code == store::Ok) {
        inTransaction_ = true;
        return LevelBenign;
    }
    if (code == store::NotSupported) {
        UseLogout = false;
        return LevelBenign;
    }
    File->Errors->SetErrors(Store->status());
    File->Errors->SetFile(File->Name());
    File->Errors->Raise(MsgTransactionCancelled);
    return LevelNotify;
}

void RelationGuard::endTransaction(bool commit) {
    if (!inTransaction_) return;
    inTransaction_ = false;
    if (commit)
        Store->commit();
    else
        Store->rollback();
}
