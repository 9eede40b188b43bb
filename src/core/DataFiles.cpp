#include "core/DataFiles.h"

#include "core/Dictionary.h"
#include "core/Globals.h"

#include <cassert>

namespace {

DataFiles* current = nullptr;

RecordBuffer& bufferOf(DataFiles::File file) {
    switch (file) {
    case DataFiles::Archief:
        return ARC;
    case DataFiles::Sys:
        return SYS;
    case DataFiles::Log:
        return LOG;
    case DataFiles::IDE:
        return IDE;
    case DataFiles::Prd:
        return PRD;
    case DataFiles::SoortTabel:
        return SRT;
    default:
        return DRV;
    }
}

DataFiles::File fileOf(const QString& label) {
    const auto files = Dictionary::files();
    for (int i = 0; i < int(files.size()); ++i)
        if (files[i]->label.compare(label, Qt::CaseInsensitive) == 0) return DataFiles::File(i);
    assert(false && "unknown file label");
    return DataFiles::Count;
}

} // namespace

DataFiles::DataFiles(store::RecordStore& store, ErrorManager& errors) {
    const auto defs = Dictionary::files();
    for (int i = 0; i < Count; ++i) {
        const FileDef& def = *defs[i];
        managers_[i] = std::make_unique<FileManager>();
        FileManager& m = *managers_[i];
        m.Init(store.declare(def), bufferOf(File(i)), errors);
        for (int k = 0; k < int(def.keys.size()); ++k)
            m.AddKey(def.keys[k].label, k + 1, def.keys[k].autoNumber);
        guards_[i] = std::make_unique<RelationGuard>();
        guards_[i]->Init(m, true, store);
    }
    for (const RelationDef& r : Dictionary::relations()) {
        RelationGuard& parent = guard(fileOf(r.parent));
        RelationGuard& child = guard(fileOf(r.child));
        parent.AddRelation(child, r.updateMode, r.deleteMode,
                           child.File->File->def().keyNumber(r.childKey));
        for (const auto& [parentField, childField] : r.links)
            parent.AddRelationLink(parentField, childField);
        child.AddRelation(parent);
        for (const auto& [parentField, childField] : r.links)
            child.AddRelationLink(childField, parentField);
    }
    current = this;
}

DataFiles::~DataFiles() {
    for (int i = 0; i < Count; ++i) {
        guards_[i]->Kill();
        managers_[i]->Kill();
    }
    if (current == this) current = nullptr;
}

DataFiles& DataFiles::instance() {
    assert(current && "data files not set up");
    return *current;
}
