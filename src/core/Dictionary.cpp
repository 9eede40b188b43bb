#include "core/Dictionary.h"

namespace {

using T = FieldType;

KeyDef key(const QString& label, std::vector<KeyPart> parts, bool unique, bool autoNumber = false) {
    KeyDef k;
    k.label = label;
    k.parts = std::move(parts);
    k.unique = unique;
    k.autoNumber = autoNumber;
    return k;
}

FileDef makeArchief() {
    FileDef f;
    f.label = "Archief";
    f.prefix = "ARC";
    f.diskName = "Archief.tps";
    f.fields = {
        {"ARC:NR", T::U32, 4},
        {"ARC:CdNr", T::U16, 2},
        {"ARC:DiskNr", T::U16, 2},
        {"ARC:CDiskNaam", T::Text, 35},
        {"ARC:Soort", T::Text, 20},
        {"ARC:Naam", T::Text, 255},
        {"ARC:Size", T::Decimal, 4, 2},
        {"ARC:Date", T::Day, 4},
        {"ARC:Time", T::Clock, 4},
        {"ARC:Producer", T::Text, 80},
        {"ARC:Registration", T::Text, 35},
        {"ARC:Version", T::Text, 11},
        {"ARC:Opmerkingen", T::Text, 40},
        {"ARC:Omschrijving", T::Memo, 10000},
    };
    f.keys = {
        key("ARC:IDkey", {{0}}, true, true),
        key("ARC:KeyCdNr", {{1}}, false),
        key("ARC:KeyDiskNr", {{2}}, false),
        key("ARC:KeyDiskCdNaam", {{3}}, false),
        key("ARC:KeyNaam", {{5}}, false),
        key("ARC:KeySoort", {{4}}, false),
        key("ARC:KeyProducer", {{9}, {5}}, false),
        key("ARC:Key_Date", {{7, true}, {8, true}}, false),
    };
    return f;
}

FileDef makePrd() {
    FileDef f;
    f.label = "Prd";
    f.prefix = "PRD";
    f.diskName = "Prd.tps";
    f.fields = {
        {"PRD:Name", T::Text, 30},
        {"PRD:Website", T::Text, 80},
        {"PRD:Support", T::Text, 30},
        {"PRD:Phone", T::Text, 30},
    };
    f.keys = {key("PRD:KeyName", {{0}}, true)};
    return f;
}

FileDef makeSoortTabel() {
    FileDef f;
    f.label = "SoortTabel";
    f.prefix = "SRT";
    f.diskName = "Soorttab.tps";
    f.fields = {{"Srt:Soort", T::Text, 20}};
    f.keys = {key("Srt:KeySoort", {{0}}, true)};
    return f;
}

FileDef makeIde() {
    FileDef f;
    f.label = "IDE";
    f.prefix = "IDE";
    f.diskName = "IDE.tps";
    f.ownerPassword = Dictionary::OwnerPassword;
    f.fields = {
        {"IDE:IDNR", T::U16, 2},
        {"IDE:Name", T::Text, 20},
        {"IDE:PASSWORD", T::Text, 20},
        {"IDE:LEVEL", T::U8, 1},
    };
    f.keys = {
        key("IDE:KeyID", {{0}}, true, true),
        key("IDE:KeyName", {{1}}, false),
    };
    return f;
}

FileDef makeLog() {
    FileDef f;
    f.label = "Log";
    f.prefix = "LOG";
    f.diskName = "Log.tps";
    f.ownerPassword = Dictionary::OwnerPassword;
    f.fields = {
        {"LOG:NR", T::U32, 4},     {"LOG:ID", T::U16, 2},         {"LOG:NAME", T::Text, 20},
        {"LOG:DATUM", T::Date, 4}, {"LOG:LOGINTIME", T::Time, 4}, {"LOG:LOGOUTTIME", T::Time, 4},
    };
    f.keys = {
        key("LOG:KeyNr", {{0}}, true, true),
        key("LOG:KeyDate", {{3}, {4}}, false),
        key("LOG:KeyID", {{1}}, false),
        key("LOG:KeyName", {{2}}, false),
    };
    return f;
}

FileDef makeSys() {
    FileDef f;
    f.label = "Sys";
    f.prefix = "SYS";
    f.diskName = "Sys.tps";
    f.fields = {
        {"SYS:ID", T::U8, 1},
        {"SYS:DOLOG", T::U8, 1},
        {"SYS:HOWLONG", T::U8, 1},
        {"SYS:DOBACKUP", T::U8, 1},
        {"SYS:LASTBACKUPDATE", T::Date, 4},
        {"SYS:BACKUPDAYS", T::U8, 1},
        {"SYS:PATHBACKUPFILES", T::ZText, 256},
    };
    f.keys = {key("Sys:KeyID", {{0}}, true)};
    return f;
}

FileDef makeDrv() {
    FileDef f;
    f.label = "Drv";
    f.prefix = "DRV";
    f.diskName = "Drv.tps";
    f.fields = {
        {"DRV:DRIVE", T::Text, 3},
        {"DRV:KINDOFDRIVE", T::Text, 6},
    };
    f.keys = {key("DRV:KeyDrive", {{0}}, true)};
    return f;
}

RelationDef relation(const QString& parent, const QString& child, const QString& parentField,
                     const QString& childField, const QString& childKey, RelationMode onUpdate,
                     RelationMode onDelete) {
    RelationDef r;
    r.parent = parent;
    r.child = child;
    r.links = {{parentField, childField}};
    r.childKey = childKey;
    r.updateMode = onUpdate;
    r.deleteMode = onDelete;
    return r;
}

} // namespace

