// Inserting many records in one transaction of the caller.
#include "framework/FileManager.h"

int FileManager::BeginBulkInsert() {
    if (UseFile() != LevelBenign) return LevelFatal;
    bulk_ = true;
    bulkNumbers_.assign(Keys.size(), 0);
    return LevelBenign;
}

void FileManager::EndBulkInsert() {
    bulk_ = false;
    bulkNumbers_.clear();
}

int FileManager::TryBulkInsert() {
    // Begin made the file usable, and closing it ends the bulk.
    if (!bulk_) return TryInsert();
    int failing = 0;
    if (ValidateRecord(failing) != LevelBenign) return LevelNotify;
    for (size_t k = 0; k < Keys.size(); ++k) {
        const KeyEntry& key = Keys[k];
        if (!key.AutoInc) continue;
        qint64 number = bulkNumbers_[k];
        if (number == 0 && numberFor(key, number, false) != LevelBenign) return LevelNotify;
        Buffer->setValue(key.Fields.back().Field, number);
    }
    const int code = File->add(*Buffer);
    if (code != store::Ok) {
        // Looked up again: the number may be taken after all.
        bulkNumbers_.assign(Keys.size(), 0);
        return insertFailed(code, false);
    }
    // Numbering that restarts for every combination of leading components is looked up
    // for every record; a single component counts on from the record just added.
    for (size_t k = 0; k < Keys.size(); ++k)
        if (Keys[k].AutoInc && Keys[k].Fields.size() == 1)
            bulkNumbers_[k] = Buffer->number(Keys[k].Fields.back().Field) + 1;
    return LevelBenign;
}
