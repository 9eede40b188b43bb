#pragma once

#include "framework/FileDef.h"
#include "framework/FileManager.h"

#include <vector>

// Keeps the links between a parent file and its children sound when a parent record is
// changed or deleted: children follow a new key value (cascade), lose it (clear), or stop
// the change (restrict). A change and everything it carries to the children commit or
// roll back together.
class RelationGuard {
public:
    struct FieldPair {
        int Own = 0;   // field of this guard's file
        int Other = 0; // field of the related file
        FieldValue Saved;
    };
    struct Relation {
        RelationGuard* File = nullptr;
        std::vector<FieldPair> Fields;
        int HisKey = 0; // key of the related file that finds the linked records; 0 link-only
        RelationMode UpdateMode = RelationMode::None;
        RelationMode DeleteMode = RelationMode::None;
    };

    void Init(FileManager& file, bool useLogout, store::RecordStore& store);
    // A link-only relation: the other file is opened and closed with this one.
    void AddRelation(RelationGuard& other);
    void AddRelation(RelationGuard& other, RelationMode onUpdate, RelationMode onDelete,
                     int hisKey);
    // Adds a field pair to the relation added last.
    void AddRelationLink(const QString& ownField, const QString& otherField);
    void Kill();

    int Open();
    int Close();
    int Update(bool fromForm = false);
    // `askAgain` off: a failure is not asked about here, the caller asks once in its own way.
    int Delete(bool ask = true, bool askAgain = true);
    int SetQuickScan(bool on, int propagate = 0);
    // Remembers the current linking values, so that Update knows which ones changed.
    void Save();

    FileManager& Manager() { return *File; }

    FileManager* File = nullptr;
    std::vector<Relation> Relations;
    bool UseLogout = true;
    long LastTouched = 0;

private:
    enum class Change { Update, Delete };

    int openIn(long pass);
    int closeIn(long pass);
    void quickScanIn(long pass, bool on, int propagate);
    int frame(Change change);
    void collectFiles(Change change, std::vector<store::StoreFile*>& files);
    void endTransaction(bool commit);
    int updateChildren();
    int deleteChildren();
    int treatChildren(Relation& relation, Change change, const std::vector<FieldValue>& match,
                      const std::vector<FieldValue>& replacement);
    bool linksChanged(const Relation& relation) const;

    store::RecordStore* Store = nullptr;
    bool inTransaction_ = false;
    static long pass_;
};