namespace Dictionary {

const FileDef& Archief() {
    static const FileDef def = makeArchief();
    return def;
}
const FileDef& Prd() {
    static const FileDef def = makePrd();
    return def;
}
const FileDef& SoortTabel() {
    static const FileDef def = makeSoortTabel();
    return def;
}
const FileDef& IDE() {
    static const FileDef def = makeIde();
    return def;
}
const FileDef& Log() {
    static const FileDef def = makeLog();
    return def;
}
const FileDef& Sys() {
    static const FileDef def = makeSys();
    return def;
}
const FileDef& Drv() {
    static const FileDef def = makeDrv();
    return def;
}

std::vector<const FileDef*> files() {
    return {&Archief(), &Sys(), &Log(), &IDE(), &Prd(), &SoortTabel(), &Drv()};
}

const FileDef* file(const QString& label) {
    for (const FileDef* f : files())
        if (f->label.compare(label, Qt::CaseInsensitive) == 0) return f;
    return nullptr;
}

const std::vector<RelationDef>& relations() {
    static const std::vector<RelationDef> all = {
        relation("SoortTabel", "Archief", "Srt:Soort", "ARC:Soort", "ARC:KeySoort",
                 RelationMode::Cascade, RelationMode::Restrict),
        relation("Prd", "Archief", "PRD:Name", "ARC:Producer", "ARC:KeyProducer",
                 RelationMode::Cascade, RelationMode::Restrict),
        relation("IDE", "Log", "IDE:IDNR", "LOG:ID", "LOG:KeyID", RelationMode::None,
                 RelationMode::None),
    };
    return all;
}

} // namespace Dictionary

ArchiefRecord::ArchiefRecord() : RecordBuffer(Dictionary::Archief()) {
    bind(NR), bind(CdNr), bind(DiskNr), bind(CDiskNaam), bind(Soort), bind(Naam), bind(Size);
    bind(Date), bind(Time), bind(Producer), bind(Registration), bind(Version);
    bind(Opmerkingen), bind(Omschrijving);
}

PrdRecord::PrdRecord() : RecordBuffer(Dictionary::Prd()) {
    bind(Name), bind(Website), bind(Support), bind(Phone);
}

SoortTabelRecord::SoortTabelRecord() : RecordBuffer(Dictionary::SoortTabel()) {
    bind(Soort);
}

IdeRecord::IdeRecord() : RecordBuffer(Dictionary::IDE()) {
    bind(IDNR), bind(Name), bind(PASSWORD), bind(LEVEL);
}

LogRecord::LogRecord() : RecordBuffer(Dictionary::Log()) {
    bind(NR), bind(ID), bind(NAME), bind(DATUM), bind(LOGINTIME), bind(LOGOUTTIME);
}

SysRecord::SysRecord() : RecordBuffer(Dictionary::Sys()) {
    bind(ID), bind(DOLOG), bind(HOWLONG), bind(DOBACKUP), bind(LASTBACKUPDATE), bind(BACKUPDAYS);
    bind(PATHBACKUPFILES);
}

DrvRecord::DrvRecord() : RecordBuffer(Dictionary::Drv()) {
    bind(DRIVE), bind(KINDOFDRIVE);
}
